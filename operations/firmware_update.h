#pragma once
#include "operations/connection.h"

#include <string>

// The bootloader's own firmware from a firmware file (".frm"). The messages
// are those of group 3 (operations/firmware_update_messages.h).
namespace qbx {

// Connects, checks that the file is made for the bootloader family that
// answers (before any data is sent), then serves the device's requests from
// the file. No mode switch, no bootloader check, no short header. True on
// success, after the beep; false after the failure's message.
bool RunFirmwareUpdate(COperationHost& host, const std::string& path, const ConnectOptions& options = {});

} // namespace qbx

#pragma once
#include "formats/handover_file.h"
#include "operations/connection.h"
#include "platform/program_folder.h"

#include <string>

// A new operating system from a program file into a controller or bus
// device, through the bootloader. The messages are those of group 4
// (operations/os_update_messages.h).
namespace qbx {

// The transfer as its dialog runs it: the two paths of the hand-over file in
// `folder`, then RunOsUpdate. A missing hand-over file fails with its
// message.
bool RunOsUpdateTransfer(COperationHost& host, const ConnectOptions& options = {},
                         const std::string& folder = FilesFolder());

// Checks the program file's kind (and a two-image file's boot-sector size)
// before the link is opened, then runs the single-image or the two-image
// procedure. `welcomePage` is a welcome-page file, or "0" or empty for none.
// True on success, after the beep; false after the failure's message, or
// without one when the person declined the mode switch.
bool RunOsUpdate(COperationHost& host, const OsUpdateHandover& paths, const ConnectOptions& options = {});

} // namespace qbx

#pragma once
#include "formats/function_data_image.h"
#include "link/slot_header.h"
#include "link/transport.h"
#include "operations/connection.h"
#include "operations/transfer_run.h"
#include "platform/program_folder.h"

#include <string>

// Function data from ".dat" files into the bootloader's storage slots. The
// messages are those of group 2 (operations/upload_transfer_messages.h).
namespace qbx {

// The whole upload as the transfer dialog runs it: the ticked slots of
// config_up.ini in `folder`, one after the other, each over a link of its
// own (`options` as for Connect).
// With `verify`, each slot is read back after its upload and compared.
TransferRunResult RunUploadTransfer(COperationHost& host, const ConnectOptions& options = {},
                                    const std::string& folder = FilesFolder(), bool verify = false);
// The same for a list in hand: runs side by side (qbx) must not read each
// other's config_up.ini.
TransferRunResult RunUploadList(COperationHost& host, const SlotList& slots,
                                const ConnectOptions& options = {}, bool verify = false);

// Uploads the file at `path` into bootloader slot `slot` (1 to 7): connect
// and check, load the file, select the slot and write its header, serve the
// data phase; with `verify`, read the slot back over the same link and
// compare. True on success; false after the failure's message.
bool UploadSlot(COperationHost& host, int slot, const std::string& path, const ConnectOptions& options = {},
                bool verify = false);

// The header a slot gets for `image`; `title` (UTF-8) becomes its description.
SlotHeader UploadSlotHeader(const FunctionDataImage& image, const std::string& title);

// The data phase over an open link whose slot is selected and whose header
// is written: the start frame, then every request of the device answered
// from `image`, busy frames waited out, until the device's end frame.
bool ServeUploadData(CTransport& transport, COperationHost& host, const FunctionDataImage& image);

} // namespace qbx

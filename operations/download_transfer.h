#pragma once
#include "formats/function_data_header.h"
#include "formats/function_data_image.h"
#include "link/slot_header.h"
#include "link/transport.h"
#include "operations/connection.h"
#include "operations/transfer_run.h"
#include "platform/program_folder.h"

#include <string>

// Function data from the bootloader's storage slots into ".dat" files. The
// messages are those of group 1 (operations/download_transfer_messages.h).
namespace qbx {

// The whole download as the transfer dialog runs it: the ticked slots of
// config_do.ini in `folder`, one after the other, each over a link of its
// own (`options` as for Connect).
TransferRunResult RunDownloadTransfer(COperationHost& host, const ConnectOptions& options = {},
                                      const std::string& folder = FilesFolder());
// The same for a list in hand: runs side by side (qbx) must not read each
// other's config_do.ini.
TransferRunResult RunDownloadList(COperationHost& host, const SlotList& slots,
                                  const ConnectOptions& options = {});

// Downloads bootloader slot `slot` (1 to 7) into the file at `path`:
// connect and check, read the slot's header, receive the whole image, and
// only then replace the file. True on success; false after the failure's
// message, with the file as it was.
bool DownloadSlot(COperationHost& host, int slot, const std::string& path,
                  const ConnectOptions& options = {});

// The file header for a slot's data: format 1 for the controller's
// 0x8000-byte image, format 2 for its 0x8400-byte image, format 3 (which
// records kind and size itself) for everything else.
FunctionDataHeader DownloadFileHeader(const SlotHeader& slot);

// The data phase over an open link whose slot is selected: `image` (prepared
// for the slot's size) is filled block by block in ascending order, then
// the end frame is sent. False after the failure's message.
bool ReceiveDownloadData(CTransport& transport, COperationHost& host, FunctionDataImage& image);

} // namespace qbx

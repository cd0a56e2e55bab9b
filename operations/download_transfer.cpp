#include "operations/download_transfer.h"

#include "formats/function_data_format.h"
#include "link/framing.h"
#include "link/protocol_constants.h"
#include "link/slot_commands.h"
#include "operations/block_read.h"
#include "operations/download_transfer_messages.h"
#include "operations/string_ids.h"
#include "operations/transfer_steps.h"

#include <algorithm>
#include <array>

namespace qbx {
namespace {

using namespace download_transfer;

// Gives the device time to ready the slot before the first request.
constexpr int kPauseBeforeDataMs = 100;

inline constexpr BlockReadMessages kBlockRead = {.request = kRequest,
                                                 .reply = kReply,
                                                 .refused = kRefused,
                                                 .deviceError = kDeviceError,
                                                 .unexpected = kUnexpectedReply,
                                                 .data = kData,
                                                 .endFrame = kEndFrame};

bool ReceiveDownloadData(CTransport& transport, COperationHost& host, FunctionDataImage& image,
                         transfer::CWaitCursor& wait) {
    return ReadImageBlocks(transport, host, wait, image, command::kSlotDownload, kBlockRead);
}

// Reads the selected slot's header and readies an image for it.
bool PrepareImage(CTransport& transport, COperationHost& host, int slot, FunctionDataImage& image) {
    SlotHeader header;
    if (!SelectSlot(transport, static_cast<std::uint8_t>(slot)) || !ReadSlotHeader(transport, header)) {
        host.ShowMessage(kSlotHeaderFailed, str::kNoAnswer);
        return false;
    }
    // An empty slot would give a file without data in place of the chosen
    // one, and a size beyond 16 bits cannot be written to a file.
    if (header.status != record::kStatusHasData || !image.Prepare(DownloadFileHeader(header))) {
        host.ShowMessage(kUnsupportedSlot, transfer::kUnsupportedData);
        return false;
    }
    return true;
}

} // namespace

FunctionDataHeader DownloadFileHeader(const SlotHeader& slot) {
    FunctionDataHeader header;
    header.fileFormat = 3;
    if (slot.kind == kImpliedDeviceCode && slot.size == kFormat1DataSize) header.fileFormat = 1;
    // Format 2 implies its size; any other size keeps its own in format 3.
    if (slot.kind == kImpliedDeviceCode && slot.size == kFormat2DataSize) header.fileFormat = 2;
    header.deviceCode = slot.kind;
    header.firmware = slot.textA;
    header.bootsector = slot.textB;
    header.dataSize = slot.size;
    return header;
}

bool ReceiveDownloadData(CTransport& transport, COperationHost& host, FunctionDataImage& image) {
    transfer::CWaitCursor wait(host);
    return ReceiveDownloadData(transport, host, image, wait);
}

bool DownloadSlot(COperationHost& host, int slot, const std::string& path, const ConnectOptions& options) {
    host.SetStatusString(transfer::kStatusConnecting);
    host.SetSlotNumber(transfer::SlotNumberText(slot));
    transfer::CWaitCursor wait(host);

    // The bootloader check comes after the progress bar is reset.
    ConnectOptions connect = options;
    connect.check = false;
    std::unique_ptr<CTransport> transport;
    BootloaderId id;
    if (transfer::ConnectForTransfer(host, kConnect, connect, transport, id) != ConnectResult::Connected)
        return false;
    host.SetProgressRange(1, 100);
    host.SetProgressPosition(0);
    host.SetStatusString(transfer::kStatusStarting);
    if (options.check && !transfer::CheckConnectedBootloader(host, kConnect, *transport)) return false;

    FunctionDataImage image;
    if (!PrepareImage(*transport, host, slot, image)) return false;
    host.SetProgressRange(1, image.Header().dataSize);
    host.SetProgressPosition(0);
    host.SetStatusString(transfer::kStatusStarting);
    transport->Pause(kPauseBeforeDataMs);
    if (!ReceiveDownloadData(*transport, host, image, wait)) return false;
    transport.reset();
    if (!image.Save(path)) {
        host.ShowMessage(kNotSaved, str::kCannotSave, {path});
        return false;
    }
    return true;
}

TransferRunResult RunDownloadTransfer(COperationHost& host, const ConnectOptions& options,
                                      const std::string& folder) {
    SlotList slots;
    bool read = ReadDownloadSlotList(slots, folder);
    return RunSlotList(host, read, slots, transfer::kTargetFile, [&](int slot, const std::string& path) {
        return DownloadSlot(host, slot, path, options);
    });
}

TransferRunResult RunDownloadList(COperationHost& host, const SlotList& slots,
                                  const ConnectOptions& options) {
    return RunSlotList(host, true, slots, transfer::kTargetFile, [&](int slot, const std::string& path) {
        return DownloadSlot(host, slot, path, options);
    });
}

} // namespace qbx

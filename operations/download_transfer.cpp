#include "operations/download_transfer.h"

#include "functiondata/function_data_format.h"
#include "link/framing.h"
#include "link/protocol_constants.h"
#include "link/slot_commands.h"
#include "link/wire_bytes.h"
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

using Body = std::array<std::uint8_t, frame::kBodySize>;

bool IsFrame(const Body& body, std::uint8_t kind) {
    return body[frame::kKindAt] == kind && body[frame::kMarkerAt] == frame::kMarker;
}

// A reply other than the answer to the request: its message.
void ReportWrongReply(COperationHost& host, const Body& reply) {
    if (IsFrame(reply, frame::kRefusal)) {
        host.ShowMessage(kRefused, str::kDeviceRefused);
    } else if (IsFrame(reply, frame::kError)) {
        transfer::ReportDeviceError(host, kDeviceError, reply[frame::kCodeAt]);
    } else {
        host.ShowMessage(kUnexpectedReply, str::kUnexpectedReply);
    }
}

// One block: the request, its reply body, then the bytes into the image.
bool ReceiveBlockAt(CTransport& transport, COperationHost& host, transfer::CWaitCursor& wait,
                    FunctionDataImage& image, std::uint32_t address, int count, Body& reply) {
    Body request = {
        frame::kRequest, frame::kMarker, command::kSlotDownload, 0, 0, 0, static_cast<std::uint8_t>(count)};
    PutLe24(request.data() + frame::kParameterAt, address);
    int sent = SendFrame(transport, request.data(), frame::kBodySize);
    if (sent != kSendAcknowledged) {
        transfer::ReportSendFailure(host, kRequest, sent);
        return false;
    }
    int received = ReceiveBlock(transport, reply.data(), frame::kBodySize);
    if (received != kBlockReceived) {
        transfer::ReportReceiveFailure(host, kReply, received);
        return false;
    }
    // Only kind, marker and code are checked; the device's address and count are not used.
    if (!IsFrame(reply, frame::kAnswer) || reply[frame::kCodeAt] != command::kSlotDownload) {
        ReportWrongReply(host, reply);
        return false;
    }
    const std::uint32_t size = image.Header().dataSize;
    host.SetProgressPosition(address);
    host.SetStatusString(transfer::kStatusReceiving);
    host.SetProgressText(transfer::ProgressText(address, size));
    host.PumpEvents();
    wait.Again();

    std::array<std::uint8_t, command::kMaxDownloadBlock> data{};
    received = ReceiveBlock(transport, data.data(), count);
    if (received != kBlockReceived) {
        transfer::ReportReceiveFailure(host, kData, received);
        return false;
    }
    image.SetBytes(address, data.data(), static_cast<std::size_t>(count));
    return true;
}

bool ReceiveDownloadData(CTransport& transport, COperationHost& host, FunctionDataImage& image,
                         transfer::CWaitCursor& wait) {
    const std::uint32_t size = static_cast<std::uint32_t>(image.Size());
    // The end frame repeats the last reply; without any block it names the phase itself.
    Body last = {frame::kAnswer, frame::kMarker, command::kSlotDownload, 0, 0, 0, 0};
    for (std::uint32_t address = 0; address < size;) {
        // Never more than the image has left, so the last block is the shorter one.
        const int count =
            static_cast<int>(std::min<std::uint32_t>(command::kMaxDownloadBlock, size - address));
        if (!ReceiveBlockAt(transport, host, wait, image, address, count, last)) return false;
        address += static_cast<std::uint32_t>(count);
    }
    host.SetProgressPosition(size);
    host.SetStatusString(transfer::kStatusAllReceived);
    host.SetProgressText(transfer::ProgressText(size, size));

    Body end = last;
    end[frame::kKindAt] = frame::kEnd;
    end[frame::kMarkerAt] = frame::kMarker;
    int sent = SendFrame(transport, end.data(), frame::kBodySize);
    if (sent != kSendAcknowledged) {
        transfer::ReportSendFailure(host, kEndFrame, sent);
        return false;
    }
    return true;
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

} // namespace qbx

#include "operations/upload_transfer.h"

#include "core/windows1252.h"
#include "link/framing.h"
#include "link/protocol_constants.h"
#include "link/slot_commands.h"
#include "link/wire_bytes.h"
#include "operations/device_turn.h"
#include "operations/read_back_check.h"
#include "operations/string_ids.h"
#include "operations/transfer_steps.h"
#include "operations/upload_transfer_messages.h"

#include <vector>

namespace qbx {
namespace {

using namespace upload_transfer;
using transfer::ReportSendFailure;

// Gives the device time to ready the slot before it is asked for the data.
constexpr int kPauseBeforeDataMs = 200;

// Answers one data request: the request repeated as an answer, then the
// bytes. A request that reaches beyond the image is not answered at all.
bool AnswerRequest(CTransport& transport, COperationHost& host, transfer::CWaitCursor& wait,
                   const FunctionDataImage& image, const std::uint8_t* request) {
    const std::uint32_t address = GetLe24(request + frame::kParameterAt);
    const int count = request[frame::kCountAt];
    std::vector<std::uint8_t> data(static_cast<std::size_t>(count));
    if (!image.GetBytes(address, data.size(), data.data())) {
        if (transfer::FlushHeldAck(transport, host, kDeviceFrame))
            host.ShowMessage(kUnexpectedReply, str::kUnexpectedReply);
        return false;
    }
    const std::uint32_t size = image.Header().dataSize;
    host.SetProgressPosition(address);
    host.SetStatusString(transfer::kStatusSending);
    host.SetProgressText(transfer::ProgressText(address, size));

    // The header carries the request's held "!C".
    std::uint8_t answer[frame::kBodySize];
    std::copy(request, request + frame::kBodySize, answer);
    answer[frame::kKindAt] = frame::kAnswer;
    int sent = SendFrame(transport, answer, frame::kBodySize);
    if (sent != kSendAcknowledged) {
        ReportSendFailure(host, kAnswerHeader, sent, kDeviceFrame);
        return false;
    }
    sent = SendFrame(transport, data.data(), count);
    if (sent != kSendAcknowledged) {
        ReportSendFailure(host, kAnswerData, sent);
        return false;
    }
    // The window catches up once the answer is out, while the device's next
    // request is on its way, so repainting never holds the device up.
    host.PumpEvents();
    wait.Again();
    return true;
}

void ShowFinished(COperationHost& host, std::uint32_t size) {
    host.SetProgressPosition(size);
    host.SetStatusString(transfer::kStatusFinished);
    host.SetProgressText(transfer::ProgressText(size, size));
}

bool ServeUploadData(CTransport& transport, COperationHost& host, const FunctionDataImage& image,
                     transfer::CWaitCursor& wait) {
    const std::uint8_t start[frame::kBodySize] = {
        frame::kRequest, frame::kMarker, command::kSlotUpload, 0, 0, 0, 0};
    int sent = SendFrame(transport, start, frame::kBodySize);
    if (sent != kSendAcknowledged) {
        ReportSendFailure(host, kStartFrame, sent);
        return false;
    }
    const transfer::DeviceTurnMessages turn = {kDeviceFrame, kDeviceError, kUnexpectedReply};
    for (;;) {
        std::uint8_t body[frame::kBodySize] = {};
        switch (transfer::AwaitDeviceTurn(transport, host, command::kSlotUpload, turn, body)) {
        case transfer::DeviceTurn::Failed:
            return false;
        case transfer::DeviceTurn::Request:
            if (!AnswerRequest(transport, host, wait, image, body)) return false;
            break;
        case transfer::DeviceTurn::End:
            ShowFinished(host, image.Header().dataSize);
            return true;
        }
    }
}

} // namespace

SlotHeader UploadSlotHeader(const FunctionDataImage& image, const std::string& title) {
    const FunctionDataHeader& file = image.Header();
    SlotHeader header;
    header.status = record::kStatusHasData;
    header.kind = file.deviceCode;
    header.textA = file.firmware;
    header.textB = file.bootsector;
    header.size = file.dataSize;
    // File names are UTF-8; the device header carries PC characters.
    header.description = Utf8ToWindows1252(title);
    return header;
}

bool ServeUploadData(CTransport& transport, COperationHost& host, const FunctionDataImage& image) {
    transfer::CWaitCursor wait(host);
    return ServeUploadData(transport, host, image, wait);
}

bool UploadSlot(COperationHost& host, int slot, const std::string& path, const ConnectOptions& options,
                bool verify) {
    host.SetStatusString(transfer::kStatusConnecting);
    host.SetSlotNumber(transfer::SlotNumberText(slot));
    transfer::CWaitCursor wait(host);

    std::unique_ptr<CTransport> transport;
    BootloaderId id;
    if (transfer::ConnectForTransfer(host, kConnect, options, transport, id) != ConnectResult::Connected)
        return false;

    FunctionDataImage image;
    if (image.Load(path) != kDatLoaded) {
        host.ShowMessage(kFileNotLoaded, str::kFileNotUsable, {path});
        return false;
    }
    const SlotHeader header = UploadSlotHeader(image, transfer::PathTitle(path));
    if (!SelectSlot(*transport, static_cast<std::uint8_t>(slot)) || !WriteSlotHeader(*transport, header)) {
        host.ShowMessage(kSlotHeaderFailed, str::kNoAnswer);
        return false;
    }
    host.SetProgressRange(1, header.size);
    host.SetProgressPosition(0);
    host.SetStatusString(transfer::kStatusStarting);
    transport->Pause(kPauseBeforeDataMs);
    if (!ServeUploadData(*transport, host, image, wait)) return false;
    if (!verify) return true;
    if (!VerifyUploadedSlot(*transport, host, slot, header, image)) return false;
    // The read-back showed its own progress; the slot is done.
    ShowFinished(host, header.size);
    return true;
}

TransferRunResult RunUploadTransfer(COperationHost& host, const ConnectOptions& options,
                                    const std::string& folder, bool verify) {
    SlotList slots;
    // The run shows every slot's file, ticked or not, as the list names it.
    bool read = ReadSlotList(kUploadSlotListName, slots, folder);
    return RunSlotList(
        host, read, slots, transfer::kSourceFile,
        [&](int slot, const std::string& path) { return UploadSlot(host, slot, path, options, verify); },
        verify ? SlotOutcome::Verified : SlotOutcome::Transferred);
}

TransferRunResult RunUploadList(COperationHost& host, const SlotList& slots, const ConnectOptions& options,
                                bool verify) {
    return RunSlotList(host, true, slots, transfer::kSourceFile, [&](int slot, const std::string& path) {
        return UploadSlot(host, slot, path, options, verify);
    });
}

} // namespace qbx

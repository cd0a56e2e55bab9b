#include "core/windows1252.h"
#include "link/framing.h"
#include "link/protocol_constants.h"
#include "link/slot_commands.h"
#include "link/wire_bytes.h"
#include "operations/boot_data_messages.h"
#include "operations/boot_data_steps.h"
#include "operations/boot_data_transfer.h"
#include "operations/read_back_check.h"
#include "operations/string_ids.h"
#include "operations/transfer_steps.h"

#include <array>

namespace qbx {
namespace {

using namespace boot_data;
using Body = std::array<std::uint8_t, frame::kBodySize>;

// The device chooses the block size, one byte long.
constexpr int kLargestBlock = 255;

bool IsFrame(const Body& body, std::uint8_t kind) {
    return body[frame::kKindAt] == kind && body[frame::kMarkerAt] == frame::kMarker;
}

bool Send(CTransport& transport, COperationHost& host, const std::uint8_t* bytes, int count,
          const transfer::SendMessages& messages) {
    const int sent = SendFrame(transport, bytes, count);
    if (sent == kSendAcknowledged) return true;
    transfer::ReportSendFailure(host, messages, sent);
    return false;
}

// The header the device keeps for its image; the description is the file's
// name, in the characters the device texts use.
SlotHeader DeviceHeaderFor(const BootDataJob& job) {
    const FunctionDataHeader& file = job.image.Header();
    SlotHeader header;
    header.status = record::kStatusHasData;
    header.kind = file.deviceCode;
    header.textA = file.firmware.substr(0, record::kShortTextSize);
    header.textB = file.bootsector.substr(0, record::kShortTextSize);
    header.size = file.dataSize;
    header.description = Utf8ToWindows1252(job.title).substr(0, record::kDescriptionSize);
    return header;
}

// Answers one data request. A request reaching beyond the image is not the
// device's to make: it is refused rather than answered with bytes the file
// does not have.
bool AnswerRequest(CTransport& transport, COperationHost& host, transfer::CWaitCursor& wait,
                   const FunctionDataImage& image, const Body& request) {
    const std::uint32_t address = GetLe24(request.data() + frame::kParameterAt);
    const std::uint32_t count = request[frame::kCountAt];
    std::array<std::uint8_t, kLargestBlock + 1> block{};
    if (!image.GetBytes(address, count, block.data())) {
        if (transfer::FlushHeldAck(transport, host, kDeviceFrame))
            host.ShowMessage(kWriteUnexpected, str::kUnexpectedReply);
        return false;
    }
    const std::uint32_t size = image.Header().dataSize;
    ShowProgress(host, transfer::kStatusSending, address, size);
    // The header carries the request's held "!C".
    Body answer = request;
    answer[frame::kKindAt] = frame::kAnswer;
    const int sent = SendFrame(transport, answer.data(), frame::kBodySize);
    if (sent != kSendAcknowledged) {
        transfer::ReportSendFailure(host, kAnswerHeader, sent, kDeviceFrame);
        return false;
    }
    if (!Send(transport, host, block.data(), static_cast<int>(count), kAnswerData)) return false;
    // The window catches up once the answer is out, while the device's next
    // request is on its way, so repainting never holds the device up.
    host.PumpEvents();
    wait.Again();
    return true;
}

// From the start frame to the device's end frame; wait frames are waited out
// without limit.
bool ServeRequests(CTransport& transport, COperationHost& host, transfer::CWaitCursor& wait,
                   const FunctionDataImage& image) {
    const Body start = {frame::kRequest, frame::kMarker, command::kBootDataWrite, 0, 0, 0, 0};
    if (!Send(transport, host, start.data(), frame::kBodySize, kStartFrame)) return false;
    for (;;) {
        Body body{};
        const int received = ReceiveBlock(transport, body.data(), frame::kBodySize, true);
        if (received != kBlockReceived) {
            transfer::ReportReceiveFailure(host, kDeviceFrame, received);
            return false;
        }
        if (IsFrame(body, frame::kRequest) && body[frame::kCodeAt] == command::kBootDataWrite) {
            if (!AnswerRequest(transport, host, wait, image, body)) return false;
            continue;
        }
        if (!transfer::FlushHeldAck(transport, host, kDeviceFrame)) return false;
        if (IsFrame(body, frame::kEnd)) return true;
        if (IsFrame(body, frame::kBusy)) continue;
        if (IsFrame(body, frame::kError)) {
            transfer::ReportDeviceError(host, kWriteDeviceError, body[frame::kCodeAt]);
        } else {
            host.ShowMessage(kWriteUnexpected, str::kUnexpectedReply);
        }
        return false;
    }
}

// Header and image as the device now keeps them, against what was written.
bool VerifyWritten(CTransport& transport, COperationHost& host, transfer::CWaitCursor& wait,
                   const SlotHeader& header, const FunctionDataImage& image) {
    SlotHeader stored;
    if (!ReadDeviceHeader(transport, stored)) {
        host.ShowMessage(kVerifyHeaderNotRead, str::kNoAnswer);
        return false;
    }
    if (!SameStoredHeader(header, stored)) {
        host.ShowMessage(kVerifyHeaderDiffers, str::kVerifyHeaderDiffers);
        return false;
    }
    FunctionDataImage back;
    back.Prepare(image.Header());
    if (!ReadBootDataImage(transport, host, wait, back)) return false;
    if (const auto at = FirstDifference(image, back)) {
        host.ShowMessage(kVerifyDataDiffers, str::kVerifyBootDataDiffers, {static_cast<long long>(*at)});
        return false;
    }
    return true;
}

// The image the device keeps now is lost by the write; a device without
// one has nothing to lose.
bool ReplacementAgreed(CTransport& transport, COperationHost& host) {
    SlotHeader current;
    if (!ReadDeviceHeader(transport, current)) {
        host.ShowMessage(kCurrentHeaderNotRead, str::kNoAnswer);
        return false;
    }
    if (current.status != record::kStatusHasData) return true;
    return host.AskQuestion(kAskReplace, str::kAskReplaceBootData, {Windows1252ToUtf8(current.description)});
}

} // namespace

bool RunBootDataWrite(COperationHost& host, const BootDataJob& job, const ConnectOptions& options,
                      bool verify, bool askFirst) {
    transfer::CWaitCursor wait(host);
    std::unique_ptr<CTransport> transport;
    if (!ConnectToLinkbox(host, kWriteConnect, kWriteNotLinkbox, options, transport)) return false;
    if (askFirst && !ReplacementAgreed(*transport, host)) return false;
    if (!WriteDeviceHeader(*transport, DeviceHeaderFor(job))) {
        host.ShowMessage(kHeaderNotWritten, str::kNoAnswer);
        return false;
    }
    const std::uint32_t size = job.image.Header().dataSize;
    ShowStarting(host, size);
    transport->Pause(kPauseBeforeDataMs);
    const SlotHeader header = DeviceHeaderFor(job);
    if (!ServeRequests(*transport, host, wait, job.image)) return false;
    if (verify && !VerifyWritten(*transport, host, wait, header, job.image)) return false;
    ShowProgress(host, transfer::kStatusFinished, size, size);
    return true;
}

} // namespace qbx

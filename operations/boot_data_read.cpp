#include "link/framing.h"
#include "link/protocol_constants.h"
#include "link/wire_bytes.h"
#include "operations/boot_data_messages.h"
#include "operations/boot_data_steps.h"
#include "operations/boot_data_transfer.h"
#include "operations/string_ids.h"
#include "operations/transfer_steps.h"

#include <algorithm>
#include <array>

namespace qbx {
namespace {

using namespace boot_data;
using Body = std::array<std::uint8_t, frame::kBodySize>;

bool IsFrame(const Body& body, std::uint8_t kind) {
    return body[frame::kKindAt] == kind && body[frame::kMarkerAt] == frame::kMarker;
}

// A reply other than the block reply: its message.
void ReportWrongReply(COperationHost& host, const Body& reply) {
    if (IsFrame(reply, frame::kRefusal)) {
        host.ShowMessage(kRefused, str::kDeviceRefused);
    } else if (IsFrame(reply, frame::kError)) {
        transfer::ReportDeviceError(host, kReadDeviceError, reply[frame::kCodeAt]);
    } else {
        host.ShowMessage(kReadUnexpected, str::kUnexpectedReply);
    }
}

// One block: the request, the reply frame (kept in `reply` for the end
// frame), then the bytes into the image.
bool ReadBlock(CTransport& transport, COperationHost& host, transfer::CWaitCursor& wait,
               FunctionDataImage& image, std::uint32_t address, int count, Body& reply) {
    Body request = {
        frame::kRequest, frame::kMarker, command::kBootDataRead, 0, 0, 0, static_cast<std::uint8_t>(count)};
    PutLe24(request.data() + frame::kParameterAt, address);
    const int sent = SendFrame(transport, request.data(), frame::kBodySize);
    if (sent != kSendAcknowledged) {
        transfer::ReportSendFailure(host, kBlockRequest, sent);
        return false;
    }
    int received = ReceiveBlock(transport, reply.data(), frame::kBodySize);
    if (received != kBlockReceived) {
        transfer::ReportReceiveFailure(host, kBlockReply, received);
        return false;
    }
    if (!IsFrame(reply, frame::kAnswer) || reply[frame::kCodeAt] != command::kBootDataRead) {
        ReportWrongReply(host, reply);
        return false;
    }
    ShowProgress(host, transfer::kStatusReceiving, address, image.Header().dataSize);
    host.PumpEvents();
    wait.Again();
    std::array<std::uint8_t, command::kMaxDownloadBlock> data{};
    received = ReceiveBlock(transport, data.data(), count);
    if (received != kBlockReceived) {
        transfer::ReportReceiveFailure(host, kBlockData, received);
        return false;
    }
    image.SetBytes(address, data.data(), static_cast<std::size_t>(count));
    return true;
}

} // namespace

// Every block in ascending order, then the end frame.
bool boot_data::ReadBootDataImage(CTransport& transport, COperationHost& host, transfer::CWaitCursor& wait,
                                  FunctionDataImage& image) {
    const std::uint32_t size = static_cast<std::uint32_t>(image.Size());
    // The end frame repeats the last reply; without any block it names the phase itself.
    Body last = {frame::kAnswer, frame::kMarker, command::kBootDataRead, 0, 0, 0, 0};
    for (std::uint32_t address = 0; address < size;) {
        const int count =
            static_cast<int>(std::min<std::uint32_t>(command::kMaxDownloadBlock, size - address));
        if (!ReadBlock(transport, host, wait, image, address, count, last)) return false;
        address += static_cast<std::uint32_t>(count);
    }
    ShowProgress(host, transfer::kStatusAllReceived, size, size);
    Body end = last;
    end[frame::kKindAt] = frame::kEnd;
    const int sent = SendFrame(transport, end.data(), frame::kBodySize);
    if (sent != kSendAcknowledged) {
        transfer::ReportSendFailure(host, kEndFrame, sent);
        return false;
    }
    return true;
}

bool RunBootDataRead(COperationHost& host, BootDataJob& job, const ConnectOptions& options) {
    transfer::CWaitCursor wait(host);
    std::unique_ptr<CTransport> transport;
    if (!ConnectToLinkbox(host, kReadConnect, kReadNotLinkbox, options, transport)) return false;
    ShowStarting(host, job.image.Header().dataSize);
    transport->Pause(kPauseBeforeDataMs);
    if (!ReadBootDataImage(*transport, host, wait, job.image)) return false;
    transport.reset();
    // Only a complete image reaches the file, which is replaced as a whole.
    if (!job.image.Save(job.path)) {
        host.ShowMessage(kNotSaved, str::kCannotSave, {job.path});
        return false;
    }
    return true;
}

} // namespace qbx

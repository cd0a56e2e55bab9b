#include "operations/block_read.h"

#include "link/framing.h"
#include "link/protocol_constants.h"
#include "link/wire_bytes.h"
#include "operations/string_ids.h"

#include <algorithm>
#include <array>

namespace qbx {
namespace {

using Body = std::array<std::uint8_t, frame::kBodySize>;

bool IsFrame(const Body& body, std::uint8_t kind) {
    return body[frame::kKindAt] == kind && body[frame::kMarkerAt] == frame::kMarker;
}

// A reply other than the answer to the request: its message.
void ReportWrongReply(COperationHost& host, const BlockReadMessages& messages, const Body& reply) {
    if (IsFrame(reply, frame::kRefusal)) {
        host.ShowMessage(messages.refused, str::kDeviceRefused);
    } else if (IsFrame(reply, frame::kError)) {
        transfer::ReportDeviceError(host, messages.deviceError, reply[frame::kCodeAt]);
    } else {
        host.ShowMessage(messages.unexpected, str::kUnexpectedReply);
    }
}

void ShowBlock(COperationHost& host, int status, std::uint32_t address, std::uint32_t size) {
    host.SetProgressPosition(address);
    host.SetStatusString(status);
    host.SetProgressText(transfer::ProgressText(address, size));
}

// One block: the request, its reply body (kept in `reply` for the end
// frame), then the bytes into the image.
bool ReadBlock(CTransport& transport, COperationHost& host, transfer::CWaitCursor& wait,
               FunctionDataImage& image, std::uint8_t code, const BlockReadMessages& messages,
               std::uint32_t address, int count, Body& reply) {
    Body request = {frame::kRequest, frame::kMarker, code, 0, 0, 0, static_cast<std::uint8_t>(count)};
    PutLe24(request.data() + frame::kParameterAt, address);
    const int sent = SendFrame(transport, request.data(), frame::kBodySize);
    if (sent != kSendAcknowledged) {
        transfer::ReportSendFailure(host, messages.request, sent, messages.data);
        return false;
    }
    int received = ReceiveBlock(transport, reply.data(), frame::kBodySize);
    if (received != kBlockReceived) {
        transfer::ReportReceiveFailure(host, messages.reply, received);
        return false;
    }
    // Only kind, marker and code are checked; the device's address and count are not used.
    if (!IsFrame(reply, frame::kAnswer) || reply[frame::kCodeAt] != code) {
        ReportWrongReply(host, messages, reply);
        return false;
    }
    ShowBlock(host, transfer::kStatusReceiving, address, image.Header().dataSize);
    host.PumpEvents();
    wait.Again();

    std::array<std::uint8_t, command::kMaxDownloadBlock> data{};
    // Its "!C" goes out with the next request or the end frame.
    received = ReceiveBlock(transport, data.data(), count, true);
    if (received != kBlockReceived) {
        transfer::ReportReceiveFailure(host, messages.data, received);
        return false;
    }
    image.SetBytes(address, data.data(), static_cast<std::size_t>(count));
    return true;
}

} // namespace

bool ReadImageBlocks(CTransport& transport, COperationHost& host, transfer::CWaitCursor& wait,
                     FunctionDataImage& image, std::uint8_t code, const BlockReadMessages& messages) {
    const std::uint32_t size = static_cast<std::uint32_t>(image.Size());
    // The end frame repeats the last reply; without any block it names the phase itself.
    Body last = {frame::kAnswer, frame::kMarker, code, 0, 0, 0, 0};
    for (std::uint32_t address = 0; address < size;) {
        // Never more than the image has left, so the last block is the shorter one.
        const int count =
            static_cast<int>(std::min<std::uint32_t>(command::kMaxDownloadBlock, size - address));
        if (!ReadBlock(transport, host, wait, image, code, messages, address, count, last)) return false;
        address += static_cast<std::uint32_t>(count);
    }
    ShowBlock(host, transfer::kStatusAllReceived, size, size);
    Body end = last;
    end[frame::kKindAt] = frame::kEnd;
    const int sent = SendFrame(transport, end.data(), frame::kBodySize);
    if (sent != kSendAcknowledged) {
        transfer::ReportSendFailure(host, messages.endFrame, sent, messages.data);
        return false;
    }
    return true;
}

} // namespace qbx

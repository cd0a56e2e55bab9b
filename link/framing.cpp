#include "link/framing.h"

#include "link/protocol_constants.h"
#include "link/wire_bytes.h"

#include <algorithm>
#include <vector>

namespace qbx {
namespace {
bool WriteAll(CTransport& transport, const std::uint8_t* bytes, int n) {
    return transport.Write(bytes, n) == n;
}
} // namespace

int AttemptCount(const CTransport& transport) {
    return transport.IsNetwork() ? exchange::kNetworkAttempts : exchange::kSerialAttempts;
}

int SendFrame(CTransport& transport, const std::uint8_t* bytes, int n) {
    if (n < 0) return transport.FlushHeld() ? kSendIncomplete : kSendAckFailed;
    std::vector<std::uint8_t> message(bytes, bytes + n);
    message.push_back(Sum8(bytes, n));
    const int total = n + 1;
    for (int attempt = 0; attempt < AttemptCount(transport); ++attempt) {
        bool heldWritten = true;
        const int written = transport.WriteAfterHeld(message.data(), total, heldWritten);
        if (!heldWritten) return kSendAckFailed;
        if (written != total) return kSendIncomplete;
        std::uint8_t answer[frame::kAckSize] = {};
        if (transport.Read(answer, frame::kAckSize) < frame::kAckSize) return kSendNoAnswer;
        if (StartsWithAck(answer)) return kSendAcknowledged;
    }
    return kSendRejected;
}

// Body and sum in one read where the line holds both; a transport that
// hands over the body alone (a TCP segment ending there) is asked for the
// sum after it.
int ReceiveBlock(CTransport& transport, std::uint8_t* buffer, int n, bool holdAck) {
    if (!transport.FlushHeld()) return kBlockAckFailed;
    if (n < 0) return kBlockShort;
    std::vector<std::uint8_t> framed(static_cast<std::size_t>(n) + 1);
    for (int attempt = 0; attempt < AttemptCount(transport); ++attempt) {
        const int got = transport.Read(framed.data(), n + 1);
        if (got < n) return kBlockShort;
        if (got == n && transport.Read(framed.data() + n, 1) < 1) return kBlockNoChecksum;
        std::copy(framed.begin(), framed.begin() + n, buffer);
        const std::uint8_t sum = framed[static_cast<std::size_t>(n)];
        if (sum == Sum8(buffer, n) && holdAck && transport.CombinesWrites()) {
            transport.Hold(frame::kAck, frame::kAckSize);
            return kBlockReceived;
        }
        if (sum == Sum8(buffer, n)) return WriteAck(transport) ? kBlockReceived : kBlockAckFailed;
        if (!WriteAll(transport, frame::kNak, frame::kAckSize)) return kBlockAckFailed;
    }
    return kBlockBadChecksum;
}

std::array<std::uint8_t, 8> RequestFrame(std::uint8_t code, std::uint8_t parameter) {
    std::array<std::uint8_t, frame::kSize> request = {
        frame::kRequest, frame::kMarker, code, parameter, 0, 0, 0, 0};
    request[frame::kSumAt] = Sum8(request.data(), frame::kBodySize);
    return request;
}

bool WriteAck(CTransport& transport) {
    return WriteAll(transport, frame::kAck, frame::kAckSize);
}

bool StartsWithAck(const std::uint8_t* bytes) {
    return bytes[0] == frame::kAck[0] && bytes[1] == frame::kAck[1];
}

} // namespace qbx

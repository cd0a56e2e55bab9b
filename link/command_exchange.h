#pragma once
#include "link/framing.h"
#include "link/protocol_constants.h"
#include "link/transport.h"

#include <cstdint>

// The shape every record command shares: send the request, run the
// command's own exchange, start again with the request when any step of it
// fails, give up after the attempts the transport allows.
namespace qbx {

inline bool ReadExactly(CTransport& transport, std::uint8_t* data, int n) {
    return transport.Read(data, n) == n;
}

inline bool WriteExactly(CTransport& transport, const std::uint8_t* data, int n) {
    return transport.Write(data, n) == n;
}

inline bool ReadAck(CTransport& transport) {
    std::uint8_t answer[frame::kAckSize] = {};
    return ReadExactly(transport, answer, frame::kAckSize) && StartsWithAck(answer);
}

// `exchange` returns true when its attempt succeeded. The request's own write
// result is not examined: a lost request shows up as a missing answer.
template <typename Exchange>
bool RunCommand(CTransport& transport, std::uint8_t code, std::uint8_t parameter, Exchange exchange) {
    const auto request = RequestFrame(code, parameter);
    for (int attempt = 0; attempt < AttemptCount(transport); ++attempt) {
        (void)transport.Write(request.data(), frame::kSize);
        if (exchange()) return true;
    }
    return false;
}

} // namespace qbx

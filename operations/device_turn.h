#pragma once
#include "link/transport.h"
#include "operations/operation_host.h"
#include "operations/transfer_messages.h"

#include <cstdint>

// The device-driven data phases: once the program has sent the start frame,
// the device sends requests, busy frames, its end frame or an error.
namespace qbx::transfer {

struct DeviceTurnMessages {
    ReceiveMessages deviceFrame;
    DeviceErrorMessages deviceError;
    int unexpectedReply = 0; // string 11024
};

enum class DeviceTurn {
    Request, // a request with the phase's code; its body is in the buffer
    End,     // the end frame
    Failed,  // its message was shown
};

// Receives the device's frames until one is a request with `code` or the end
// frame; busy frames are waited out, without a limit on their number.
// `body` gets the 7 bytes of the last frame. A request's "!C" is held for
// the answer the caller sends at once: its first SendFrame reports
// kSendAckFailed, and a caller that sends nothing flushes it with FlushHeld.
DeviceTurn AwaitDeviceTurn(CTransport& transport, COperationHost& host, std::uint8_t code,
                           const DeviceTurnMessages& messages, std::uint8_t* body);

} // namespace qbx::transfer

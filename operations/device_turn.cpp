#include "operations/device_turn.h"

#include "link/framing.h"
#include "link/protocol_constants.h"
#include "operations/string_ids.h"
#include "operations/transfer_steps.h"

namespace qbx::transfer {
namespace {

bool IsFrame(const std::uint8_t* body, std::uint8_t kind) {
    return body[frame::kKindAt] == kind && body[frame::kMarkerAt] == frame::kMarker;
}

} // namespace

DeviceTurn AwaitDeviceTurn(CTransport& transport, COperationHost& host, std::uint8_t code,
                           const DeviceTurnMessages& m, std::uint8_t* body) {
    for (;;) {
        const int received = ReceiveBlock(transport, body, frame::kBodySize, true);
        if (received != kBlockReceived) {
            ReportReceiveFailure(host, m.deviceFrame, received);
            return DeviceTurn::Failed;
        }
        if (IsFrame(body, frame::kRequest) && body[frame::kCodeAt] == code) return DeviceTurn::Request;
        if (!FlushHeldAck(transport, host, m.deviceFrame)) return DeviceTurn::Failed;
        if (IsFrame(body, frame::kEnd)) return DeviceTurn::End;
        if (IsFrame(body, frame::kBusy)) continue;
        if (IsFrame(body, frame::kError)) {
            ReportDeviceError(host, m.deviceError, body[frame::kCodeAt]);
        } else {
            host.ShowMessage(m.unexpectedReply, str::kUnexpectedReply);
        }
        return DeviceTurn::Failed;
    }
}

} // namespace qbx::transfer

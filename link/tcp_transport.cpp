#include "link/tcp_transport.h"

#include <cerrno>
#include <utility>

namespace qbx {
namespace {
static_assert(kConnectOk == kOpenOk && kConnectUnreachable == kOpenNotFound &&
              kConnectRefused == kOpenDenied && kConnectOtherError == kOpenFailed);
// A time-out of 0 means "wait without limit" to the transport, -1 to the socket.
int SocketWait(int timeoutMs) {
    return timeoutMs > 0 ? timeoutMs : -1;
}
} // namespace

CTcpTransport::CTcpTransport(std::string host, unsigned port, const TcpTiming& timing)
    : host(std::move(host)), port(port), timing(timing) {}

CTcpTransport::~CTcpTransport() {
    Close();
}

int CTcpTransport::Open(int& error) {
    if (port > 0xFFFF) {
        socket.Close();
        error = EINVAL;
        return kOpenFailed;
    }
    inputMayBeStale = true;
    return socket.Connect(host, static_cast<std::uint16_t>(port), error);
}

void CTcpTransport::Close() {
    socket.Close();
}

int CTcpTransport::Write(const std::uint8_t* data, int len) {
    // As on the serial line, a request starts afresh: what is still unread
    // is the tail of an answer the protocol has given up (a longer reply
    // than expected, an echo), and would be read as the next answer.
    if (inputMayBeStale || timing.classicExchange) socket.DiscardInput(timing.classicExchange);
    inputMayBeStale = false;
    return socket.Send(data, len, SocketWait(timing.sendTimeoutMs));
}

int CTcpTransport::Read(std::uint8_t* data, int len) {
    inputMayBeStale = true;
    return socket.Receive(data, len, SocketWait(timing.receiveTimeoutMs));
}

void CTcpTransport::SetWaitHook(WaitHook hook) {
    socket.SetWaitHook(hook);
    CTransport::SetWaitHook(std::move(hook));
}

} // namespace qbx

#pragma once
#include "link/link_timing.h"
#include "link/transport.h"
#include "platform/stream_socket.h"

#include <string>

namespace qbx {

// The TCP connection to the network bootloader. Each Write is one send and
// each Read one receive, so a reply split by the network reads as too short.
// Like the serial line, every write first discards unread input.
class CTcpTransport : public CTransport {
  public:
    // Stores the address; no network activity yet.
    CTcpTransport(std::string host, unsigned port, const TcpTiming& timing = {});
    ~CTcpTransport() override;

    bool IsNetwork() const override { return true; }
    bool CombinesWrites() const override { return !timing.classicExchange; }
    // kOpenNotFound when the connection timed out or the host is unreachable,
    // kOpenDenied when refused, kOpenFailed otherwise (error 22 when the name
    // does not resolve). Opening again after Close connects anew.
    int Open(int& error) override;
    void Close() override;
    // Discards unread input first; 0 when the socket did not become
    // writable in time.
    int Write(const std::uint8_t* data, int len) override;
    // 0 when nothing came in time or the peer has closed the connection.
    int Read(std::uint8_t* data, int len) override;
    void SetWaitHook(WaitHook hook) override;

    const std::string& Host() const { return host; }
    unsigned Port() const { return port; }

  private:
    CStreamSocket socket;
    std::string host;
    unsigned port;
    TcpTiming timing;
    bool inputMayBeStale = true; // as on the serial line
};

} // namespace qbx

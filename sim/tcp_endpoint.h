#pragma once
#include <cstdint>

#include "sim/line_loop.h"

// The LINKBOX side of a TCP link: listens on the loopback address only and
// serves one connection after the other; the device keeps its state across.
namespace qbx::sim {

class CTcpEndpoint {
  public:
    CTcpEndpoint() = default;
    ~CTcpEndpoint();
    CTcpEndpoint(const CTcpEndpoint&) = delete;
    CTcpEndpoint& operator=(const CTcpEndpoint&) = delete;

    // Binds 127.0.0.1:`port` (0 = a free port chosen by the system).
    // False with `error` set to the errno.
    bool Listen(std::uint16_t port, int& error);
    std::uint16_t Port() const { return boundPort; }

    // Serves until stopped; false when the listening socket fails.
    bool Serve(IDeviceSide& side, CFdLine& line, const CLineSetup& setup);

  private:
    int listenFd = -1;
    std::uint16_t boundPort = 0;
};

} // namespace qbx::sim

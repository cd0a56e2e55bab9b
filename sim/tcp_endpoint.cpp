#include "sim/tcp_endpoint.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace qbx::sim {

namespace {

constexpr int kBacklog = 4; // later connections wait there while one is served

std::string PeerText(const sockaddr_in& peer) {
    char host[INET_ADDRSTRLEN] = "?";
    inet_ntop(AF_INET, &peer.sin_addr, host, sizeof host);
    return std::string(host) + ":" + std::to_string(ntohs(peer.sin_port));
}

} // namespace

CTcpEndpoint::~CTcpEndpoint() {
    if (listenFd >= 0) close(listenFd);
}

bool CTcpEndpoint::Listen(std::uint16_t port, int& error) {
    error = 0;
    listenFd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listenFd < 0) {
        error = errno;
        return false;
    }
    const int on = 1;
    setsockopt(listenFd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(listenFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listenFd, kBacklog) != 0 ||
        getsockname(listenFd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        error = errno;
        close(listenFd);
        listenFd = -1;
        return false;
    }
    boundPort = ntohs(address.sin_port);
    return true;
}

bool CTcpEndpoint::Serve(IDeviceSide& side, CFdLine& line, const CLineSetup& setup) {
    for (;;) {
        pollfd fds[2] = {{setup.stop.Fd(), POLLIN, 0}, {listenFd, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (fds[0].revents & POLLIN) return true;
        sockaddr_in peer{};
        socklen_t length = sizeof peer;
        const int fd =
            accept4(listenFd, reinterpret_cast<sockaddr*>(&peer), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EAGAIN || errno == EINTR || errno == ECONNABORTED) continue;
            return false;
        }
        // Replies are small and each must leave at once, in one segment.
        const int on = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        setup.trace.Note("connection from " + PeerText(peer));
        side.OnNewLine();
        line.Attach(fd);
        const ELineEnd end = ServeLine(fd, side, line, setup);
        line.Attach(-1);
        close(fd);
        side.OnNewLine();
        setup.trace.Note(end == ELineEnd::Cut ? "connection cut" : "connection closed");
        if (end == ELineEnd::Stopped) return true;
    }
}

} // namespace qbx::sim

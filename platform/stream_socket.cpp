#include "platform/stream_socket.h"

#include "platform/monotonic_clock.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace qbx {
namespace {

// What one DiscardInput throws away at most: far more than a reply.
constexpr std::size_t kMaxDiscard = 64 * 1024;

int ClassifyConnectError(int error) {
    if (error == ETIMEDOUT || error == EHOSTUNREACH || error == ENETUNREACH) return kConnectUnreachable;
    if (error == ECONNREFUSED) return kConnectRefused;
    return kConnectOtherError;
}

// The addresses to try for `host`: the address itself when it is in dotted
// form, else what the resolver knows of it. Empty when it does not resolve.
std::vector<sockaddr_in> AddressesOf(const std::string& host, std::uint16_t port) {
    std::vector<sockaddr_in> addresses;
    sockaddr_in direct{};
    direct.sin_family = AF_INET;
    direct.sin_port = htons(port);
    if (inet_pton(AF_INET, host.c_str(), &direct.sin_addr) == 1) {
        addresses.push_back(direct);
        return addresses;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0) return addresses;
    for (addrinfo* entry = found; entry; entry = entry->ai_next) {
        if (entry->ai_family != AF_INET || entry->ai_addrlen < sizeof(sockaddr_in)) continue;
        sockaddr_in address = *reinterpret_cast<const sockaddr_in*>(entry->ai_addr);
        address.sin_port = htons(port);
        addresses.push_back(address);
    }
    freeaddrinfo(found);
    return addresses;
}

// Connects and waits for the outcome: 0 or the errno of the failure. An
// interrupted connect goes on in the background; wait for it to finish.
// With a hook the socket connects without blocking, so that the hook runs
// during the system's own time-out, and blocks again afterwards.
int ConnectBlocking(int s, const sockaddr_in& address, const WaitHook& hook) {
    const int flags = ::fcntl(s, F_GETFL);
    if (hook && flags >= 0) ::fcntl(s, F_SETFL, flags | O_NONBLOCK);
    const int result = ::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    const int started = result == 0 ? 0 : errno;
    if (hook && flags >= 0) ::fcntl(s, F_SETFL, flags);
    if (started == 0) return 0;
    if (started != EINTR && started != EINPROGRESS) return started;
    pollfd entry{s, POLLOUT, 0};
    PollCallingHook(entry, nullptr, hook); // an error shows up in SO_ERROR
    int error = 0;
    socklen_t size = sizeof error;
    if (getsockopt(s, SOL_SOCKET, SO_ERROR, &error, &size) != 0) return errno;
    return error;
}

} // namespace

int CStreamSocket::Connect(const std::string& host, std::uint16_t port, int& error) {
    Close();
    error = 0;
    std::vector<sockaddr_in> addresses = AddressesOf(host, port);
    if (addresses.empty()) {
        error = EINVAL;
        return kConnectOtherError;
    }
    for (const sockaddr_in& address : addresses) {
        int s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (s < 0) {
            error = errno;
            return kConnectOtherError;
        }
        int result = ConnectBlocking(s, address, waitHook);
        if (result == 0) {
            // Requests and acknowledgements are a few bytes each, written
            // back to back: without this, Nagle's rule holds each one back
            // until the device's delayed acknowledgement, 40 ms a frame.
            int on = 1;
            setsockopt(s, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
            fd = s;
            error = 0;
            return kConnectOk;
        }
        error = result;
        ::close(s);
    }
    return ClassifyConnectError(error);
}

void CStreamSocket::Close() {
    sendTimeoutMs = receiveTimeoutMs = kNoTimeoutSet;
    if (fd < 0) return;
    ::close(fd);
    fd = -1;
}

// The wait is the socket's own time-out, so that one system call both waits
// and transfers: a poll in front of every send and receive doubled the calls
// per frame, and over loopback the calls are most of a block's cost.
template <typename Call> int CStreamSocket::Transfer(int option, int timeoutMs, Call call) {
    if (fd < 0) return -1;
    if (waitHook) return TransferCallingHook(option == SO_SNDTIMEO ? POLLOUT : POLLIN, timeoutMs, call);
    CDeadline deadline(timeoutMs < 0 ? 0 : timeoutMs);
    for (;;) {
        // A signal does not stretch the wait: a retry waits only what is left.
        const int wait = timeoutMs < 0 ? 0 : deadline.RemainingMilliseconds();
        if (timeoutMs >= 0 && wait == 0) return 0;
        if (!SetTimeout(option, wait)) return -1;
        const ssize_t n = call(0);
        if (n >= 0) return static_cast<int>(n);
        if (errno == EAGAIN || errno == EWOULDBLOCK) return 0; // the wait ran out
        if (errno != EINTR) return -1;
    }
}

// The same, waiting in slices with the hook between them; the call itself
// then does not block.
template <typename Call> int CStreamSocket::TransferCallingHook(short wanted, int timeoutMs, Call call) {
    CDeadline deadline(timeoutMs < 0 ? 0 : timeoutMs);
    for (;;) {
        pollfd entry{fd, wanted, 0};
        const int ready = PollCallingHook(entry, timeoutMs < 0 ? nullptr : &deadline, waitHook);
        if (ready == 0) return 0;
        if (ready < 0) return -1;
        const ssize_t n = call(MSG_DONTWAIT);
        if (n >= 0) return static_cast<int>(n);
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) return -1;
    }
}

// 0 waits without limit, as the socket option has it.
bool CStreamSocket::SetTimeout(int option, int milliseconds) {
    int& current = option == SO_SNDTIMEO ? sendTimeoutMs : receiveTimeoutMs;
    if (current == milliseconds) return true;
    timeval limit{milliseconds / 1000, static_cast<suseconds_t>(milliseconds % 1000) * 1000};
    if (setsockopt(fd, SOL_SOCKET, option, &limit, sizeof limit) != 0) return false;
    current = milliseconds;
    return true;
}

int CStreamSocket::Send(const std::uint8_t* data, int len, int timeoutMs) {
    return Transfer(SO_SNDTIMEO, timeoutMs, [&](int flags) {
        return ::send(fd, data, static_cast<size_t>(len), MSG_NOSIGNAL | flags);
    });
}

void CStreamSocket::DiscardInput(bool classic) {
    if (fd < 0) return;
    int pending = 0;
    if (!classic && ::ioctl(fd, FIONREAD, &pending) == 0 && pending == 0) return;
    std::uint8_t sink[512];
    for (std::size_t dropped = 0; dropped < kMaxDiscard;) {
        ssize_t n = ::recv(fd, sink, sizeof sink, MSG_DONTWAIT);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return; // nothing (more) there, the peer has closed, or an error the next call reports
        dropped += static_cast<std::size_t>(n);
    }
}

int CStreamSocket::Receive(std::uint8_t* data, int len, int timeoutMs) {
    return Transfer(SO_RCVTIMEO, timeoutMs,
                    [&](int flags) { return ::recv(fd, data, static_cast<size_t>(len), flags); });
}

} // namespace qbx

#include "bench/support/raw_peer.h"

#include <algorithm>
#include <arpa/inet.h>
#include <csignal>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

bool ReadExactly(int fd, unsigned char* buffer, int n) {
    int done = 0;
    while (done < n) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 2000) <= 0) return false;
        ssize_t got = read(fd, buffer + done, static_cast<size_t>(n - done));
        if (got <= 0) return false;
        done += static_cast<int>(got);
    }
    return true;
}

bool WriteAll(int fd, const unsigned char* buffer, int n) {
    int done = 0;
    while (done < n) {
        ssize_t put = write(fd, buffer + done, static_cast<size_t>(n - done));
        if (put <= 0) return false;
        done += static_cast<int>(put);
    }
    return true;
}

CRawPeer::~CRawPeer() {
    if (child > 0) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
    if (listener >= 0) close(listener);
    if (master >= 0) close(master);
}

PeerCycle CycleOf(const ExchangeShape& shape) {
    PeerCycle steps = {{false, shape.requestSize}, {true, shape.replySize}};
    if (shape.ackSize) steps.push_back({false, shape.ackSize});
    return steps;
}

void CRawPeer::Serve(int fd) {
    int largest = 0;
    for (const PeerStep& step : cycle)
        largest = std::max(largest, step.count);
    std::vector<unsigned char> out(static_cast<size_t>(largest), 0x00), in(static_cast<size_t>(largest));
    // What the peer writes is an answer the protocol accepts too: "!C",
    // then zeros (an empty slot). What it reads is not looked at.
    if (largest >= 2) out[0] = 0x21, out[1] = 0x43;
    for (;;) {
        for (const PeerStep& step : cycle) {
            const unsigned char* bytes = step.bytes.empty() ? out.data() : step.bytes.data();
            bool ok = step.write ? WriteAll(fd, bytes, step.count) : ReadExactly(fd, in.data(), step.count);
            if (!ok) return;
        }
    }
}

int ConnectLoopback(int port) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    if (fd < 0 || connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        if (fd >= 0) close(fd);
        return -1;
    }
    int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return fd;
}

bool CRawPeer::StartTcp(const PeerCycle& steps) {
    cycle = steps;
    listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (bind(listener, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(listener, 1) != 0)
        return false;
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);
    port = ntohs(address.sin_port);
    // A process of its own, like the simulator, so both sides of the
    // comparison pay the same scheduling.
    child = fork();
    if (child == 0) {
        int connection = accept(listener, nullptr, nullptr);
        if (connection >= 0) {
            int one = 1;
            setsockopt(connection, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
            Serve(connection);
        }
        _exit(0);
    }
    return child > 0;
}

bool CRawPeer::StartPty(const PeerCycle& steps) {
    cycle = steps;
    int slave = -1;
    char name[256];
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) return false;
    termios raw{};
    tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave, TCSANOW, &raw);
    ptyPath = name;
    child = fork();
    if (child == 0) {
        Serve(master);
        _exit(0);
    }
    close(slave);
    return child > 0;
}

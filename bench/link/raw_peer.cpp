#include "raw_peer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <csignal>
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

void CRawPeer::Serve(int fd) {
    std::vector<unsigned char> request(static_cast<size_t>(shape.requestSize)), reply(static_cast<size_t>(shape.replySize), 0x00),
        ack(static_cast<size_t>(shape.ackSize));
    // An answer the protocol accepts too: "!C", then zeros (an empty slot).
    if (shape.replySize >= 2) reply[0] = 0x21, reply[1] = 0x43;
    while (ReadExactly(fd, request.data(), shape.requestSize)) {
        if (!WriteAll(fd, reply.data(), shape.replySize)) break;
        if (shape.ackSize && !ReadExactly(fd, ack.data(), shape.ackSize)) break;
    }
}

bool CRawPeer::StartTcp(const ExchangeShape& s) {
    shape = s;
    listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (bind(listener, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(listener, 1) != 0) return false;
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

bool CRawPeer::StartPty(const ExchangeShape& s) {
    shape = s;
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

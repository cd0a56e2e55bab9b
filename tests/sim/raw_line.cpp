#include "tests/sim/raw_line.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace qbx::test {

CWire WithSum(CWire bytes) {
    unsigned sum = 0;
    for (std::uint8_t b : bytes)
        sum += b;
    bytes.push_back(static_cast<std::uint8_t>(sum));
    return bytes;
}

CWire RequestFrame(std::uint8_t code, std::uint8_t p3) {
    return WithSum({0x20, 0x10, code, p3, 0, 0, 0});
}

CWire BlockFrame(std::uint8_t kind, std::uint8_t code, std::uint32_t address, std::uint8_t count) {
    return WithSum({kind, 0x10, code, static_cast<std::uint8_t>(address),
                    static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address >> 16),
                    count});
}

CRawLine::~CRawLine() {
    Close();
}

void CRawLine::Close() {
    if (fd >= 0) close(fd);
    fd = -1;
}

bool CRawLine::ConnectTcp(std::uint16_t port) {
    Close();
    fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
}

bool CRawLine::OpenTerminal(const std::string& path) {
    Close();
    fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios line{};
    if (fd < 0 || tcgetattr(fd, &line) != 0) return false;
    cfmakeraw(&line);
    return tcsetattr(fd, TCSANOW, &line) == 0;
}

bool CRawLine::Write(const CWire& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

CWire CRawLine::Read(std::size_t count, int waitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    CWire got;
    while (got.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd p{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
        std::uint8_t buffer[512];
        const ssize_t n = read(fd, buffer, std::min(sizeof buffer, count - got.size()));
        if (n <= 0) break;
        got.insert(got.end(), buffer, buffer + n);
    }
    return got;
}

bool CRawLine::ClosedByPeer(int waitMs) {
    pollfd p{fd, POLLIN, 0};
    std::uint8_t byte = 0;
    return poll(&p, 1, waitMs) > 0 && read(fd, &byte, 1) == 0;
}

} // namespace qbx::test

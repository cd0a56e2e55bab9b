#pragma once
#include <string>
#include <sys/types.h>
#include <vector>

// The baseline: a peer that answers a request of `requestSize` bytes with
// `replySize` bytes and then takes an acknowledgement of `ackSize`, over a
// loopback TCP socket or a pseudo-terminal, without any protocol logic.
struct ExchangeShape {
    int requestSize;
    int replySize;
    int ackSize;
};

class CRawPeer {
public:
    ~CRawPeer();
    // Listens on 127.0.0.1 (ephemeral port) or opens a pty pair.
    bool StartTcp(const ExchangeShape& shape);
    bool StartPty(const ExchangeShape& shape);
    int TcpPort() const { return port; }
    const std::string& PtyPath() const { return ptyPath; }

private:
    void Serve(int fd);

    ExchangeShape shape{};
    int listener = -1;
    int master = -1;
    int port = 0;
    std::string ptyPath;
    pid_t child = -1;
};

// Reads exactly `n` bytes (poll + read), false on error or end of line.
bool ReadExactly(int fd, unsigned char* buffer, int n);
bool WriteAll(int fd, const unsigned char* buffer, int n);

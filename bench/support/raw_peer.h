#pragma once
#include <string>
#include <sys/types.h>
#include <vector>

// The baseline of the benchmarks: a peer that moves the same byte counts as
// the protocol, turn for turn, over a loopback TCP socket or a
// pseudo-terminal, without any protocol logic.

// One turn of the peer: it reads `count` bytes, or writes them: `bytes`
// when given (a canned answer), else "!C" followed by zeros.
struct PeerStep {
    bool write;
    int count;
    std::vector<unsigned char> bytes = {};
};
// The peer repeats its steps until the line ends or stays quiet for 2 s.
using PeerCycle = std::vector<PeerStep>;

// The common request-answer-acknowledge exchange.
struct ExchangeShape {
    int requestSize;
    int replySize;
    int ackSize;
};
// Reads the request, writes the reply, reads the acknowledgement (if any).
PeerCycle CycleOf(const ExchangeShape& shape);

class CRawPeer {
  public:
    CRawPeer() = default;
    ~CRawPeer();
    CRawPeer(const CRawPeer&) = delete;
    CRawPeer& operator=(const CRawPeer&) = delete;

    // Listens on 127.0.0.1 (ephemeral port) or opens a pty pair; the peer
    // runs in a process of its own, like the simulator.
    bool StartTcp(const PeerCycle& cycle);
    bool StartPty(const PeerCycle& cycle);
    bool StartTcp(const ExchangeShape& shape) { return StartTcp(CycleOf(shape)); }
    bool StartPty(const ExchangeShape& shape) { return StartPty(CycleOf(shape)); }
    int TcpPort() const { return port; }
    const std::string& PtyPath() const { return ptyPath; }
    pid_t Pid() const { return child; }

  private:
    void Serve(int fd);

    PeerCycle cycle;
    int listener = -1;
    int master = -1;
    int port = 0;
    std::string ptyPath;
    pid_t child = -1;
};

// Reads exactly `n` bytes (poll + read), false on error or end of line.
bool ReadExactly(int fd, unsigned char* buffer, int n);
bool WriteAll(int fd, const unsigned char* buffer, int n);
// Connects to 127.0.0.1:port without Nagle delays; -1 on failure.
int ConnectLoopback(int port);

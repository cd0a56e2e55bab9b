#pragma once
#include "platform/wait_hook.h"

#include <cstdint>
#include <string>
#include <utility>

namespace qbx {

// Outcome of connecting a stream socket, in the order callers report them.
inline constexpr int kConnectOk = 0;
inline constexpr int kConnectUnreachable = 1; // ETIMEDOUT, EHOSTUNREACH, ENETUNREACH
inline constexpr int kConnectRefused = 2;     // ECONNREFUSED
inline constexpr int kConnectOtherError = 3;  // EINVAL for a name that does not resolve, else the errno

// A connected IPv4 stream socket with bounded waits. A peer that goes away
// never raises SIGPIPE: the failure shows up as a result.
class CStreamSocket {
  public:
    CStreamSocket() = default;
    CStreamSocket(const CStreamSocket&) = delete;
    CStreamSocket& operator=(const CStreamSocket&) = delete;
    ~CStreamSocket() { Close(); }

    // `host` is a dotted IPv4 address or a name to resolve. Blocks until the
    // system reports success or failure. Returns one of the kConnect* codes;
    // `error` gets the errno (0 on success).
    int Connect(const std::string& host, std::uint16_t port, int& error);
    bool IsOpen() const { return fd >= 0; }
    void Close();

    // One send call that waits at most `timeoutMs` (negative: without
    // limit) for room: the count it sent (fewer than `len` when the time ran
    // out part way), 0 when nothing could go in time, -1 on error.
    int Send(const std::uint8_t* data, int len, int timeoutMs);
    // Throws away whatever has arrived and not been read yet, without
    // waiting (at most a bounded amount, so a peer that keeps sending
    // cannot hold the caller).
    // Only asks for the bytes when FIONREAD says some are there, unless
    // `classic` (the former way, for the benchmarks).
    void DiscardInput(bool classic = false);
    // One receive call that waits at most `timeoutMs` (negative: without
    // limit) for data: what that call delivered, 0 when the wait ran out or
    // the peer has closed, -1 on error. A signal does not stretch the wait.
    int Receive(std::uint8_t* data, int len, int timeoutMs);
    // Called while Connect, Send and Receive wait. With a hook each waits
    // in slices and then makes its one call without blocking.
    void SetWaitHook(WaitHook hook) { waitHook = std::move(hook); }

  private:
    template <typename Call> int Transfer(int option, int timeoutMs, Call call);
    template <typename Call> int TransferCallingHook(short wanted, int timeoutMs, Call call);
    bool SetTimeout(int option, int milliseconds);

    static constexpr int kNoTimeoutSet = -1;
    int fd = -1;
    WaitHook waitHook;
    int sendTimeoutMs = kNoTimeoutSet; // what the socket's options hold now
    int receiveTimeoutMs = kNoTimeoutSet;
};

} // namespace qbx

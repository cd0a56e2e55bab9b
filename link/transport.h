#pragma once
#include "platform/wait_hook.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace qbx {

// Open results shared by every transport; each caller shows its own message
// for them (strings 11002, 11003, 11004 with the error code).
inline constexpr int kOpenOk = 0;
inline constexpr int kOpenNotFound = 1; // serial: no such port; TCP: timed out or unreachable
inline constexpr int kOpenDenied = 2;   // serial: in use; TCP: refused
inline constexpr int kOpenFailed = 3;   // anything else; `error` tells what

// The byte channel to the bootloader. The protocol functions see nothing
// else of the link; IsNetwork decides how often they try.
class CTransport {
  public:
    CTransport() = default;
    CTransport(const CTransport&) = delete;
    CTransport& operator=(const CTransport&) = delete;
    // Implementations close the link when it is still open.
    virtual ~CTransport() = default;

    virtual bool IsNetwork() const = 0;
    // One of the kOpen* results; `error` gets the system error code, 0 on success.
    virtual int Open(int& error) = 0;
    // Harmless when the link is not open.
    virtual void Close() = 0;
    // Bytes written, or -1 on error.
    virtual int Write(const std::uint8_t* data, int len) = 0;
    // Bytes read, 0 to len (fewer when the time-out struck), or -1 on error.
    virtual int Read(std::uint8_t* data, int len) = 0;

    // The fixed pauses that belong to an exchange (after an identification,
    // after a mode switch) go through the transport, so that a test can take
    // them as records instead of waiting. Sleeps by default.
    virtual void Pause(int milliseconds);

    // The latency timer in ms of the USB adapter behind an open serial
    // port, as its driver shows it; -1 where there is none to see.
    virtual int AdapterLatencyMs() const { return -1; }

    // Runs `hook` while the link waits (opening, reads, writes, pauses), so
    // that the program's window does not freeze; none by default.
    virtual void SetWaitHook(WaitHook hook) { waitHook = std::move(hook); }

    // False keeps every write its own call, as the former exchange made them.
    virtual bool CombinesWrites() const { return true; }

    // An acknowledgement kept back to go out in one write with the frame
    // that follows it at once: each write is a system call, and the device
    // reads both the same. Whoever holds writes it (WriteAfterHeld or
    // FlushHeld) before reading, pausing or handing control back.
    void Hold(const std::uint8_t* data, int len) { held.insert(held.end(), data, data + len); }
    bool HasHeld() const { return !held.empty(); }
    // The held bytes and `data` in one Write; the held ones are gone either
    // way, `heldWritten` tells whether they all went out. Returns how many of
    // `data` went out, or -1.
    int WriteAfterHeld(const std::uint8_t* data, int len, bool& heldWritten);
    // True when nothing was held or all of it went out.
    bool FlushHeld();

  protected:
    WaitHook waitHook;

  private:
    std::vector<std::uint8_t> held;
    std::vector<std::uint8_t> outgoing;
};

} // namespace qbx

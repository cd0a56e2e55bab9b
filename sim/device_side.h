#pragma once
#include <cstddef>
#include <cstdint>

#include "sim/wire_bytes.h"

// The two faces between the transports and what answers on the line.
namespace qbx::sim {

// Where the device's output goes.
class IDeviceLine {
  public:
    virtual ~IDeviceLine() = default;
    // One reply, handed to the line in one piece (one write over TCP).
    virtual void Send(const CBytes& bytes) = 0;
    // One reply in two pieces, the first `first` bytes and the rest, with a
    // pause between them long enough for a reader to see the first alone.
    virtual void SendInTwo(const CBytes& bytes, std::size_t first) {
        Send(CBytes(bytes.begin(), bytes.begin() + static_cast<long>(first)));
        Send(CBytes(bytes.begin() + static_cast<long>(first), bytes.end()));
    }
    // Cuts the line: a hang-up over TCP, a pulled cable over the pty.
    virtual void Cut() = 0;
};

// What the transports feed with the bytes that arrive.
class IDeviceSide {
  public:
    virtual ~IDeviceSide() = default;
    virtual void Feed(const std::uint8_t* data, std::size_t len) = 0;
    // True while half-received input waits for more bytes.
    virtual bool WantsQuietCall() const = 0;
    // Called when the line has stayed quiet for the quiet interval while
    // WantsQuietCall() was true.
    virtual void OnQuiet() = 0;
    // A new connection (or the end of the old one): forget partial input.
    virtual void OnNewLine() = 0;
};

} // namespace qbx::sim

#pragma once
#include <functional>

namespace qbx {

// The driver calls behind the low-latency request, so that a test can play
// a driver that takes, refuses or already has the flag.
using SerialIoctl = std::function<int(int fd, unsigned long request, void* argument)>;

// The system's ioctl.
SerialIoctl SystemSerialIoctl();

// Asks a serial driver to hand over received bytes at once (ASYNC_LOW_LATENCY;
// an FTDI adapter then sets its latency timer to 1 ms) and puts the flag back
// as it was. Drivers that refuse (pseudo-terminals, many others) carry the
// bytes all the same, so a refusal is no failure.
class CLowLatency {
  public:
    explicit CLowLatency(SerialIoctl ioctl = {});

    // True when this call turned the flag on.
    bool Request(int fd);
    // Clears the flag again where Request set it; harmless otherwise.
    void Restore(int fd);

  private:
    SerialIoctl call;
    bool changed = false;
};

} // namespace qbx

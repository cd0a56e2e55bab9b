#pragma once
#include "sim/adapter_hold.h"
#include "sim/device_side.h"
#include "sim/line_pacer.h"
#include "sim/stop_signal.h"
#include "sim/trace.h"

// The device's output on a non-blocking descriptor (a TCP connection or the
// pty master), paced and traced. Every wait also watches the stop signal.
namespace qbx::sim {

class CFdLine : public IDeviceLine {
  public:
    // `wholeReplies`: a paced reply leaves in one write once the line would
    // have carried all of it (TCP, where the program reads a reply with one
    // receive); otherwise it leaves in slices as their wire time passes (pty).
    // `hold` plays a USB adapter between the line and the program: output
    // reaches the program only as the adapter lets it go.
    CFdLine(const CStopSignal& stop, CTrace& trace, CLinePacer& pacer, bool wholeReplies,
            CAdapterHold hold = CAdapterHold());

    // The descriptor replies go to from now on; clears a cut or a failure.
    void Attach(int fd);
    // Books `len` bytes just read from the program on the incoming side of
    // the line: a paced reply does not start before they are all in.
    void Received(std::size_t len);
    // Unpaced, what the device says between these two calls leaves in one
    // write at the end: the acknowledgement and the reply behind it are one
    // stream on a real line, and a write each would cost the reader a
    // wake-up each. Paced output is not held.
    void BeginBurst() { bursting = true; }
    void EndBurst();
    void Send(const CBytes& bytes) override;
    void SendInTwo(const CBytes& bytes, std::size_t first) override;
    void Cut() override;
    bool IsCut() const { return cut; }
    bool Failed() const { return failed; }

  private:
    void SendThroughAdapter(const CBytes& bytes);
    bool Release(const CAdapterHold::Release& release);
    void DrainAdapter();
    bool WaitUntil(std::int64_t dueUs);
    bool WriteAll(const std::uint8_t* data, std::size_t len);
    void WriteHeld();

    const CStopSignal& stop;
    CTrace& trace;
    CLinePacer& pacer;
    CLinePacer incoming;
    const std::size_t sliceBytes;
    const bool wholeReplies;
    std::int64_t heardUs = 0; // when the last byte from the program is in
    int fd = -1;
    bool cut = false;
    bool failed = false;
    bool bursting = false;
    CBytes held; // unpaced output of the current burst
    CAdapterHold adapter;
    CBytes inAdapter; // off the wire, not yet passed on by the adapter
};

} // namespace qbx::sim

#pragma once
#include "platform/low_latency.h"
#include "platform/wait_hook.h"

#include <cstdint>
#include <string>
#include <utility>

namespace qbx {

// Outcome of opening a serial device, in the order callers report them.
inline constexpr int kSerialOpened = 0;
inline constexpr int kSerialMissing = 1;    // no such device (ENOENT)
inline constexpr int kSerialInUse = 2;      // EACCES, EBUSY: locked or held exclusively by another open
inline constexpr int kSerialOtherError = 3; // anything else; the errno tells which

// An open serial device file: exclusive, non-blocking underneath, with reads
// and writes bounded by deadlines so that no call can hang the program.
class CSerialDevice {
  public:
    // `ioctl` stands in for the driver's low-latency calls in tests.
    explicit CSerialDevice(SerialIoctl ioctl = {}) : lowLatency(std::move(ioctl)) {}
    CSerialDevice(const CSerialDevice&) = delete;
    CSerialDevice& operator=(const CSerialDevice&) = delete;
    ~CSerialDevice() { Close(); }

    // Opens `path` for reading and writing and takes an exclusive advisory
    // lock on it; a line another open holds in exclusive mode (TIOCEXCL) is
    // in use (EBUSY) even where the open got through. Returns one of the
    // kSerial* codes; `error` gets the errno (0 on success).
    // Anything but a terminal (a file, a pipe, /dev/null) is refused with
    // kSerialOtherError and ENOTTY before it is opened for writing.
    int Open(const std::string& path, int& error);
    // Takes over an open descriptor as it is (no lock, no line set-up).
    void Attach(int descriptor);
    bool IsOpen() const { return fd >= 0; }
    // Puts the driver's low-latency flag back as the open found it.
    void Close();

    // Raw 8N1 line at `baudRate`, receiver on, modem status ignored, no
    // hardware or software flow control, lines left as they are on close.
    bool SetRawLine(std::uint32_t baudRate);
    // Sets DTR and RTS. Devices without modem lines (pseudo-terminals)
    // refuse; that is harmless, so the outcome is not reported.
    void SetModemLines(bool dtr, bool rts);
    // Asks the driver to pass received bytes on at once; ignored where it
    // refuses. True when the flag was turned on.
    bool RequestLowLatency() { return lowLatency.Request(fd); }
    // Throws away whatever has been received and not read yet; asks the
    // driver to flush only when it holds something (FIONREAD).
    void DiscardInput();
    // The former way, for the benchmarks' before-and-after: flush on every
    // discard, and wait for readiness before every read.
    void SetClassicExchange(bool on) { classic = on; }

    // Returns as soon as `len` bytes are in, or with what arrived within
    // `timeoutMs`, whatever the descriptor does (signals, end of input,
    // hang-up). -1 when the device failed before any byte came.
    int Read(std::uint8_t* data, int len, int timeoutMs);
    // Writes all `len` bytes unless `timeoutMs` runs out first; returns the
    // count written, or -1 when the device failed before any byte went out.
    int Write(const std::uint8_t* data, int len, int timeoutMs);
    // Called while Read and Write wait for the line.
    void SetWaitHook(WaitHook hook) { waitHook = std::move(hook); }

  private:
    // Bytes the driver already handed over but nobody asked for yet: a read
    // takes what the line holds in one call, so that a reply read in two
    // pieces (header, then the rest) costs one system call, not two.
    int TakeBuffered(std::uint8_t* data, int len);
    int FillBuffer();
    int ReadClassic(std::uint8_t* data, int len, int timeoutMs);

    CLowLatency lowLatency;
    int fd = -1;
    bool classic = false;
    bool awaitingAnswer = true; // nothing came since the last write
    WaitHook waitHook;
    std::uint8_t buffered[256];
    int bufferedStart = 0;
    int bufferedEnd = 0;
};

// Opens and locks `path` as CSerialDevice::Open does and lets it go again at
// once: kSerialOpened when the port is there and free, else the open result.
// `error` gets the errno of the failure (0 when the port is free).
int ProbeSerialDevice(const std::string& path, int& error);

} // namespace qbx

#pragma once
#include "link/link_timing.h"
#include "link/transport.h"
#include "platform/serial_device.h"

#include <cstdint>
#include <string>

namespace qbx {

// What a serial port asks of the system beyond the device file; tests put
// fakes in.
struct SerialSystem {
    SerialIoctl ioctl;     // the driver's low-latency calls; the system's when empty
    std::string sysfsRoot; // where adapters show their latency timer; SysfsRoot() when empty
};

// The serial line to a bootloader of the serial family, COM1 to COM6. Every
// write first discards unread input, so a reply must be read before the next
// request goes out.
class CSerialTransport : public CTransport {
  public:
    // Stores the port and speed; nothing is opened yet. `devicePath`, when
    // given, is opened instead of the device that COM<portNumber> maps to.
    CSerialTransport(std::uint8_t portNumber, std::uint32_t baudRate, const SerialTiming& timing = {},
                     SerialSystem system = {}, std::string devicePath = {});
    ~CSerialTransport() override;

    bool IsNetwork() const override { return false; }
    // kOpenNotFound for a missing port (error 2), kOpenDenied for one in use,
    // kOpenFailed otherwise; failures while setting up the line are ignored.
    int Open(int& error) override;
    // Leaves DTR low and RTS high on the line, and the driver's latency as
    // the open found it.
    void Close() override;
    int Write(const std::uint8_t* data, int len) override;
    int Read(std::uint8_t* data, int len) override;
    // As the driver shows it after the open asked for low latency.
    int AdapterLatencyMs() const override { return adapterLatencyMs; }
    bool CombinesWrites() const override { return !timing.classicExchange; }
    void SetWaitHook(WaitHook hook) override;

    std::uint8_t PortNumber() const { return portNumber; }
    std::uint32_t BaudRate() const { return baudRate; }

  private:
    CSerialDevice handle;
    std::uint8_t portNumber;
    std::uint32_t baudRate;
    SerialTiming timing;
    std::string devicePath;
    std::string sysfsRoot;
    int adapterLatencyMs = -1;
    // Input waiting before a request is stale; what arrives between two
    // writes of one request already answers it. So only the first write
    // after an open or a read discards.
    bool inputMayBeStale = true;
};

// Port states filled by EnumerateSerialPorts.
inline constexpr int kPortMissing = 0;
inline constexpr int kPortPresent = 1;
inline constexpr int kPortInUse = 2;
inline constexpr int kPortOtherError = 3;

// For ports 1 to `count` in ascending order, one at a time: element i of
// `state` gets the state of port i + 1 and element i of `error` the system
// error code of the probe (0 when the port is free).
void EnumerateSerialPorts(int* state, int* error, int count);

} // namespace qbx

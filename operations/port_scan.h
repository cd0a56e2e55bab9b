#pragma once
#include "link/link_timing.h"
#include "link/transport.h"
#include "operations/operation_host.h"
#include "operations/scan_texts.h"
#include "platform/serial_device_names.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace qbx {

inline constexpr int kScanPortCount = 6;     // COM1 to COM6
inline constexpr int kScanProbeAttempts = 6; // per free port, until one answers

// What the scan found on one port.
struct PortScanRow {
    int state = 0;      // kPortMissing .. kPortOtherError, as the enumeration says
    int error = 0;      // the system error code behind the state
    bool found = false; // a known device answered; `texts` show it
    ProbeTexts texts;
    std::string diagnosis;     // why the port cannot be used, when that is known
    SerialDeviceNames names;   // the device the port maps to, and its by-id name
    int adapterLatencyMs = -1; // the USB adapter's latency timer after the open, -1 unseen
};

using PortScanRows = std::array<PortScanRow, kScanPortCount>;

// Whoever shows the scan: told when a port's probe starts and ends. Between
// the two, and between probe attempts, the host's PumpEvents repaints.
class CPortScanView {
  public:
    virtual ~CPortScanView() = default;
    virtual void PortStarted(int /*portNumber*/) {}
    virtual void PortFinished(int /*portNumber*/, const PortScanRow& /*row*/) {}
};

struct PortScanOptions {
    SerialTiming timing;
    // Port n's transport; the serial transport at 115200 baud when empty.
    std::function<std::unique_ptr<CTransport>(int portNumber)> createTransport;
    // The port enumeration; EnumerateSerialPorts when empty.
    std::function<void(int* state, int* error, int count)> enumerate;
    std::string byIdFolder = kSerialByIdFolder;
};

// Enumerates COM1 to COM6 and asks each free one up to six times who is
// there. Ports in use or missing are not touched beyond the enumeration.
PortScanRows ScanPorts(COperationHost& host, CPortScanView& view, const PortScanOptions& options = {});

// The port the scan offers: the highest one on which a device answered,
// 0 when none did.
int ChosenPort(const PortScanRows& rows);

} // namespace qbx

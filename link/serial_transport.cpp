#include "link/serial_transport.h"

#include "platform/adapter_latency.h"
#include "platform/monotonic_clock.h"
#include "platform/serial_port_path.h"

#include <utility>

namespace qbx {

static_assert(kSerialOpened == kOpenOk && kSerialMissing == kOpenNotFound && kSerialInUse == kOpenDenied &&
              kSerialOtherError == kOpenFailed);

CSerialTransport::CSerialTransport(std::uint8_t portNumber, std::uint32_t baudRate,
                                   const SerialTiming& timing, SerialSystem system, std::string devicePath)
    : handle(std::move(system.ioctl)), portNumber(portNumber), baudRate(baudRate), timing(timing),
      devicePath(std::move(devicePath)),
      sysfsRoot(system.sysfsRoot.empty() ? SysfsRoot() : std::move(system.sysfsRoot)) {
    handle.SetClassicExchange(timing.classicExchange);
}

CSerialTransport::~CSerialTransport() {
    Close();
}

int CSerialTransport::Open(int& error) {
    adapterLatencyMs = -1;
    inputMayBeStale = true;
    const std::string path = devicePath.empty() ? SerialPortPath(portNumber) : devicePath;
    int result = handle.Open(path, error);
    if (result != kSerialOpened) return result;
    // Set-up failures are not fatal: pseudo-terminals and some adapters
    // refuse parts of it and still carry the bytes.
    (void)handle.SetRawLine(baudRate);
    // A USB adapter otherwise holds each short reply for its latency timer
    // (16 ms on FTDI), and every exchange turns the line several times.
    (void)handle.RequestLowLatency();
    adapterLatencyMs = AdapterLatencyTimer(path, sysfsRoot);
    handle.SetModemLines(true, false);
    SleepCallingHook(timing.settleMs, waitHook);
    return kOpenOk;
}

void CSerialTransport::Close() {
    adapterLatencyMs = -1;
    if (!handle.IsOpen()) return;
    handle.SetModemLines(false, true);
    handle.Close();
}

int CSerialTransport::Write(const std::uint8_t* data, int len) {
    if (inputMayBeStale || timing.classicExchange) handle.DiscardInput();
    inputMayBeStale = false;
    return handle.Write(data, len, timing.writeBaseMs + timing.writePerByteMs * len);
}

int CSerialTransport::Read(std::uint8_t* data, int len) {
    inputMayBeStale = true;
    return handle.Read(data, len, timing.readBaseMs + timing.readPerByteMs * len);
}

void EnumerateSerialPorts(int* state, int* error, int count) {
    for (int i = 0; i < count; ++i) {
        switch (ProbeSerialDevice(SerialPortPath(i + 1), error[i])) {
        case kSerialOpened:
            state[i] = kPortPresent;
            break;
        case kSerialMissing:
            state[i] = kPortMissing;
            break;
        case kSerialInUse:
            state[i] = kPortInUse;
            break;
        default:
            state[i] = kPortOtherError;
        }
    }
}

void CSerialTransport::SetWaitHook(WaitHook hook) {
    handle.SetWaitHook(hook);
    CTransport::SetWaitHook(std::move(hook));
}

} // namespace qbx

#include "operations/port_scan.h"

#include "link/identification.h"
#include "link/protocol_constants.h"
#include "link/serial_transport.h"
#include "link/wire_trace.h"
#include "operations/adapter_latency_hint.h"
#include "operations/port_diagnosis.h"
#include "platform/serial_port_path.h"

#include <vector>

namespace qbx {
namespace {

std::unique_ptr<CTransport> SerialTransportFor(int portNumber, const SerialTiming& timing) {
    auto label = [portNumber] {
        return "COM" + std::to_string(portNumber) + " " + SerialPortPath(portNumber);
    };
    auto port = static_cast<std::uint8_t>(portNumber);
    return TraceIfRequested(std::make_unique<CSerialTransport>(port, exchange::kBaudRate, timing), label);
}

int StateForOpenResult(int result) {
    switch (result) {
    case kOpenNotFound:
        return kPortMissing;
    case kOpenDenied:
        return kPortInUse;
    default:
        return kPortOtherError;
    }
}

// Opens the free port and asks up to six times. A port that was taken
// between the enumeration and this open gets the state the open found,
// rather than passing for a free port where nothing answered.
void ProbePort(COperationHost& host, int portNumber, const PortScanOptions& options, PortScanRow& row) {
    std::unique_ptr<CTransport> transport = options.createTransport
                                                ? options.createTransport(portNumber)
                                                : SerialTransportFor(portNumber, options.timing);
    transport->SetWaitHook(host.LinkWaitHook());
    int error = 0;
    int opened = transport->Open(error);
    if (opened != kOpenOk) {
        row.state = StateForOpenResult(opened);
        row.error = error;
        return;
    }
    row.adapterLatencyMs = transport->AdapterLatencyMs();
    BootloaderId id;
    for (int attempt = 0; attempt < kScanProbeAttempts; ++attempt) {
        if (attempt > 0) host.PumpEvents();
        if (ProbeBootloader(*transport, id) == kProbeAnswered) break;
    }
    row.found = ScanDeviceTexts(id, row.texts);
}

void FillWithoutDevice(PortScanRow& row) {
    row.texts.type = row.texts.version = kNoDeviceText;
    switch (row.state) {
    case kPortMissing:
        row.texts.status = kStatusMissing;
        break;
    case kPortPresent:
        row.texts.status = kStatusFree;
        break;
    case kPortInUse:
        row.texts.status = kStatusDenied;
        break;
    default:
        row.texts.status = ErrorStatusText(row.error);
    }
}

} // namespace

PortScanRows ScanPorts(COperationHost& host, CPortScanView& view, const PortScanOptions& options) {
    int state[kScanPortCount] = {};
    int error[kScanPortCount] = {};
    if (options.enumerate)
        options.enumerate(state, error, kScanPortCount);
    else
        EnumerateSerialPorts(state, error, kScanPortCount);
    std::vector<std::string> paths;
    for (int port = 1; port <= kScanPortCount; ++port)
        paths.push_back(SerialPortPath(port));

    PortScanRows rows;
    for (int i = 0; i < kScanPortCount; ++i) {
        int portNumber = i + 1;
        PortScanRow& row = rows[i];
        row.state = state[i];
        row.error = error[i];
        row.names = NamesOfSerialDevice(paths[i], options.byIdFolder);
        view.PortStarted(portNumber);
        host.PumpEvents();
        if (row.state == kPortPresent) ProbePort(host, portNumber, options, row);
        if (!row.found) {
            FillWithoutDevice(row);
            row.diagnosis = PortDiagnosis(host, portNumber, paths[i], row.state, row.error, paths);
        }
        // An adapter that answers slowly still answers: the hint goes beside
        // whatever else there is to say.
        std::string slow = AdapterLatencyText(host, row.names.device, row.adapterLatencyMs);
        if (!slow.empty()) row.diagnosis += (row.diagnosis.empty() ? "" : "; ") + slow;
        view.PortFinished(portNumber, row);
        host.PumpEvents();
    }
    return rows;
}

int ChosenPort(const PortScanRows& rows) {
    int chosen = 0;
    for (int i = 0; i < kScanPortCount; ++i) {
        if (rows[i].found) chosen = i + 1;
    }
    return chosen;
}

} // namespace qbx

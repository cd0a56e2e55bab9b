#include "link/wire_trace.h"

#include "platform/monotonic_clock.h"

#include <cstdlib>
#include <utility>

namespace qbx {

std::unique_ptr<CWireTrace> CWireTrace::Open(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "a");
    if (!file) return nullptr;
    return std::unique_ptr<CWireTrace>(new CWireTrace(file));
}

CWireTrace::~CWireTrace() {
    std::fclose(file);
}

void CWireTrace::Line(const std::string& text) {
    std::int64_t now = MonotonicMicroseconds();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%lld.%06lld ", static_cast<long long>(now / 1000000),
                  static_cast<long long>(now % 1000000));
    // One write per line, flushed at once: the trace must survive a crash
    // and stay readable when another process appends to the same file.
    std::string line = stamp + text + "\n";
    std::fwrite(line.data(), 1, line.size(), file);
    std::fflush(file);
}

void CWireTrace::Chunk(const char* direction, const std::uint8_t* data, int result, int asked) {
    char head[48];
    std::snprintf(head, sizeof head, "%s %d/%d", direction, result, asked);
    std::string text = head;
    // A failed call (-1) shows no bytes; a short one shows those that moved.
    if (result > 0) text += ':';
    for (int i = 0; i < result; ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", data[i]);
        text += hex;
    }
    Line(text);
}

void CWireTrace::Note(const std::string& text) {
    Line("-- " + text);
}

CTracedTransport::CTracedTransport(std::unique_ptr<CTransport> inner, std::unique_ptr<CWireTrace> trace,
                                   std::string label)
    : inner(std::move(inner)), trace(std::move(trace)), label(std::move(label)) {}

CTracedTransport::~CTracedTransport() {
    Close();
}

int CTracedTransport::Open(int& error) {
    int result = inner->Open(error);
    trace->Note("open " + label + ": result " + std::to_string(result) + ", error " + std::to_string(error));
    // Each short reply waits this long in the adapter: the trace's gaps.
    if (const int latency = inner->AdapterLatencyMs(); latency >= 0)
        trace->Note("adapter latency timer " + std::to_string(latency) + " ms");
    isOpen = result == kOpenOk;
    return result;
}

void CTracedTransport::Close() {
    if (isOpen) trace->Note("close " + label);
    isOpen = false;
    inner->Close();
}

int CTracedTransport::Write(const std::uint8_t* data, int len) {
    int result = inner->Write(data, len);
    trace->Chunk("TX", data, result, len);
    return result;
}

int CTracedTransport::Read(std::uint8_t* data, int len) {
    int result = inner->Read(data, len);
    trace->Chunk("RX", data, result, len);
    return result;
}

void CTracedTransport::Pause(int milliseconds) {
    trace->Note("pause " + std::to_string(milliseconds) + " ms");
    inner->Pause(milliseconds);
}

std::unique_ptr<CTransport> TraceIfRequested(std::unique_ptr<CTransport> transport,
                                             const std::function<std::string()>& label,
                                             const std::string& tracePath) {
    const char* path = tracePath.empty() ? std::getenv(kTraceVariable) : tracePath.c_str();
    if (!transport || !path || !*path) return transport;
    std::unique_ptr<CWireTrace> trace = CWireTrace::Open(path);
    if (!trace) return transport;
    return std::make_unique<CTracedTransport>(std::move(transport), std::move(trace), label());
}

} // namespace qbx

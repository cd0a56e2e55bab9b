#pragma once
#include "link/transport.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace qbx {

// The environment variable that names the trace file.
inline constexpr const char* kTraceVariable = "QUILLBOX_TRACE";

// An append-only log of the wire: one line per chunk, stamped with the
// monotonic clock (seconds since boot, the same clock the simulator's trace
// uses), so that both sides of an exchange can be laid side by side.
class CWireTrace {
  public:
    // Null when the file cannot be opened; tracing then simply stays off.
    static std::unique_ptr<CWireTrace> Open(const std::string& path);
    ~CWireTrace();
    CWireTrace(const CWireTrace&) = delete;
    CWireTrace& operator=(const CWireTrace&) = delete;

    // "TX" or "RX": `result` is what the call returned (-1 on failure),
    // `asked` the length requested; the bytes that moved are listed in hex.
    void Chunk(const char* direction, const std::uint8_t* data, int result, int asked);
    void Note(const std::string& text);

  private:
    explicit CWireTrace(std::FILE* file) : file(file) {}
    void Line(const std::string& text);
    std::FILE* file;
};

// Passes everything through to the transport it owns and writes each chunk,
// the opening, the closing and the pauses to the trace.
class CTracedTransport : public CTransport {
  public:
    CTracedTransport(std::unique_ptr<CTransport> inner, std::unique_ptr<CWireTrace> trace, std::string label);
    ~CTracedTransport() override;

    bool IsNetwork() const override { return inner->IsNetwork(); }
    int Open(int& error) override;
    void Close() override;
    int Write(const std::uint8_t* data, int len) override;
    int Read(std::uint8_t* data, int len) override;
    void Pause(int milliseconds) override;
    int AdapterLatencyMs() const override { return inner->AdapterLatencyMs(); }
    bool CombinesWrites() const override { return inner->CombinesWrites(); }
    void SetWaitHook(WaitHook hook) override { inner->SetWaitHook(std::move(hook)); }

  private:
    std::unique_ptr<CTransport> inner;
    std::unique_ptr<CWireTrace> trace;
    std::string label;
    bool isOpen = false;
};

// The transport wrapped so that it writes to `tracePath`, or when that is
// empty to the file QUILLBOX_TRACE names; the transport itself when neither
// names one (no cost at all). `label` names the link in the trace ("COM3
// /dev/ttyS2", "TCP 192.168.0.1:40000"); it is only asked for when tracing.
std::unique_ptr<CTransport> TraceIfRequested(std::unique_ptr<CTransport> transport,
                                             const std::function<std::string()>& label,
                                             const std::string& tracePath = {});

} // namespace qbx

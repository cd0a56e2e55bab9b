#include "operations/adapter_latency_hint.h"

#include "core/link_choice.h"
#include "core/message_format.h"
#include "operations/string_ids.h"
#include "platform/serial_port_path.h"

namespace qbx {

std::string AdapterLatencyText(COperationHost& host, const std::string& devicePath, int latencyMs) {
    if (latencyMs <= kLowAdapterLatencyMs) return {};
    return FormatMessage(host.String(str::kAdapterLatencyHigh),
                         {devicePath, static_cast<long long>(latencyMs)});
}

void NoteAdapterLatency(COperationHost& host, const CSettings& settings, const CTransport& transport) {
    LinkChoice link = ChooseLink(settings);
    if (link.kind != LinkKind::Serial) return;
    std::string text =
        AdapterLatencyText(host, SerialPortPath(link.portNumber), transport.AdapterLatencyMs());
    if (!text.empty()) host.AdapterLatencyNote(text);
}

} // namespace qbx

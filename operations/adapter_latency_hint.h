#pragma once
#include "core/settings_store.h"
#include "link/transport.h"
#include "operations/operation_host.h"

#include <string>

namespace qbx {

// What low latency sets an FTDI adapter's timer to; anything above holds
// every short reply back.
inline constexpr int kLowAdapterLatencyMs = 1;

// The hint for a port whose USB adapter holds replies for `latencyMs`: what
// it costs and where to read how to lower it. Empty at 1 ms or below, or
// where no timer was seen (negative).
std::string AdapterLatencyText(COperationHost& host, const std::string& devicePath, int latencyMs);

// Hands the hint to the host when the settings' serial port, just opened
// as `transport`, has a slow adapter.
void NoteAdapterLatency(COperationHost& host, const CSettings& settings, const CTransport& transport);

} // namespace qbx

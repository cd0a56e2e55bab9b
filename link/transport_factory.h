#pragma once
#include "core/settings_store.h"
#include "link/link_timing.h"
#include "link/transport.h"

#include <memory>

namespace qbx {

inline constexpr int kTransportCreated = 0;
inline constexpr int kTransportInvalidInterface = 1; // the caller reports string 11005

// The transport the settings choose (COM1 to COM6 at 115200 baud, or TCP to
// ipAddress:port), closed. Its wire is traced to `tracePath` (a session
// log), else to the file QUILLBOX_TRACE names, else nowhere. Null with
// kTransportInvalidInterface in `result` when interfaceIndex names no link.
std::unique_ptr<CTransport> CreateTransport(const CSettings& settings, int& result,
                                            const LinkTiming& timing = {}, const std::string& tracePath = {});

} // namespace qbx

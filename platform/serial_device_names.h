#pragma once
#include <string>

namespace qbx {

inline constexpr const char* kSerialByIdFolder = "/dev/serial/by-id";

// The names a person knows a port by: the device file a mapped path ends at
// (/dev/ttyUSB0), and the adapter's stable name in the by-id folder where
// one points at it (the mapped path itself when it is one).
struct SerialDeviceNames {
    std::string device; // the mapped path as given when it leads nowhere
    std::string byId;   // empty when no by-id name points at the device
};

SerialDeviceNames NamesOfSerialDevice(const std::string& mappedPath,
                                      const std::string& byIdFolder = kSerialByIdFolder);

} // namespace qbx

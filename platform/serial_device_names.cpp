#include "platform/serial_device_names.h"
#include "platform/folder_entries.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <vector>

namespace qbx {
namespace {

// Empty when `path` leads nowhere (a link to an adapter not plugged in).
std::string Resolved(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return {};
    std::string result = resolved;
    std::free(resolved);
    return result;
}

} // namespace

SerialDeviceNames NamesOfSerialDevice(const std::string& mappedPath, const std::string& byIdFolder) {
    SerialDeviceNames names;
    const std::string device = Resolved(mappedPath);
    names.device = device.empty() ? mappedPath : device;
    const std::string prefix = byIdFolder + "/";
    if (mappedPath.rfind(prefix, 0) == 0) {
        names.byId = mappedPath;
        return names;
    }
    if (device.empty()) return names;
    for (const std::string& entry : SortedFolderEntries(byIdFolder)) {
        if (Resolved(prefix + entry) == device) {
            names.byId = prefix + entry;
            break;
        }
    }
    return names;
}

} // namespace qbx

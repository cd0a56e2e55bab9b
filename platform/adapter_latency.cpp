#include "platform/adapter_latency.h"

#include "platform/regular_file.h"

#include <cstdlib>

namespace qbx {
namespace {

// The kernel's name of the device: the last part of the path it ends at.
std::string DeviceName(const std::string& devicePath) {
    std::string path = devicePath;
    if (char* resolved = ::realpath(devicePath.c_str(), nullptr)) {
        path = resolved;
        std::free(resolved);
    }
    return path.substr(path.find_last_of('/') + 1);
}

// "16\n"; the attribute never holds more than a few digits.
constexpr std::size_t kAttributeLimit = 16;

} // namespace

std::string SysfsRoot() {
    const char* root = std::getenv("QUILLBOX_SYSFS");
    return root && *root ? root : "/sys";
}

int AdapterLatencyTimer(const std::string& devicePath, const std::string& sysfsRoot) {
    const std::string name = DeviceName(devicePath);
    if (name.empty() || name == "." || name == "..") return kNoLatencyTimer;
    std::string text;
    bool more = false;
    if (!ReadFilePrefix(sysfsRoot + "/class/tty/" + name + "/device/latency_timer", kAttributeLimit, text,
                        &more) ||
        more)
        return kNoLatencyTimer;
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
        return kNoLatencyTimer;
    return std::atoi(text.c_str());
}

} // namespace qbx

#include "platform/executable_path.h"

#include <limits.h>
#include <unistd.h>

namespace qbx {

std::string ExecutablePath() {
    char buffer[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    return std::string(buffer, static_cast<size_t>(n));
}

std::string FolderOf(const std::string& path) {
    for (size_t i = path.size(); i-- > 1;) {
        if (path[i] == '/') return path.substr(0, i);
    }
    return {};
}

std::string FileNameOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace qbx

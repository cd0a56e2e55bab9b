#include "platform/save_target.h"

#include <sys/stat.h>
#include <unistd.h>

namespace qbx {

int CheckSaveTarget(const std::string& path) {
    if (path.empty() || path.back() == '/') return kSaveTargetIsFolder;
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) return kSaveTargetIsFolder;
        return S_ISREG(info.st_mode) && access(path.c_str(), W_OK) == 0 ? kSaveTargetUsable
                                                                        : kSaveTargetNotWritable;
    }
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return kSaveTargetNoFolder;
    return access(folder.c_str(), W_OK | X_OK) == 0 ? kSaveTargetUsable : kSaveTargetNotWritable;
}

} // namespace qbx

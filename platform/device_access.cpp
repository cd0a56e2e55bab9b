#include "platform/device_access.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>

namespace qbx {

bool ReadDeviceAccess(const std::string& path, CDeviceAccess& access) {
    struct stat device {};
    if (::stat(path.c_str(), &device) != 0) return false;
    const passwd* user = ::getpwuid(device.st_uid);
    access.owner = user ? user->pw_name : std::to_string(device.st_uid);
    const group* entry = ::getgrgid(device.st_gid);
    access.group = entry ? entry->gr_name : std::to_string(device.st_gid);
    constexpr mode_t kGroupReadWrite = S_IRGRP | S_IWGRP;
    constexpr mode_t kOthersReadWrite = S_IROTH | S_IWOTH;
    access.groupMayOpen = (device.st_mode & kGroupReadWrite) == kGroupReadWrite;
    access.othersMayOpen = (device.st_mode & kOthersReadWrite) == kOthersReadWrite;
    return true;
}

} // namespace qbx

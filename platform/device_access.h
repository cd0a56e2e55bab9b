#pragma once
#include <string>

namespace qbx {

// Whom the permission bits of a device file let open it for reading and
// writing: what a person whose open was refused can be told to do.
struct CDeviceAccess {
    std::string owner;          // the owner's user name, its number as text when it has none
    std::string group;          // the group's name, likewise
    bool groupMayOpen = false;  // members of the group may read and write
    bool othersMayOpen = false; // everyone may
};

// False when `path` (links followed) cannot be examined.
bool ReadDeviceAccess(const std::string& path, CDeviceAccess& access);

} // namespace qbx

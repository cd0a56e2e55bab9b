#pragma once
#include <string>
#include <sys/types.h>
#include <vector>

namespace qbx {

// Who keeps a serial device busy, for telling the person what to close.
struct CPortHolder {
    pid_t pid = 0;
    std::string name;     // /proc/<pid>/comm, "?" when it cannot be read
    std::string lockFile; // the UUCP lock file that named it, else empty
};

// The other process that holds `path` (symbolic links followed): the owner
// of an advisory lock on it, else a process with a descriptor open on the
// same device, else a live process named by a UUCP lock file (LCK..<name>
// in /var/lock or /run/lock). This process itself never counts. False when
// none can be seen (another user's processes may be hidden).
bool FindPortHolder(const std::string& path, CPortHolder& holder);

// The same with the process tree and the lock folders given (for tests).
bool FindPortHolder(const std::string& path, const std::string& procRoot,
                    const std::vector<std::string>& lockFolders, CPortHolder& holder);

// Serial-looking devices that exist now: /dev/serial/by-id entries, then
// /dev/ttyUSB* and /dev/ttyACM*, sorted within each kind, without the ones
// whose device is already among `taken` (paths, links followed).
std::vector<std::string> SerialDevicesPresent(const std::vector<std::string>& taken);

} // namespace qbx

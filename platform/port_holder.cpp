#include "platform/port_holder.h"
#include "platform/folder_entries.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace qbx {
namespace {

const std::vector<std::string> kLockFolders = {"/var/lock", "/run/lock"};

bool IsNumber(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string ProcessName(const std::string& procRoot, pid_t pid) {
    std::ifstream comm(procRoot + "/" + std::to_string(pid) + "/comm");
    std::string name;
    if (!std::getline(comm, name) || name.empty()) return "?";
    return name;
}

bool SameDevice(const struct stat& a, const struct stat& b) {
    if (S_ISCHR(a.st_mode) && S_ISCHR(b.st_mode)) return a.st_rdev == b.st_rdev;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// /proc/locks: "1: FLOCK  ADVISORY  WRITE 1234 00:19:5 0 EOF"; waiting
// requests carry "->" after the number and hold nothing.
pid_t LockOwner(const std::string& procRoot, const struct stat& device) {
    std::ifstream locks(procRoot + "/locks");
    std::string line;
    while (std::getline(locks, line)) {
        std::istringstream fields(line);
        std::string number, type, advisory, access, pidText, where;
        fields >> number >> type;
        if (type == "->") continue;
        fields >> advisory >> access >> pidText >> where;
        unsigned major = 0, minor = 0;
        unsigned long long inode = 0;
        if (std::sscanf(where.c_str(), "%x:%x:%llu", &major, &minor, &inode) != 3) continue;
        if (makedev(major, minor) != device.st_dev || inode != device.st_ino) continue;
        pid_t pid = static_cast<pid_t>(std::atol(pidText.c_str()));
        if (pid > 0 && pid != ::getpid()) return pid;
    }
    return 0;
}

pid_t DescriptorOwner(const std::string& procRoot, const struct stat& device) {
    for (const std::string& process : SortedFolderEntries(procRoot)) {
        if (!IsNumber(process)) continue;
        auto pid = static_cast<pid_t>(std::atol(process.c_str()));
        if (pid == ::getpid()) continue;
        std::string fdFolder = procRoot + "/" + process + "/fd";
        for (const std::string& fd : SortedFolderEntries(fdFolder)) {
            struct stat open {};
            if (::stat((fdFolder + "/" + fd).c_str(), &open) == 0 && SameDevice(open, device)) return pid;
        }
    }
    return 0;
}

bool IsAlive(pid_t pid) {
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

// The PID of a UUCP lock file: ten ASCII digits in the usual form, a
// binary int in the old one.
pid_t LockFilePid(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (text.size() == sizeof(int) && !std::isdigit(static_cast<unsigned char>(text[0]))) {
        int binary = 0;
        text.copy(reinterpret_cast<char*>(&binary), sizeof binary);
        return binary;
    }
    return static_cast<pid_t>(std::atol(text.c_str()));
}

std::string BaseName(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string RealPath(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return path;
    std::string result = resolved;
    std::free(resolved);
    return result;
}

} // namespace

bool FindPortHolder(const std::string& path, const std::string& procRoot,
                    const std::vector<std::string>& lockFolders, CPortHolder& holder) {
    holder = {};
    struct stat device {};
    bool exists = ::stat(path.c_str(), &device) == 0;
    pid_t pid = exists ? LockOwner(procRoot, device) : 0;
    if (pid == 0 && exists) pid = DescriptorOwner(procRoot, device);
    if (pid == 0) {
        // Programs such as minicom announce a port with a lock file only.
        std::string name = BaseName(RealPath(path));
        for (const std::string& folder : lockFolders) {
            std::string file = folder + "/LCK.." + name;
            pid_t owner = LockFilePid(file);
            if (owner != ::getpid() && IsAlive(owner)) {
                pid = owner;
                holder.lockFile = file;
                break;
            }
        }
    }
    if (pid == 0) return false;
    holder.pid = pid;
    holder.name = ProcessName(procRoot, pid);
    return true;
}

bool FindPortHolder(const std::string& path, CPortHolder& holder) {
    return FindPortHolder(path, "/proc", kLockFolders, holder);
}

std::vector<std::string> SerialDevicesPresent(const std::vector<std::string>& taken) {
    std::vector<std::string> candidates;
    for (const std::string& name : SortedFolderEntries("/dev/serial/by-id"))
        candidates.push_back("/dev/serial/by-id/" + name);
    for (const char* prefix : {"ttyUSB", "ttyACM"}) {
        for (const std::string& name : SortedFolderEntries("/dev"))
            if (name.rfind(prefix, 0) == 0) candidates.push_back("/dev/" + name);
    }
    std::vector<struct stat> seen;
    for (const std::string& path : taken) {
        struct stat device {};
        if (::stat(path.c_str(), &device) == 0) seen.push_back(device);
    }
    std::vector<std::string> present;
    for (const std::string& path : candidates) {
        struct stat device {};
        if (::stat(path.c_str(), &device) != 0 || !S_ISCHR(device.st_mode)) continue;
        bool known = std::any_of(seen.begin(), seen.end(),
                                 [&](const struct stat& s) { return SameDevice(s, device); });
        if (known) continue;
        // A by-id link and its ttyUSB target are one adapter: name it once.
        seen.push_back(device);
        present.push_back(path);
    }
    return present;
}

} // namespace qbx

#include "sim/file_guard.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qbx::sim {

namespace {

// The type bits of what `path` names (links followed or not), 0 when
// nothing is there. A path that cannot be looked at counts as missing: the
// write that follows fails on it and says so.
mode_t KindOf(const std::string& path, bool followLinks) {
    struct stat info {};
    const int looked = followLinks ? stat(path.c_str(), &info) : lstat(path.c_str(), &info);
    return looked == 0 ? info.st_mode & S_IFMT : 0;
}

bool Discard(const std::string& temporary) {
    unlink(temporary.c_str());
    return false;
}

bool WriteAll(int fd, const std::string& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A name of its own beside `path`, taken only when nothing is there, with
// the permissions a plain new file would get.
int CreateTemporary(const std::string& path, std::string& name) {
    constexpr int kSuffixLength = 4; // ".tmp"
    name = path + ".XXXXXX.tmp";
    const int fd = mkstemps(name.data(), kSuffixLength);
    if (fd < 0) return -1;
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    return fd;
}

// The exchange leaves no moment in which the name could be replaced
// unseen: what was there comes out under the temporary name, is looked at,
// and goes back when it is no regular file.
bool PutInPlace(const std::string& temporary, const std::string& path) {
    const char* from = temporary.c_str();
    const char* to = path.c_str();
    if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_EXCHANGE) != 0) {
        if (errno == ENOENT)
            return renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0 || Discard(temporary);
        // A file system that cannot exchange: looking right before the
        // rename is the best it allows.
        if (errno != EINVAL || !MayReplace(path)) return Discard(temporary);
        return std::rename(from, to) == 0 || Discard(temporary);
    }
    if (KindOf(temporary, false) == S_IFREG) {
        unlink(from); // the old content
        return true;
    }
    // Back where it was; when even that fails it stays under the temporary
    // name rather than be removed.
    if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_EXCHANGE) == 0) unlink(from);
    return false;
}

} // namespace

bool MayReplace(const std::string& path) {
    const mode_t kind = KindOf(path, false);
    return kind == 0 || kind == S_IFREG;
}

bool MayWriteInto(const std::string& path) {
    const mode_t kind = KindOf(path, true);
    return kind == 0 || kind == S_IFREG;
}

bool MayLink(const std::string& path) {
    const mode_t kind = KindOf(path, false);
    return kind == 0 || kind == S_IFLNK;
}

bool ReplaceFile(const std::string& path, const std::string& bytes) {
    std::string temporary;
    const int fd = CreateTemporary(path, temporary);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, bytes);
    if (close(fd) != 0 || !written) return Discard(temporary);
    return PutInPlace(temporary, path);
}

} // namespace qbx::sim

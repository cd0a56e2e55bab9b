#include "platform/replace_file.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qbx {
namespace {

constexpr int kMaxLinkHops = 40; // the kernel's own limit before ELOOP
constexpr int kTemporaryAttempts = 16;

class CScopedFd {
  public:
    explicit CScopedFd(int fd) : fd(fd) {}
    ~CScopedFd() {
        if (fd >= 0) close(fd);
    }
    CScopedFd(const CScopedFd&) = delete;
    CScopedFd& operator=(const CScopedFd&) = delete;
    int Get() const { return fd; }
    // Closes now; false when the close reports a failed write.
    bool Close() {
        int closing = fd;
        fd = -1;
        return close(closing) == 0;
    }

  private:
    int fd;
};

// Removes the temporary file unless it took the target's place.
class CTemporaryName {
  public:
    CTemporaryName(int folder, std::string leaf) : folder(folder), leaf(std::move(leaf)) {}
    ~CTemporaryName() {
        if (!kept) unlinkat(folder, leaf.c_str(), 0);
    }
    CTemporaryName(const CTemporaryName&) = delete;
    CTemporaryName& operator=(const CTemporaryName&) = delete;
    const std::string& Leaf() const { return leaf; }
    void Keep() { kept = true; }

  private:
    int folder;
    std::string leaf;
    bool kept = false;
};

struct SplitPath {
    std::string folder;
    std::string leaf;
};

SplitPath Split(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// The file a write through `path` reaches: symbolic links are followed to
// their end (which need not exist yet). False for a loop or an unreadable link.
bool FinalTarget(const std::string& path, std::string& target) {
    target = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat status;
        if (lstat(target.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return true;
        std::string link(PATH_MAX, '\0');
        ssize_t length = readlink(target.c_str(), link.data(), link.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= link.size()) return false;
        link.resize(static_cast<std::size_t>(length));
        target = link[0] == '/' ? link : Split(target).folder + "/" + link;
    }
    return false;
}

bool WriteAll(int fd, const std::string& bytes) {
    const char* next = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = write(fd, next, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// 48 bits for a temporary name. Drawn from the kernel, which costs one call
// (seeding a generator for every save cost more than the save itself); where
// that fails, the clock, the process and a counter still differ between
// attempts, and O_EXCL settles any clash.
std::uint64_t NameBits() {
    static std::uint64_t counter = 0;
    std::uint64_t value = 0;
    if (getrandom(&value, sizeof value, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof value)) {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        value = (static_cast<std::uint64_t>(now.tv_sec) << 30) ^ static_cast<std::uint64_t>(now.tv_nsec) ^
                (static_cast<std::uint64_t>(getpid()) << 20) ^ (++counter * 0x9E3779B97F4A7C15ull);
    }
    return value & 0xFFFFFFFFFFFFull;
}

// A new file in `folder` under a name of its own. Errno tells why not.
int CreateTemporary(int folder, std::string& leaf) {
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, ".qbx%012llx.tmp", static_cast<unsigned long long>(NameBits()));
        int fd = openat(folder, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            leaf = name;
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    return -1;
}

enum class Replaced { Done, NotPossible, Failed };

// The new file takes the old one's permissions and owner; where the owner
// cannot be kept (only root may give a file away), the caller writes in place.
Replaced TakeOver(int fd, const struct stat& old) {
    if ((old.st_uid != geteuid() || old.st_gid != getegid()) && fchown(fd, old.st_uid, old.st_gid) != 0)
        return Replaced::NotPossible;
    return fchmod(fd, old.st_mode & 07777) == 0 ? Replaced::Done : Replaced::Failed;
}

// Temporary file, flushed to the disk, then renamed over `target`. `old` is
// the file it replaces, null for a new one. NotPossible means nothing was
// written because the folder takes no new file or the owner cannot be kept.
Replaced ReplaceByRename(const std::string& target, const struct stat* old, const std::string& bytes) {
    SplitPath parts = Split(target);
    CScopedFd folder(open(parts.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() < 0) return Replaced::Failed;
    std::string leaf;
    CScopedFd file(CreateTemporary(folder.Get(), leaf));
    if (file.Get() < 0) return errno == EACCES || errno == EPERM ? Replaced::NotPossible : Replaced::Failed;
    CTemporaryName temporary(folder.Get(), leaf);
    if (old) {
        Replaced taken = TakeOver(file.Get(), *old);
        if (taken != Replaced::Done) return taken;
    }
    // On the disk before it takes the old file's place, so that a power cut
    // leaves the old content or the new one, never an empty file.
    if (!WriteAll(file.Get(), bytes) || fsync(file.Get()) != 0 || !file.Close()) return Replaced::Failed;
    if (renameat(folder.Get(), leaf.c_str(), folder.Get(), parts.leaf.c_str()) != 0) return Replaced::Failed;
    temporary.Keep();
    fsync(folder.Get()); // the rename lasts once the folder is on the disk; best effort
    return Replaced::Done;
}

// Writes over the file itself. The old bytes are overwritten before the file
// is cut to its new length, so a full disk rarely leaves less than before.
bool WriteInPlace(const std::string& target, const std::string& bytes) {
    CScopedFd file(open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status;
    if (file.Get() < 0 || fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    int flags = fcntl(file.Get(), F_GETFL);
    if (flags < 0 || fcntl(file.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) return false;
    return WriteAll(file.Get(), bytes) && ftruncate(file.Get(), static_cast<off_t>(bytes.size())) == 0 &&
           fsync(file.Get()) == 0 && file.Close();
}

} // namespace

bool ReplaceFileContents(const std::string& path, const std::string& bytes) {
    std::string target;
    if (!FinalTarget(path, target) || Split(target).leaf.empty()) return false;
    struct stat old;
    if (stat(target.c_str(), &old) != 0) {
        // A new file appears complete or not at all.
        return errno == ENOENT && ReplaceByRename(target, nullptr, bytes) == Replaced::Done;
    }
    // A folder, FIFO or device is nothing to replace or write into.
    if (!S_ISREG(old.st_mode)) return false;
    // A write-protected file stays as it is, even where its folder would let
    // a new file take its place.
    if (faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return false;
    // A new file would split the hard links: the other names would keep the old content.
    if (old.st_nlink > 1) return WriteInPlace(target, bytes);
    switch (ReplaceByRename(target, &old, bytes)) {
    case Replaced::Done:
        return true;
    case Replaced::NotPossible:
        return WriteInPlace(target, bytes);
    case Replaced::Failed:
        break;
    }
    return false;
}

} // namespace qbx

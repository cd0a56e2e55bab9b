#include "platform/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qbx {

CRegularFileBuffer::~CRegularFileBuffer() {
    if (fd >= 0) close(fd);
}

int OpenRegularFile(const std::string& path) {
    // O_NONBLOCK: opening a FIFO without a writer would wait for one.
    int opened = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (opened < 0) return -1;
    struct stat status {};
    if (fstat(opened, &status) != 0 || !S_ISREG(status.st_mode)) {
        int error = errno;
        if (status.st_mode != 0) error = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
        close(opened);
        errno = error;
        return -1;
    }
    int flags = fcntl(opened, F_GETFL);
    if (flags >= 0) fcntl(opened, F_SETFL, flags & ~O_NONBLOCK);
    return opened;
}

bool CRegularFileBuffer::Open(const std::string& path) {
    int opened = OpenRegularFile(path);
    if (opened < 0) return false;
    if (fd >= 0) close(fd);
    fd = opened;
    failed = false;
    setg(buffer, buffer, buffer);
    return true;
}

CRegularFileBuffer::int_type CRegularFileBuffer::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (fd < 0) return traits_type::eof();
    ssize_t n;
    do {
        n = read(fd, buffer, sizeof buffer);
    } while (n < 0 && errno == EINTR);
    // A read error ends the text like the end of the file; the readers then
    // give their format's own result for a short file.
    if (n < 0) failed = true;
    if (n <= 0) return traits_type::eof();
    setg(buffer, buffer, buffer + n);
    return traits_type::to_int_type(*gptr());
}

bool ReadFilePrefix(const std::string& path, std::size_t limit, std::string& bytes, bool* more) {
    CRegularFileBuffer file;
    if (!file.Open(path)) return false;
    // Piece by piece: the limit is far above what these files hold, and
    // taking it whole would allocate and clear it for every read.
    std::string text;
    char piece[4096];
    while (text.size() < limit) {
        const std::size_t want = std::min(sizeof piece, limit - text.size());
        const std::streamsize got = file.sgetn(piece, static_cast<std::streamsize>(want));
        if (got <= 0) break;
        text.append(piece, static_cast<std::size_t>(got));
        if (static_cast<std::size_t>(got) < want) break; // the end of the file
    }
    if (file.Failed()) return false;
    if (more) *more = text.size() == limit && file.sgetc() != std::streambuf::traits_type::eof();
    bytes = std::move(text);
    return true;
}

void DropCutLine(std::string& bytes) {
    std::size_t lastFeed = bytes.rfind('\n');
    bytes.erase(lastFeed == std::string::npos ? 0 : lastFeed + 1);
}

} // namespace qbx

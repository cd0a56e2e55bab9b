#include "sim/trace.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qbx::sim {

namespace {

void Stamp(std::FILE* file) {
    const std::int64_t now = NowMicroseconds();
    std::fprintf(file, "%lld.%06lld", static_cast<long long>(now / 1000000),
                 static_cast<long long>(now % 1000000));
}

} // namespace

std::int64_t NowMicroseconds() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

// Emptied only once it is known to be a regular file: a device or a FIFO
// named as the trace (it may have taken the name since the start's look)
// is never written, and the open does not wait for a FIFO's reader.
bool CTrace::Open(const std::string& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    struct stat info {};
    const bool regular = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (regular && ftruncate(fd, 0) == 0 && fcntl(fd, F_SETFL, 0) == 0) file.reset(fdopen(fd, "w"));
    if (file) return true;
    const int error = regular ? errno : EINVAL;
    close(fd);
    errno = error;
    return false;
}

// Flushed line by line: the trace is most wanted when the run ends badly.
void CTrace::Chunk(const char* direction, const std::uint8_t* data, std::size_t len) {
    if (!file) return;
    Stamp(file.get());
    std::fprintf(file.get(), " %s %zu:", direction, len);
    for (std::size_t i = 0; i < len; ++i)
        std::fprintf(file.get(), " %02X", data[i]);
    std::fputc('\n', file.get());
    std::fflush(file.get());
}

void CTrace::Note(const std::string& text) {
    if (!file) return;
    Stamp(file.get());
    std::fprintf(file.get(), " -- %s\n", text.c_str());
    std::fflush(file.get());
}

} // namespace qbx::sim

#include "sim/trace.h"

#include <chrono>

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

bool CTrace::Open(const std::string& path) {
    file.reset(std::fopen(path.c_str(), "w"));
    return IsOpen();
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

#pragma once
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

// The simulator's wire log: one line per chunk read or written, stamped with
// the monotonic clock (seconds.microseconds, the same clock the program's
// own trace uses), so both sides of a session can be laid side by side.
namespace qbx::sim {

std::int64_t NowMicroseconds();

class CTrace {
  public:
    // Starts a fresh file; false when it cannot be created.
    bool Open(const std::string& path);
    bool IsOpen() const { return file != nullptr; }

    // "<stamp> in 8: 20 10 18 00 00 00 00 48"
    void Chunk(const char* direction, const std::uint8_t* data, std::size_t len);
    // "<stamp> -- <text>" for events such as connections.
    void Note(const std::string& text);

  private:
    struct CCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, CCloser> file;
};

} // namespace qbx::sim

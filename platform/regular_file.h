#pragma once
#include <cstddef>
#include <streambuf>
#include <string>

namespace qbx {

// No longer path opens (PATH_MAX); readers of files that hold paths read no
// more than that per line.
constexpr std::size_t kLongestPath = 4096;

// Opens a regular file for reading without ever waiting; -1 with errno set
// (EISDIR for a folder, EINVAL for a FIFO or device) for anything else.
int OpenRegularFile(const std::string& path);

// Reads a regular file and nothing else: a FIFO would block in open (and
// then in every read), a device never ends, a folder has no text. The open
// itself never waits.
class CRegularFileBuffer : public std::streambuf {
  public:
    CRegularFileBuffer() = default;
    ~CRegularFileBuffer() override;
    CRegularFileBuffer(const CRegularFileBuffer&) = delete;
    CRegularFileBuffer& operator=(const CRegularFileBuffer&) = delete;

    // False, with errno set, when `path` is missing, unreadable or no regular file.
    bool Open(const std::string& path);
    bool IsOpen() const { return fd >= 0; }
    // A read failed; the text ended there.
    bool Failed() const { return failed; }

  protected:
    int_type underflow() override;

  private:
    int fd = -1;
    bool failed = false;
    char buffer[8192];
};

// At most `limit` bytes from the start of a regular file. False when it does
// not open (see CRegularFileBuffer) or a read fails. `more` tells whether the
// file holds bytes past the limit.
bool ReadFilePrefix(const std::string& path, std::size_t limit, std::string& bytes, bool* more = nullptr);

// Drops a last line that the limit of ReadFilePrefix cut off: what is left
// are whole lines only.
void DropCutLine(std::string& bytes);

} // namespace qbx

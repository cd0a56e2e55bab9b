#pragma once
#include <array>
#include <cstddef>
#include <string>

namespace qbx {

// A program, firmware or welcome-page file read front to back, as the C
// library reads a file opened in text mode on the system these files come
// from: a CR LF pair reads as a single LF (a lone CR stays). Nothing is ever
// read twice and only a small fixed buffer is held, so memory does not grow
// with the file.
class CTextStream {
  public:
    static constexpr int kEnd = -1;

    CTextStream() = default;
    ~CTextStream();
    CTextStream(const CTextStream&) = delete;
    CTextStream& operator=(const CTextStream&) = delete;

    // Opens the regular file `path` for reading (never waiting on a FIFO).
    // 0, or the errno of the failed open (EISDIR, EINVAL for no regular file).
    int Open(const std::string& path);
    // Reads from a descriptor that the caller keeps open and closes.
    void Attach(int descriptor);
    void Close();
    bool IsOpen() const { return fd >= 0; }

    // The next character (0 to 255), or kEnd at the end of the file.
    int Get();
    // The character Get would return, without taking it.
    int Peek();
    // True when a read error, not the end of the file, ended the stream.
    bool Failed() const { return failed; }

  private:
    // Tries to have `count` raw bytes buffered; false when fewer are left.
    bool Fill(std::size_t count);

    int fd = -1;
    bool owned = false;
    bool ended = false;
    bool failed = false;
    std::size_t position = 0;
    std::size_t length = 0;
    std::array<unsigned char, 4096> buffer{};
};

} // namespace qbx

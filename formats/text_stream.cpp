#include "formats/text_stream.h"

#include "platform/regular_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace qbx {

CTextStream::~CTextStream() {
    Close();
}

int CTextStream::Open(const std::string& path) {
    Close();
    int descriptor = OpenRegularFile(path);
    if (descriptor < 0) return errno != 0 ? errno : EIO;
    Attach(descriptor);
    owned = true;
    return 0;
}

void CTextStream::Attach(int descriptor) {
    Close();
    fd = descriptor;
}

void CTextStream::Close() {
    if (owned && fd >= 0) ::close(fd);
    fd = -1;
    owned = false;
    ended = failed = false;
    position = length = 0;
}

bool CTextStream::Fill(std::size_t count) {
    if (length - position >= count) return true;
    if (fd < 0 || ended) return false;
    std::memmove(buffer.data(), buffer.data() + position, length - position);
    length -= position;
    position = 0;
    while (length < count) {
        ssize_t got = ::read(fd, buffer.data() + length, buffer.size() - length);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            ended = true;
            failed = got < 0;
            return false;
        }
        length += static_cast<std::size_t>(got);
    }
    return true;
}

int CTextStream::Peek() {
    if (!Fill(1)) return kEnd;
    int c = buffer[position];
    if (c == '\r' && Fill(2) && buffer[position + 1] == '\n') return '\n';
    return c;
}

int CTextStream::Get() {
    int c = Peek();
    if (c == kEnd) return kEnd;
    // A CR LF pair is taken whole; Peek has buffered both bytes.
    position += (c == '\n' && buffer[position] == '\r') ? 2 : 1;
    return c;
}

} // namespace qbx

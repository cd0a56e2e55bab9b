#pragma once
#include "formats/text_stream.h"

#include <string>
#include <sys/mman.h>
#include <unistd.h>

// A CTextStream over a text held in an anonymous in-memory file.
class TextSource {
  public:
    explicit TextSource(const std::string& text) : fd(memfd_create("qbx-text", MFD_CLOEXEC)) {
        std::size_t written = 0;
        while (fd >= 0 && written < text.size()) {
            ssize_t n = write(fd, text.data() + written, text.size() - written);
            if (n <= 0) break;
            written += static_cast<std::size_t>(n);
        }
        if (fd >= 0) lseek(fd, 0, SEEK_SET);
        stream.Attach(fd);
    }
    ~TextSource() {
        stream.Close();
        if (fd >= 0) close(fd);
    }
    TextSource(const TextSource&) = delete;
    TextSource& operator=(const TextSource&) = delete;

    qbx::CTextStream& Stream() { return stream; }

    // The rest of the stream, to see where a reader stopped.
    std::string Rest() {
        std::string rest;
        for (int c = stream.Get(); c != qbx::CTextStream::kEnd; c = stream.Get())
            rest.push_back(static_cast<char>(c));
        return rest;
    }

  private:
    int fd;
    qbx::CTextStream stream;
};

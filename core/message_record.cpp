#include "core/message_record.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace qbx {

void RecordShownMessage(int group, int number) {
    const char* path = std::getenv(kMessageRecordVariable);
    if (path == nullptr || *path == '\0') return;
    char line[32];
    int length = std::snprintf(line, sizeof line, "%d.%03d\n", group, number);
    if (length <= 0 || length >= static_cast<int>(sizeof line)) return;
    int fd = open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY, 0644);
    if (fd < 0) return;
    [[maybe_unused]] ssize_t written = write(fd, line, static_cast<size_t>(length));
    close(fd);
}

} // namespace qbx

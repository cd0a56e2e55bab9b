#include "sim/fd_line.h"

#include <cerrno>
#include <ctime>
#include <poll.h>
#include <unistd.h>

namespace qbx::sim {

namespace {

// Waits for `events` on `fd` (or only for the stop signal with fd -1), at
// most `waitUs` microseconds (-1 = no limit). False when a stop is pending.
bool PollWithStop(int fd, short events, int stopFd, std::int64_t waitUs) {
    pollfd fds[2] = {{stopFd, POLLIN, 0}, {fd, events, 0}};
    timespec limit{static_cast<time_t>(waitUs / 1000000), static_cast<long>(waitUs % 1000000) * 1000};
    const int result = ppoll(fds, fd >= 0 ? 2 : 1, waitUs < 0 ? nullptr : &limit, nullptr);
    return !(result > 0 && (fds[0].revents & POLLIN) != 0);
}

} // namespace

CFdLine::CFdLine(const CStopSignal& stopSignal, CTrace& lineTrace, CLinePacer& linePacer, bool whole)
    : stop(stopSignal), trace(lineTrace), pacer(linePacer), wholeReplies(whole) {}

void CFdLine::Attach(int lineFd) {
    fd = lineFd;
    cut = false;
    failed = false;
}

void CFdLine::Send(const CBytes& bytes) {
    if (fd < 0 || cut || failed || bytes.empty()) return;
    if (!pacer.Enabled()) {
        WriteAll(bytes.data(), bytes.size());
        return;
    }
    const std::int64_t start = pacer.Reserve(bytes.size(), NowMicroseconds());
    if (wholeReplies) {
        if (WaitUntil(pacer.DoneAt(start, bytes.size() - 1))) WriteAll(bytes.data(), bytes.size());
        return;
    }
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        if (!WaitUntil(pacer.DoneAt(start, sent))) return;
        const std::size_t done = pacer.DoneBy(start, NowMicroseconds(), bytes.size());
        if (!WriteAll(bytes.data() + sent, done - sent)) return;
        sent = done;
    }
}

bool CFdLine::WaitUntil(std::int64_t dueUs) {
    for (;;) {
        const std::int64_t now = NowMicroseconds();
        if (now >= dueUs) return true;
        if (!PollWithStop(-1, 0, stop.Fd(), dueUs - now)) return false;
    }
}

bool CFdLine::WriteAll(const std::uint8_t* data, std::size_t len) {
    while (len > 0) {
        const ssize_t written = write(fd, data, len);
        if (written > 0) {
            trace.Chunk("out", data, static_cast<std::size_t>(written));
            data += written;
            len -= static_cast<std::size_t>(written);
        } else if (written < 0 && errno == EINTR) {
            continue;
        } else if (written < 0 && errno == EAGAIN) {
            if (!PollWithStop(fd, POLLOUT, stop.Fd(), -1)) return false;
        } else {
            failed = true;
            trace.Note("write failed");
            return false;
        }
    }
    return true;
}

} // namespace qbx::sim

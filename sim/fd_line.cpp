#include "sim/fd_line.h"

#include <algorithm>
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

// Wire time of one slice of a paced reply over the pty: short enough that a
// reader sees long replies arrive as they go, long enough that a block costs
// a write or two instead of one per byte.
constexpr std::int64_t kSliceUs = 4000;
// The last part of a paced wait, spent checking the clock instead of asleep.
constexpr std::int64_t kSpinUs = 80;
// Between the two pieces of a split reply: far longer than a reader takes
// to pick up the first piece, far shorter than its time-out.
constexpr std::int64_t kSplitPauseUs = 100000;

} // namespace

CFdLine::CFdLine(const CStopSignal& stopSignal, CTrace& lineTrace, CLinePacer& linePacer, bool whole,
                 CAdapterHold hold)
    : stop(stopSignal), trace(lineTrace), pacer(linePacer), incoming(linePacer.Baud()),
      sliceBytes(linePacer.BytesIn(kSliceUs)), wholeReplies(whole), adapter(hold) {}

void CFdLine::Attach(int lineFd) {
    fd = lineFd;
    adapter.Clear();
    inAdapter.clear();
    cut = false;
    failed = false;
}

// The device has said all it has to say for now; the adapter's timer lets
// the rest go.
void CFdLine::EndBurst() {
    bursting = false;
    WriteHeld();
    DrainAdapter();
}

void CFdLine::WriteHeld() {
    if (held.empty()) return;
    if (fd >= 0 && !cut && !failed) WriteAll(held.data(), held.size());
    held.clear();
}

// What was said before the cut still goes out first.
void CFdLine::Cut() {
    WriteHeld();
    DrainAdapter();
    cut = true;
}

void CFdLine::Received(std::size_t len) {
    if (!incoming.Enabled() || len == 0) return;
    heardUs = incoming.DoneAt(incoming.Reserve(len, NowMicroseconds()), len - 1);
}

// Each piece leaves when the line would have carried its last byte: never
// early, and never later than the pacing asks for.
void CFdLine::Send(const CBytes& bytes) {
    if (fd < 0 || cut || failed || bytes.empty()) return;
    if (adapter.Enabled()) {
        SendThroughAdapter(bytes);
        return;
    }
    if (!pacer.Enabled()) {
        if (bursting)
            held.insert(held.end(), bytes.begin(), bytes.end());
        else
            WriteAll(bytes.data(), bytes.size());
        return;
    }
    const std::int64_t start = pacer.Reserve(bytes.size(), std::max(NowMicroseconds(), heardUs));
    const std::size_t piece = wholeReplies ? bytes.size() : sliceBytes;
    for (std::size_t sent = 0; sent < bytes.size();) {
        const std::size_t end = std::min(bytes.size(), sent + piece);
        if (!WaitUntil(pacer.DoneAt(start, end - 1)) || !WriteAll(bytes.data() + sent, end - sent)) return;
        sent = end;
    }
}

// Each byte comes off the wire when the pacing says and waits in the
// adapter; what the adapter lets go is written when it does.
void CFdLine::SendThroughAdapter(const CBytes& bytes) {
    const std::int64_t now = NowMicroseconds();
    const std::int64_t start = pacer.Reserve(bytes.size(), std::max(now, heardUs));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        inAdapter.push_back(bytes[i]);
        if (!Release(adapter.Take(pacer.DoneAt(start, i)))) return;
    }
}

bool CFdLine::Release(const CAdapterHold::Release& release) {
    if (release.count == 0) return true;
    const auto end = inAdapter.begin() + static_cast<long>(release.count);
    const bool ok = WaitUntil(release.atUs) && WriteAll(inAdapter.data(), release.count);
    inAdapter.erase(inAdapter.begin(), end);
    return ok;
}

void CFdLine::DrainAdapter() {
    if (fd >= 0 && !cut && !failed)
        Release(adapter.Drain());
    else
        adapter.Clear();
    inAdapter.clear();
}

void CFdLine::SendInTwo(const CBytes& bytes, std::size_t first) {
    Send(CBytes(bytes.begin(), bytes.begin() + static_cast<long>(first)));
    WriteHeld(); // the reader must see the first piece alone
    DrainAdapter();
    if (!WaitUntil(NowMicroseconds() + kSplitPauseUs)) return;
    Send(CBytes(bytes.begin() + static_cast<long>(first), bytes.end()));
}

// The timer wakes the process some tens of microseconds late, which over a
// transfer of many blocks adds up to per cents of its time. So the sleep ends
// a little early and the last stretch is spent watching the clock.
bool CFdLine::WaitUntil(std::int64_t dueUs) {
    for (;;) {
        const std::int64_t now = NowMicroseconds();
        if (now >= dueUs) return true;
        if (dueUs - now > kSpinUs && !PollWithStop(-1, 0, stop.Fd(), dueUs - now - kSpinUs)) return false;
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

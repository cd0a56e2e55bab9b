#include "sim/line_loop.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace qbx::sim {

namespace {

constexpr std::size_t kReadChunk = 4096;

} // namespace

ELineEnd ServeLine(int fd, IDeviceSide& side, CFdLine& line, const CLineSetup& setup) {
    std::uint8_t buffer[kReadChunk];
    for (;;) {
        if (line.IsCut()) return ELineEnd::Cut;
        if (line.Failed()) return ELineEnd::Failed;
        pollfd fds[2] = {{setup.stop.Fd(), POLLIN, 0}, {fd, POLLIN, 0}};
        const int result = poll(fds, 2, side.WantsQuietCall() ? setup.quietMs : -1);
        if (result < 0 && errno == EINTR) continue;
        if (result < 0) return ELineEnd::Failed;
        if (fds[0].revents & POLLIN) return ELineEnd::Stopped;
        if (result == 0) {
            line.BeginBurst();
            side.OnQuiet();
            line.EndBurst();
            continue;
        }
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got > 0) {
            setup.trace.Chunk("in", buffer, static_cast<std::size_t>(got));
            line.Received(static_cast<std::size_t>(got));
            line.BeginBurst();
            side.Feed(buffer, static_cast<std::size_t>(got));
            line.EndBurst();
        } else if (got == 0) {
            return ELineEnd::Closed;
        } else if (errno != EINTR && errno != EAGAIN) {
            return errno == ECONNRESET ? ELineEnd::Closed : ELineEnd::Failed;
        }
    }
}

} // namespace qbx::sim

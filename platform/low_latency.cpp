#include "platform/low_latency.h"

#include <linux/serial.h>
#include <sys/ioctl.h>
#include <utility>

namespace qbx {

SerialIoctl SystemSerialIoctl() {
    return [](int fd, unsigned long request, void* argument) { return ::ioctl(fd, request, argument); };
}

CLowLatency::CLowLatency(SerialIoctl ioctl) : call(ioctl ? std::move(ioctl) : SystemSerialIoctl()) {}

bool CLowLatency::Request(int fd) {
    changed = false;
    serial_struct settings{};
    if (fd < 0 || call(fd, TIOCGSERIAL, &settings) != 0) return false;
    if ((settings.flags & ASYNC_LOW_LATENCY) != 0) return false;
    settings.flags |= ASYNC_LOW_LATENCY;
    changed = call(fd, TIOCSSERIAL, &settings) == 0;
    return changed;
}

// Read afresh, so that only the one flag goes back and nothing the driver
// changed meanwhile is overwritten with what it was at the open.
void CLowLatency::Restore(int fd) {
    if (!changed || fd < 0) return;
    changed = false;
    serial_struct settings{};
    if (call(fd, TIOCGSERIAL, &settings) != 0) return;
    settings.flags &= ~ASYNC_LOW_LATENCY;
    (void)call(fd, TIOCSSERIAL, &settings);
}

} // namespace qbx

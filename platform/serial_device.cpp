#include "platform/serial_device.h"

#include "platform/monotonic_clock.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace qbx {
namespace {

// FillBuffer: woken, but the descriptor had nothing after all.
constexpr int kNothingYet = -2;

int ClassifyOpenError(int error) {
    if (error == ENOENT) return kSerialMissing;
    if (error == EACCES || error == EBUSY || error == EWOULDBLOCK) return kSerialInUse;
    return kSerialOtherError;
}

speed_t SpeedFor(std::uint32_t baudRate) {
    switch (baudRate) {
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 230400:
        return B230400;
    default:
        return B115200; // the bootloaders speak nothing else
    }
}

// A line another program holds in exclusive mode (TIOCEXCL, as modem
// managers do) without a lock. Its further opens fail with EBUSY, except
// root's: then this open got through and must give the line up untouched.
// A kernel that cannot tell counts as not exclusive.
bool HeldExclusively(int fd) {
    int exclusive = 0;
    return ::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
}

// Opens and locks; returns the descriptor or -1 with errno set. Only a
// terminal is taken: a file, a pipe or /dev/null named as a port would
// take the requests and hand back nonsense or nothing. The kind is checked
// before the open where it can be, so that such a path is never opened for
// writing, and with isatty afterwards for other character devices.
int OpenLocked(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return -1;
    if (!S_ISCHR(info.st_mode)) {
        errno = ENOTTY;
        return -1;
    }
    // Non-blocking, so that opening a line without carrier does not wait.
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    int error = 0;
    if (!::isatty(fd))
        error = ENOTTY;
    else if (HeldExclusively(fd))
        error = EBUSY;
    else if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        error = errno;
    if (error != 0) {
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

// Outcome of one wait for readiness.
enum class EWait { Ready, TimedOut, Failed };

// Waits until `deadline` at the latest for `wanted` on `fd`. A signal does
// not stretch the wait: the time left is taken from the deadline again.
EWait WaitFor(int fd, short wanted, const CDeadline& deadline, const WaitHook& hook) {
    pollfd entry{fd, wanted, 0};
    const int ready = PollCallingHook(entry, &deadline, hook);
    if (ready > 0) return EWait::Ready;
    return ready == 0 ? EWait::TimedOut : EWait::Failed;
}

} // namespace

void CSerialDevice::Attach(int descriptor) {
    Close();
    fd = descriptor;
}

int CSerialDevice::Open(const std::string& path, int& error) {
    Close();
    error = 0;
    int handle = OpenLocked(path);
    if (handle < 0) {
        error = errno;
        return ClassifyOpenError(error);
    }
    fd = handle;
    return kSerialOpened;
}

void CSerialDevice::Close() {
    bufferedStart = bufferedEnd = 0;
    awaitingAnswer = true;
    if (fd < 0) return;
    lowLatency.Restore(fd);
    ::close(fd); // also releases the lock
    fd = -1;
}

bool CSerialDevice::SetRawLine(std::uint32_t baudRate) {
    termios line{};
    if (fd < 0 || tcgetattr(fd, &line) != 0) return false;
    cfmakeraw(&line);
    line.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL);
    line.c_cflag |= CS8 | CLOCAL | CREAD;
    line.c_iflag &= ~(IXON | IXOFF | IXANY);
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
    cfsetispeed(&line, SpeedFor(baudRate));
    cfsetospeed(&line, SpeedFor(baudRate));
    return tcsetattr(fd, TCSANOW, &line) == 0;
}

void CSerialDevice::SetModemLines(bool dtr, bool rts) {
    if (fd < 0) return;
    int dtrBit = TIOCM_DTR;
    int rtsBit = TIOCM_RTS;
    (void)::ioctl(fd, dtr ? TIOCMBIS : TIOCMBIC, &dtrBit);
    (void)::ioctl(fd, rts ? TIOCMBIS : TIOCMBIC, &rtsBit);
}

void CSerialDevice::DiscardInput() {
    bufferedStart = bufferedEnd = 0;
    if (fd < 0) return;
    int pending = 0;
    if (!classic && ::ioctl(fd, FIONREAD, &pending) == 0 && pending == 0) return;
    (void)tcflush(fd, TCIFLUSH);
}

int CSerialDevice::TakeBuffered(std::uint8_t* data, int len) {
    int n = std::min(len, bufferedEnd - bufferedStart);
    std::memcpy(data, buffered + bufferedStart, static_cast<size_t>(n));
    bufferedStart += n;
    if (bufferedStart == bufferedEnd) bufferedStart = bufferedEnd = 0;
    return n;
}

// One read of what the driver holds now, without waiting: the count, 0 at
// the end of input (a terminal in raw mode reads 0 only once it has hung
// up, since the caller has seen it ready), kNothingYet when a wake-up
// brought nothing, or -1 when the device failed.
int CSerialDevice::FillBuffer() {
    for (;;) {
        ssize_t n = ::read(fd, buffered + bufferedEnd, sizeof buffered - static_cast<size_t>(bufferedEnd));
        if (n >= 0) {
            bufferedEnd += static_cast<int>(n);
            return static_cast<int>(n);
        }
        if (errno == EINTR) continue;
        return errno == EAGAIN ? kNothingYet : -1;
    }
}

// Waits only where a read would block. Right after a request the answer
// cannot be in yet, so the wait comes first, as it does once part of an
// answer is in; a further read of an answer already under way (the rest of
// a reply whose head was read) tries the line first, since the rest has
// usually arrived meanwhile. A raw line reads 0 when it has nothing; 0 right
// after a wake-up means it has hung up.
int CSerialDevice::Read(std::uint8_t* data, int len, int timeoutMs) {
    if (fd < 0) return -1;
    if (classic) return ReadClassic(data, len, timeoutMs);
    CDeadline deadline(timeoutMs);
    int got = TakeBuffered(data, len);
    bool readFirst = !awaitingAnswer;
    while (got < len) {
        bool woken = false;
        if (!readFirst) {
            EWait waited = WaitFor(fd, POLLIN, deadline, waitHook);
            if (waited == EWait::TimedOut) break;
            if (waited == EWait::Failed) return got > 0 ? got : -1;
            woken = true;
        }
        readFirst = false;
        int n = FillBuffer();
        if (n == -1) return got > 0 ? got : -1;
        if (n > 0) {
            got += TakeBuffered(data + got, len - got);
            awaitingAnswer = false;
        }
        if ((n == 0 && woken) || deadline.Expired()) break;
    }
    return got;
}

int CSerialDevice::ReadClassic(std::uint8_t* data, int len, int timeoutMs) {
    CDeadline deadline(timeoutMs);
    int got = TakeBuffered(data, len);
    while (got < len) {
        EWait waited = WaitFor(fd, POLLIN, deadline, waitHook);
        if (waited == EWait::TimedOut) break;
        if (waited == EWait::Failed) return got > 0 ? got : -1;
        int n = FillBuffer();
        if (n == -1) return got > 0 ? got : -1;
        if (n > 0) got += TakeBuffered(data + got, len - got);
        // Ready but at the end of input (a hung-up line): nothing more will
        // come, and asking again would only spin.
        if (n == 0 || deadline.Expired()) break;
    }
    return got;
}

int CSerialDevice::Write(const std::uint8_t* data, int len, int timeoutMs) {
    if (fd < 0) return -1;
    awaitingAnswer = true;
    CDeadline deadline(timeoutMs);
    int put = 0;
    while (put < len) {
        ssize_t n = ::write(fd, data + put, static_cast<size_t>(len - put));
        if (n > 0) {
            put += static_cast<int>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) return put > 0 ? put : -1;
        if (deadline.Expired() || WaitFor(fd, POLLOUT, deadline, waitHook) != EWait::Ready) break;
    }
    return put;
}

int ProbeSerialDevice(const std::string& path, int& error) {
    error = 0;
    int fd = OpenLocked(path);
    if (fd < 0) {
        error = errno;
        return ClassifyOpenError(error);
    }
    ::close(fd);
    return kSerialOpened;
}

} // namespace qbx

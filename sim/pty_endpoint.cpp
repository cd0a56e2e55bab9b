#include "sim/pty_endpoint.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include "sim/loopback_plug.h"

namespace qbx::sim {

namespace {

bool MakeRaw(int fd) {
    termios line{};
    if (tcgetattr(fd, &line) != 0) return false;
    cfmakeraw(&line);
    return tcsetattr(fd, TCSANOW, &line) == 0;
}

std::string LinkTarget(const std::string& path) {
    char target[PATH_MAX];
    const ssize_t length = readlink(path.c_str(), target, sizeof target - 1);
    return length < 0 ? std::string() : std::string(target, static_cast<std::size_t>(length));
}

} // namespace

CPtyEndpoint::~CPtyEndpoint() {
    if (!linkPath.empty() && LinkTarget(linkPath) == slavePath) unlink(linkPath.c_str());
    if (slaveFd >= 0) close(slaveFd);
    if (masterFd >= 0) close(masterFd);
}

bool CPtyEndpoint::Create(int& error) {
    error = 0;
    masterFd = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    char name[PATH_MAX];
    if (masterFd < 0 || grantpt(masterFd) != 0 || unlockpt(masterFd) != 0 ||
        ptsname_r(masterFd, name, sizeof name) != 0) {
        error = errno;
        return false;
    }
    slavePath = name;
    slaveFd = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slaveFd < 0 || !MakeRaw(slaveFd) || fcntl(masterFd, F_SETFL, O_NONBLOCK) != 0) {
        error = errno;
        return false;
    }
    return true;
}

bool CPtyEndpoint::Link(const std::string& path, int& error) {
    error = 0;
    if (symlink(slavePath.c_str(), path.c_str()) != 0) {
        struct stat old {};
        if (errno != EEXIST || lstat(path.c_str(), &old) != 0 || !S_ISLNK(old.st_mode) ||
            unlink(path.c_str()) != 0 || symlink(slavePath.c_str(), path.c_str()) != 0) {
            error = errno;
            return false;
        }
    }
    linkPath = path;
    return true;
}

bool CPtyEndpoint::Hold(int& error) {
    // flock is what stops another Quillbox; TIOCEXCL is how modem managers
    // hold a line, refusing further opens except to root.
    error = 0;
    if (flock(slaveFd, LOCK_EX | LOCK_NB) != 0 || ioctl(slaveFd, TIOCEXCL) != 0) {
        error = errno;
        return false;
    }
    return true;
}

bool CPtyEndpoint::Serve(IDeviceSide& side, CFdLine& line, const CLineSetup& setup) {
    line.Attach(masterFd);
    ELineEnd end = ServeLine(masterFd, side, line, setup);
    if (end == ELineEnd::Cut) {
        setup.trace.Note("line cut");
        CPulledCable cable;
        line.Attach(-1); // nothing goes out any more
        end = ServeLine(masterFd, cable, line, setup);
    }
    line.Attach(-1);
    return end == ELineEnd::Stopped;
}

} // namespace qbx::sim

// Finding out why a serial port cannot be used: the process that holds
// it, the group it takes to open it.
#include "link/serial_transport.h"
#include "operations/port_diagnosis.h"
#include "platform/port_holder.h"
#include "platform/serial_device.h"
#include "tests/operations/scan_host.h"
#include "tests/support/child_run.h"
#include "tests/support/temp_folder.h"

#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qbx {
namespace {

struct Pty {
    int master = -1;
    std::string slave;
    Pty() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0) slave = ptsname(master);
    }
    ~Pty() {
        if (master >= 0) close(master);
    }
};

// How a holder keeps the port: only open, locked as another Quillbox locks
// it, or in exclusive mode without a lock, as modem managers hold a line.
enum class EHold { Open, Lock, Exclusive };

// A child named "port-holder" that opens `path` and holds it as `hold` says
// until the returned pipe closes. Its PID, 0 on failure.
pid_t StartHolder(const std::string& path, EHold hold, int& release) {
    int ready[2], done[2];
    if (pipe(ready) != 0 || pipe(done) != 0) return 0;
    std::fflush(stdout);
    pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_NAME, "port-holder");
        close(ready[0]);
        close(done[1]);
        int fd = open(path.c_str(), O_RDWR | O_NOCTTY);
        if (fd < 0 || (hold == EHold::Lock && flock(fd, LOCK_EX | LOCK_NB) != 0) ||
            (hold == EHold::Exclusive && ioctl(fd, TIOCEXCL) != 0))
            _exit(1);
        char byte = 1;
        (void)!write(ready[1], &byte, 1);
        (void)!read(done[0], &byte, 1);
        _exit(0);
    }
    close(ready[1]);
    close(done[0]);
    char byte = 0;
    bool started = read(ready[0], &byte, 1) == 1;
    close(ready[0]);
    release = done[1];
    return started ? pid : 0;
}

void StopHolder(pid_t pid, int release) {
    close(release);
    waitpid(pid, nullptr, 0);
}

// A port locked or held in exclusive mode is in use even to root, whose
// open of an exclusive line gets through.
TEST(PortHolder, NamesTheProcessThatLocksOrOpensThePort) {
    struct {
        EHold hold;
        int probed;
        int error;
    } const cases[] = {
        {EHold::Open, kSerialOpened, 0},
        {EHold::Lock, kSerialInUse, EWOULDBLOCK},
        {EHold::Exclusive, kSerialInUse, EBUSY},
    };
    for (const auto& c : cases) {
        const int row = static_cast<int>(c.hold);
        Pty pty;
        ASSERT_FALSE(pty.slave.empty());
        int release = -1;
        pid_t pid = StartHolder(pty.slave, c.hold, release);
        ASSERT_GT(pid, 0);
        CPortHolder holder;
        EXPECT_TRUE(FindPortHolder(pty.slave, holder)) << row;
        EXPECT_EQ(holder.pid, pid) << row;
        EXPECT_EQ(holder.name, "port-holder");
        EXPECT_EQ(holder.lockFile, "");
        int error = 0;
        EXPECT_EQ(ProbeSerialDevice(pty.slave, error), c.probed) << row;
        EXPECT_EQ(error, c.error) << row;
        if (c.probed == kSerialInUse) {
            CScanHost host;
            EXPECT_EQ(PortDiagnosis(host, 3, pty.slave, kPortInUse, error, {}),
                      "held by port-holder " + std::to_string(pid));
        }
        StopHolder(pid, release);
        EXPECT_FALSE(FindPortHolder(pty.slave, holder)) << "nobody holds it any more";
    }
}

TEST(PortHolder, FollowsALiveLockFileOnly) {
    TempFolder folder;
    folder.Write("ttyQ7", ""); // stands for a device nobody has open
    int release = -1;
    pid_t pid = StartHolder("/dev/null", EHold::Open, release);
    ASSERT_GT(pid, 0);
    char text[16];
    std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(pid));
    folder.Write("LCK..ttyQ7", text);
    CPortHolder holder;
    ASSERT_TRUE(
        FindPortHolder(folder.File("ttyQ7"), "/proc", {folder.Path() + "/none", folder.Path()}, holder));
    EXPECT_EQ(holder.pid, pid);
    EXPECT_EQ(holder.name, "port-holder");
    EXPECT_EQ(holder.lockFile, folder.File("LCK..ttyQ7"));
    StopHolder(pid, release);
    // The holder is gone: its lock file is stale and names nobody.
    EXPECT_FALSE(FindPortHolder(folder.File("ttyQ7"), "/proc", {folder.Path()}, holder));
}

// Joining the group helps only where the group may read and write.
TEST(PortHolder, PermissionDeniedSaysWhoMayOpenThePort) {
    if (!test::RunsAsRoot()) GTEST_SKIP() << "needs root to hand the device to a group";
    const group* dialout = getgrnam("dialout");
    const gid_t dialoutGid = dialout ? dialout->gr_gid : 0;
    const std::string dialoutName = dialout ? "dialout" : "root";
    struct {
        gid_t gid;
        mode_t mode;
        bool groupMayOpen;
    } const cases[] = {
        {dialoutGid, 0660, true},
        {0, 0600, false},
        {dialoutGid, 0640, false},
    };
    for (const auto& c : cases) {
        Pty pty;
        ASSERT_FALSE(pty.slave.empty());
        ASSERT_EQ(chown(pty.slave.c_str(), 0, c.gid), 0);
        ASSERT_EQ(chmod(pty.slave.c_str(), c.mode), 0);
        const std::string expected =
            c.groupMayOpen ? "group " + dialoutName : "owner only " + pty.slave + " root";
        test::RunInChild({.unprivileged = true}, [&] {
            int error = 0;
            EXPECT_EQ(ProbeSerialDevice(pty.slave, error), kSerialInUse);
            EXPECT_EQ(error, EACCES);
            CScanHost host;
            EXPECT_EQ(PortDiagnosis(host, 2, pty.slave, kPortInUse, error, {}), expected)
                << std::oct << c.mode;
        });
    }
}

TEST(PortHolder, OtherStatesSayWhatTheyCan) {
    CScanHost host;
    EXPECT_EQ(PortDiagnosis(host, 1, "/dev/null", kPortOtherError, ENOTTY, {}), "not a terminal /dev/null");
    EXPECT_EQ(PortDiagnosis(host, 1, "/dev/ttyS0", kPortOtherError, EIO, {}), "");
    EXPECT_EQ(PortDiagnosis(host, 1, "/dev/ttyS0", kPortPresent, 0, {}), "");
    // A missing port names only the serial devices no other port maps.
    std::vector<std::string> present = SerialDevicesPresent({});
    std::string missing = PortDiagnosis(host, 4, "/nowhere", kPortMissing, ENOENT, present);
    EXPECT_EQ(missing, "");
    if (!present.empty()) {
        EXPECT_EQ(PortDiagnosis(host, 4, "/nowhere", kPortMissing, ENOENT, {})
                      .rfind("missing /nowhere; present /dev/", 0),
                  0u);
    }
}

} // namespace
} // namespace qbx

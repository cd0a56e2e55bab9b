// The serial port against paths and descriptors that are no healthy line:
// nothing but a terminal is taken, and no read outlives its deadline.
#include "link/serial_transport.h"
#include "platform/adapter_latency.h"
#include "platform/serial_device.h"
#include "platform/serial_device_names.h"
#include "tests/support/bounded_child.h"
#include "tests/support/temp_folder.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qbx {
namespace {

using test::RunBounded;

struct NotAPort {
    const char* name;
    // Makes the path in `folder` (or names a system one) and returns it.
    std::function<std::string(const TempFolder&)> make;
};

void PrintTo(const NotAPort& c, std::ostream* out) {
    *out << c.name;
}

const NotAPort kNotAPort[] = {
    {"DevNull", [](const TempFolder&) { return std::string("/dev/null"); }},
    {"PlainFile",
     [](const TempFolder& f) {
         f.Write("com1", "left as it is\n");
         return f.File("com1");
     }},
    {"ReadOnlyFile",
     [](const TempFolder& f) {
         f.Write("com1", "read only\n");
         chmod(f.File("com1").c_str(), 0444);
         return f.File("com1");
     }},
    {"Fifo",
     [](const TempFolder& f) {
         mkfifo(f.File("com1").c_str(), 0600);
         return f.File("com1");
     }},
    {"Folder", [](const TempFolder& f) { return f.Path(); }},
    {"LinkToFile",
     [](const TempFolder& f) {
         f.Write("target", "behind a link\n");
         std::filesystem::create_symlink(f.File("target"), f.File("com1"));
         return f.File("com1");
     }},
};

class NotATerminal : public testing::TestWithParam<NotAPort> {
  protected:
    void TearDown() override { unsetenv("QUILLBOX_COM1"); }
};

// Open result 3 with ENOTTY, before anything is written; the enumeration
// agrees, and the file keeps its bytes and its time stamp.
TEST_P(NotATerminal, IsRefusedAtOpenAndInTheEnumeration) {
    TempFolder folder;
    const std::string path = GetParam().make(folder);
    setenv("QUILLBOX_COM1", path.c_str(), 1);
    struct stat before {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    const std::string content = std::filesystem::is_regular_file(path) ? folder.Read("com1") : "";

    CSerialTransport port(1, 115200, SerialTiming{0, 50});
    int error = 0;
    EXPECT_EQ(port.Open(error), kOpenFailed);
    EXPECT_EQ(error, ENOTTY);
    const std::uint8_t request[] = {0x20, 0x10, 0x18, 0, 0, 0, 0, 0x48};
    EXPECT_EQ(port.Write(request, 8), -1);

    int state[1] = {}, errors[1] = {};
    EnumerateSerialPorts(state, errors, 1);
    EXPECT_EQ(state[0], kPortOtherError);
    EXPECT_EQ(errors[0], ENOTTY);

    struct stat after {};
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_size, before.st_size);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    if (!content.empty()) {
        EXPECT_EQ(folder.Read("com1"), content);
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, NotATerminal, testing::ValuesIn(kNotAPort),
                         [](const auto& info) { return std::string(info.param.name); });

struct OddDescriptor {
    const char* name;
    // Runs in the child: the descriptor to read from (its other end, if any, stays as set up).
    std::function<int()> open;
    int expected; // what a read of 5 bytes returns
};

void PrintTo(const OddDescriptor& c, std::ostream* out) {
    *out << c.name;
}

int PipeWithoutWriter() {
    int ends[2];
    if (pipe2(ends, O_NONBLOCK) != 0) return -1;
    close(ends[1]);
    return ends[0];
}

int SocketOfClosedPeer() {
    int pair[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0, pair) != 0) return -1;
    close(pair[1]);
    return pair[0];
}

// A line that stays silent while signals keep arriving.
int SilentLineUnderSignals() {
    int ends[2];
    if (pipe2(ends, O_NONBLOCK) != 0) return -1;
    test::StartSignalStorm(2000);
    return ends[0]; // the write end stays open: no end of input, just nothing
}

int FileOfTwoBytes() {
    char name[] = "/tmp/quillbox-serial-XXXXXX";
    int fd = mkstemp(name);
    unlink(name);
    if (fd < 0 || write(fd, "\x40\x10", 2) != 2) return -1;
    lseek(fd, 0, SEEK_SET);
    return fd;
}

const OddDescriptor kOddDescriptors[] = {
    {"DevNull", [] { return open("/dev/null", O_RDWR | O_NONBLOCK); }, 0},
    {"FileAtItsEnd", FileOfTwoBytes, 2},
    {"PipeWithoutWriter", PipeWithoutWriter, 0},
    {"SocketOfClosedPeer", SocketOfClosedPeer, 0},
    {"SilentLineUnderSignals", SilentLineUnderSignals, 0},
};

class ReadDeadline : public testing::TestWithParam<OddDescriptor> {};

// Whatever the descriptor does, a read with a deadline of 100 ms is over
// well within a second (the child is stopped after two, which fails).
TEST_P(ReadDeadline, HoldsWhateverTheDescriptorDoes) {
    constexpr int kDeadlineMs = 100;
    const OddDescriptor& c = GetParam();
    test::CBoundedRun run = RunBounded(
        [&c] {
            int fd = c.open();
            if (fd < 0) return 200;
            CSerialDevice device;
            device.Attach(fd);
            std::uint8_t buffer[5] = {};
            int got = device.Read(buffer, 5, kDeadlineMs);
            got = device.Read(buffer, 5, kDeadlineMs) + got; // and again: nothing left over
            return 100 + got;
        },
        2000);
    ASSERT_TRUE(run.finished) << "the read did not return";
    EXPECT_EQ(run.exitCode, 100 + c.expected);
    EXPECT_LT(run.elapsedMs, 1000);
}

INSTANTIATE_TEST_SUITE_P(Descriptors, ReadDeadline, testing::ValuesIn(kOddDescriptors),
                         [](const auto& info) { return std::string(info.param.name); });

// An adapter as udev shows it: dev/ttyUSB0 (here a link to a pty's slave)
// and the stable name by-id/usb-Maker_Cable-if00-port0 -> ../ttyUSB0.
struct FakeAdapter {
    TempFolder folder;
    int master = -1, slave = -1;
    std::string slavePath;
    FakeAdapter() {
        char name[256] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0) return;
        slavePath = name;
        std::filesystem::create_directories(folder.File("dev/serial/by-id"));
        std::filesystem::create_symlink(slavePath, folder.File("dev/ttyUSB0"));
        std::filesystem::create_symlink("../../ttyUSB0", ByIdFolder() + "/usb-Maker_Cable-if00-port0");
        std::filesystem::create_symlink("../../ttyUSB9", ByIdFolder() + "/usb-Maker_Unplugged-if00-port0");
    }
    ~FakeAdapter() {
        close(master);
        close(slave);
    }
    std::string ByIdFolder() const { return folder.File("dev/serial/by-id"); }
};

struct MappedName {
    const char* name;
    const char* mapped; // under the fake tree, "pty" for the slave itself, or absolute
    const char* device; // expected, likewise
    const char* byId;   // expected, likewise; "" for none
    int openResult;     // of COM1 mapped to it
};

void PrintTo(const MappedName& c, std::ostream* out) {
    *out << c.name;
}

const MappedName kMappedNames[] = {
    {"ByIdName", "dev/serial/by-id/usb-Maker_Cable-if00-port0", "pty",
     "dev/serial/by-id/usb-Maker_Cable-if00-port0", kOpenOk},
    {"DeviceWithByIdName", "dev/ttyUSB0", "pty", "dev/serial/by-id/usb-Maker_Cable-if00-port0", kOpenOk},
    {"ByIdNameUnplugged", "dev/serial/by-id/usb-Maker_Unplugged-if00-port0",
     "dev/serial/by-id/usb-Maker_Unplugged-if00-port0", "dev/serial/by-id/usb-Maker_Unplugged-if00-port0",
     kOpenNotFound},
    {"DeviceWithoutByIdName", "/dev/null", "/dev/null", "", kOpenFailed},
    {"Missing", "dev/ttyUSB7", "dev/ttyUSB7", "", kOpenNotFound},
};

class ByIdMapping : public testing::TestWithParam<MappedName> {
  protected:
    void TearDown() override { unsetenv("QUILLBOX_COM1"); }
};

// A COM port may be mapped to the adapter's stable name: it opens the device
// behind it, and the scan can name both.
TEST_P(ByIdMapping, NamesTheDeviceAndItsStableName) {
    FakeAdapter adapter;
    ASSERT_FALSE(adapter.slavePath.empty());
    auto inTree = [&adapter](const std::string& name) {
        if (name.empty() || name[0] == '/') return name;
        return name == "pty" ? adapter.slavePath : adapter.folder.File(name);
    };
    const MappedName& c = GetParam();
    SerialDeviceNames names = NamesOfSerialDevice(inTree(c.mapped), adapter.ByIdFolder());
    EXPECT_EQ(names.device, inTree(c.device));
    EXPECT_EQ(names.byId, inTree(c.byId));

    setenv("QUILLBOX_COM1", inTree(c.mapped).c_str(), 1);
    CSerialTransport port(1, 115200, SerialTiming{0, 50});
    int error = 0;
    EXPECT_EQ(port.Open(error), c.openResult);
}

// The driver's latency_timer attribute of the tty's USB device, in a fake
// tree: found by the name the mapped path ends at, and only a number counts.
TEST(AdapterLatency, ReadsTheTimerOfTheDeviceBehindThePath) {
    struct Case {
        const char* name;
        const char* attribute; // nullptr: the tty has none
        int expected;
    };
    const Case cases[] = {
        {"default", "16\n", 16},
        {"low", "1\n", 1},
        {"none", nullptr, kNoLatencyTimer},
        {"empty", "", kNoLatencyTimer},
        {"garbage", "fast\n", kNoLatencyTimer},
        {"huge", "123456789\n", kNoLatencyTimer},
    };
    for (const Case& c : cases) {
        TempFolder sysfs, dev;
        dev.Write("ttyUSB0", "");
        std::filesystem::create_directories(sysfs.File("class/tty/ttyUSB0/device"));
        if (c.attribute) sysfs.Write("class/tty/ttyUSB0/device/latency_timer", c.attribute);
        std::filesystem::create_symlink(dev.File("ttyUSB0"), dev.File("usb-Maker_Cable-if00-port0"));
        EXPECT_EQ(AdapterLatencyTimer(dev.File("ttyUSB0"), sysfs.Path()), c.expected) << c.name;
        EXPECT_EQ(AdapterLatencyTimer(dev.File("usb-Maker_Cable-if00-port0"), sysfs.Path()), c.expected)
            << c.name << " through a by-id link";
        EXPECT_EQ(AdapterLatencyTimer(dev.File("ttyUSB1"), sysfs.Path()), kNoLatencyTimer) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Names, ByIdMapping, testing::ValuesIn(kMappedNames),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qbx

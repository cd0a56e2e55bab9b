#include "link/serial_transport.h"
#include "platform/monotonic_clock.h"

#include <cerrno>
#include <cstdlib>
#include <gtest/gtest.h>
#include <linux/serial.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace qbx {
namespace {

// A pseudo-terminal whose slave stands in for COM3; the test plays the
// device on the master side.
class SerialTransportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char name[256] = {};
        ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
        slavePath = name;
        setenv("QUILLBOX_COM3", name, 1);
    }
    void TearDown() override {
        for (const char* variable : {"QUILLBOX_COM1", "QUILLBOX_COM2", "QUILLBOX_COM3"})
            unsetenv(variable);
        close(master);
        close(slave);
    }
    // Production time-outs by default, but no settling pause.
    CSerialTransport& OpenPort(int readBaseMs = 500) {
        port = std::make_unique<CSerialTransport>(3, 115200, SerialTiming{0, readBaseMs});
        int error = -1;
        EXPECT_EQ(port->Open(error), kOpenOk);
        EXPECT_EQ(error, 0);
        return *port;
    }
    void DeviceSends(const std::string& bytes) {
        ASSERT_EQ(write(master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
        pollfd entry{slave, POLLIN, 0}; // until the line has delivered them
        ASSERT_EQ(poll(&entry, 1, 2000), 1);
    }
    std::string DeviceReceives(size_t count) {
        std::string got(count, '\0');
        size_t have = 0;
        for (pollfd entry{master, POLLIN, 0}; have < count && poll(&entry, 1, 2000) == 1;) {
            ssize_t n = read(master, got.data() + have, count - have);
            if (n <= 0) break;
            have += static_cast<size_t>(n);
        }
        return got.substr(0, have);
    }

    int master = -1, slave = -1;
    std::string slavePath;
    std::unique_ptr<CSerialTransport> port;
};

TEST_F(SerialTransportTest, ShortReadReturnsWhatCameByTheDeadline) {
    CSerialTransport& link = OpenPort();
    DeviceSends("\x01\x02\x03");
    std::uint8_t buffer[5] = {};
    std::int64_t start = MonotonicMilliseconds();
    EXPECT_EQ(link.Read(buffer, 5), 3);
    std::int64_t elapsed = MonotonicMilliseconds() - start;
    EXPECT_GE(elapsed, 505);
    EXPECT_LT(elapsed, 800);
}

// With a wait hook the read waits in slices: the device's bytes that come
// meanwhile are all read, and the deadline holds as without one.
TEST_F(SerialTransportTest, AHookedReadTakesWhatComesMeanwhileAndKeepsItsDeadline) {
    CSerialTransport& link = OpenPort(200);
    int calls = 0;
    link.SetWaitHook([&] {
        if (++calls == 2) DeviceSends("\x01\x02");
    });
    std::uint8_t buffer[5] = {};
    std::int64_t start = MonotonicMilliseconds();
    EXPECT_EQ(link.Read(buffer, 5), 2);
    EXPECT_GE(MonotonicMilliseconds() - start, 205);
    EXPECT_EQ(buffer[1], 0x02);
    const int afterRead = calls;
    link.Pause(100); // the fixed pauses hand over too
    EXPECT_GE(calls - afterRead, 2);
}

TEST_F(SerialTransportTest, CompleteReadReturnsAtOnce) {
    CSerialTransport& link = OpenPort();
    DeviceSends(std::string("\x21\x43\xA2\x1A\x00", 5));
    std::uint8_t buffer[5] = {};
    std::int64_t start = MonotonicMilliseconds();
    EXPECT_EQ(link.Read(buffer, 5), 5);
    EXPECT_LT(MonotonicMilliseconds() - start, 100);
}

TEST_F(SerialTransportTest, RawLineAndWriteDiscardsStaleInput) {
    CSerialTransport& link = OpenPort(50);
    // Bytes a cooked terminal would swallow or translate must pass untouched.
    const std::string raw("\x03\x0D\x11\x13\x00\xFF\x7F\x0A", 8);
    DeviceSends(raw);
    std::uint8_t buffer[8] = {};
    ASSERT_EQ(link.Read(buffer, 8), 8);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 8), raw);
    DeviceSends("\xEE\xEE"); // never read: the next write drops it
    EXPECT_EQ(link.Write(reinterpret_cast<const std::uint8_t*>(raw.data()), 8), 8);
    EXPECT_EQ(DeviceReceives(8), raw);
    DeviceSends("\x21"); // already an answer: a second write of the request keeps it
    EXPECT_EQ(link.Write(reinterpret_cast<const std::uint8_t*>(raw.data()), 8), 8);
    EXPECT_EQ(DeviceReceives(8), raw);
    EXPECT_EQ(link.Read(buffer, 3), 1);
    EXPECT_EQ(buffer[0], 0x21);
}

TEST_F(SerialTransportTest, ReplyReadInPiecesAndLeftoversDroppedByTheNextWrite) {
    CSerialTransport& link = OpenPort(50);
    DeviceSends(std::string("\x21\x43\x01\x80\x55\x66", 6));
    std::uint8_t buffer[6] = {};
    ASSERT_EQ(link.Read(buffer, 3), 3); // the status first, the rest after it
    ASSERT_EQ(link.Read(buffer + 3, 2), 2);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 5), std::string("\x21\x43\x01\x80\x55", 5));
    // One byte of that reply was never asked for; a request throws it away.
    const std::uint8_t ack[2] = {0x21, 0x43};
    EXPECT_EQ(link.Write(ack, 2), 2);
    EXPECT_EQ(link.Read(buffer, 1), 0);
    DeviceSends("\x07");
    EXPECT_EQ(link.Read(buffer, 1), 1);
    EXPECT_EQ(buffer[0], 0x07);
}

TEST_F(SerialTransportTest, MissingPortIsNotFound) {
    setenv("QUILLBOX_COM1", "/nonexistent/qbx-port", 1);
    CSerialTransport missing(1, 115200, SerialTiming{0});
    int error = 0;
    EXPECT_EQ(missing.Open(error), kOpenNotFound);
    EXPECT_EQ(error, ENOENT);
    std::uint8_t byte = 0;
    EXPECT_EQ(missing.Read(&byte, 1), -1);
    missing.Close(); // nothing open: harmless
}

TEST_F(SerialTransportTest, PortHeldByAnotherOpenIsInUseUntilClosed) {
    CSerialTransport& first = OpenPort();
    CSerialTransport second(3, 115200, SerialTiming{0});
    int error = 0;
    EXPECT_EQ(second.Open(error), kOpenDenied);
    EXPECT_EQ(error, EWOULDBLOCK);

    setenv("QUILLBOX_COM1", slavePath.c_str(), 1);
    setenv("QUILLBOX_COM2", "/nonexistent/qbx-port", 1);
    int state[3] = {}, errors[3] = {};
    EnumerateSerialPorts(state, errors, 3);
    EXPECT_EQ(state[0], kPortInUse); // COM1 names the same device as COM3
    EXPECT_EQ(state[1], kPortMissing);
    EXPECT_EQ(errors[1], ENOENT);
    EXPECT_EQ(state[2], kPortInUse);

    first.Close();
    EnumerateSerialPorts(state, errors, 1);
    EXPECT_EQ(state[0], kPortPresent);
    EXPECT_EQ(errors[0], 0);
    EXPECT_EQ(second.Open(error), kOpenOk);
    second.Close();
    EXPECT_EQ(second.Open(error), kOpenOk); // and again after Close
}

// A driver's serial flags as the low-latency request sees them.
struct FakeDriver {
    bool takesGet;
    bool takesSet;
    int flags;
    int sets = 0;
    int Call(unsigned long request, void* argument) {
        auto* settings = static_cast<serial_struct*>(argument);
        if (request == TIOCGSERIAL && takesGet) {
            *settings = serial_struct{};
            settings->flags = flags;
            return 0;
        }
        if (request == TIOCSSERIAL && takesSet) {
            ++sets;
            flags = settings->flags;
            return 0;
        }
        errno = ENOTTY;
        return -1;
    }
};

struct LatencyCase {
    const char* name;
    FakeDriver driver;
    int flagsWhileOpen;
    int flagsAfterClose;
    int sets;
};

void PrintTo(const LatencyCase& c, std::ostream* out) {
    *out << c.name;
}

constexpr int kOther = ASYNC_SKIP_TEST; // a flag of the driver's own, kept throughout
const LatencyCase kLatencyCases[] = {
    {"TakesTheFlag", {true, true, kOther}, kOther | ASYNC_LOW_LATENCY, kOther, 2},
    {"AlreadyLow",
     {true, true, kOther | ASYNC_LOW_LATENCY},
     kOther | ASYNC_LOW_LATENCY,
     kOther | ASYNC_LOW_LATENCY,
     0},
    {"RefusesTheQuery", {false, true, kOther}, kOther, kOther, 0},
    {"RefusesTheChange", {true, false, kOther}, kOther, kOther, 0},
};

class LowLatency : public SerialTransportTest, public testing::WithParamInterface<LatencyCase> {};

// Whatever the driver does, the port opens and carries bytes, and the
// driver is left with the flags it had.
TEST_P(LowLatency, IsAskedForOnOpenAndUndoneOnClose) {
    FakeDriver driver = GetParam().driver;
    auto seam = [&driver](int, unsigned long request, void* argument) {
        return driver.Call(request, argument);
    };
    CSerialTransport link(3, 115200, SerialTiming{0, 50}, {seam, {}});
    int error = -1;
    ASSERT_EQ(link.Open(error), kOpenOk);
    EXPECT_EQ(driver.flags, GetParam().flagsWhileOpen);
    DeviceSends("\x21");
    std::uint8_t byte = 0;
    EXPECT_EQ(link.Read(&byte, 1), 1);
    link.Close();
    EXPECT_EQ(driver.flags, GetParam().flagsAfterClose);
    EXPECT_EQ(driver.sets, GetParam().sets);
    link.Close(); // a second close changes nothing more
    EXPECT_EQ(driver.sets, GetParam().sets);
}

INSTANTIATE_TEST_SUITE_P(Drivers, LowLatency, testing::ValuesIn(kLatencyCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qbx

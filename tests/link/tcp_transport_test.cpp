#include "link/tcp_transport.h"
#include "platform/monotonic_clock.h"
#include "tests/support/bounded_child.h"

#include <arpa/inet.h>
#include <cerrno>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace qbx {
namespace {

constexpr std::uint8_t kAck = 0x06;

// A socket bound to 127.0.0.1 on a port the system picked.
int BoundSocket(unsigned& port) {
    int s = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (s < 0 || bind(s, reinterpret_cast<sockaddr*>(&address), size) != 0) return -1;
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
    port = ntohs(address.sin_port);
    return s;
}

class TcpTransportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        listener = BoundSocket(port);
        ASSERT_EQ(listen(listener, 4), 0);
    }
    void TearDown() override {
        if (peer >= 0) close(peer);
        close(listener);
    }
    // Connects `link` and takes the device's end of the connection.
    void Connect(CTcpTransport& link) {
        int error = -1;
        ASSERT_EQ(link.Open(error), kOpenOk);
        EXPECT_EQ(error, 0);
        if (peer >= 0) close(peer);
        peer = accept(listener, nullptr, nullptr);
        ASSERT_GE(peer, 0);
    }
    std::int64_t TimedRead(CTcpTransport& link, int expected) {
        std::uint8_t buffer[5];
        std::int64_t start = MonotonicMilliseconds();
        EXPECT_EQ(link.Read(buffer, 5), expected);
        return MonotonicMilliseconds() - start;
    }

    int listener = -1, peer = -1;
    unsigned port = 0;
};

TEST_F(TcpTransportTest, OneSendAndOneReceivePerCall) {
    CTcpTransport link("localhost", port, TcpTiming{200, 50});
    EXPECT_TRUE(link.IsNetwork());
    Connect(link);
    const std::uint8_t request[] = {0x20, 0x10, 0x18, 0, 0, 0, 0, 0x48};
    EXPECT_EQ(link.Write(request, 8), 8);
    std::uint8_t got[8] = {};
    ASSERT_EQ(recv(peer, got, 8, MSG_WAITALL), 8);
    EXPECT_EQ(got[7], 0x48);
    ASSERT_EQ(send(peer, "\x21\x43", 2, 0), 2);
    TimedRead(link, 2); // what one receive delivers, though 5 were asked
}

TEST_F(TcpTransportTest, SilenceReadsZeroAfterTheTimeOut) {
    CTcpTransport link("127.0.0.1", port, TcpTiming{200, 50});
    Connect(link);
    std::int64_t elapsed = TimedRead(link, 0);
    EXPECT_GE(elapsed, 45);
    EXPECT_LT(elapsed, 1000);
}

TEST_F(TcpTransportTest, PeerCloseReadsZeroAtOnce) {
    CTcpTransport link("127.0.0.1", port, TcpTiming{200, 5000});
    Connect(link);
    shutdown(peer, SHUT_WR);
    EXPECT_LT(TimedRead(link, 0), 1000);
}

// What a reply brought beyond what was read (the rest of an echo, a longer
// answer) is gone once the next request is written, as on the serial line.
TEST_F(TcpTransportTest, WriteDropsTheUnreadRestOfTheLastReply) {
    CTcpTransport link("127.0.0.1", port, TcpTiming{200, 200});
    Connect(link);
    const std::uint8_t request[] = {0x20, 0x10, 0x18, 0, 0, 0, 0, 0x48};
    ASSERT_EQ(send(peer, request, 8, 0), 8); // an echo
    std::uint8_t got[5] = {};
    ASSERT_EQ(link.Read(got, 5), 5);
    EXPECT_EQ(link.Write(request, 8), 8);
    std::uint8_t seen[8] = {};
    ASSERT_EQ(recv(peer, seen, 8, MSG_WAITALL), 8);
    ASSERT_EQ(send(peer, "\x40\x10\xA3\x82\x75", 5, 0), 5);
    // A further write before any read belongs to the same request: the
    // answer already there stays.
    EXPECT_EQ(link.Write(request, 8), 8);
    ASSERT_EQ(recv(peer, seen, 8, MSG_WAITALL), 8);
    ASSERT_EQ(link.Read(got, 5), 5);
    EXPECT_EQ(got[2], 0xA3); // not 0x48, the last byte of the old echo
    EXPECT_EQ(got[3], 0x82);
}

// Signals arriving all the time neither stretch the wait nor end it early.
TEST_F(TcpTransportTest, SignalsDoNotStretchTheReadTimeOut) {
    CTcpTransport link("127.0.0.1", port, TcpTiming{200, 100});
    Connect(link);
    test::CBoundedRun run = test::RunBounded(
        [&link] {
            test::StartSignalStorm(2000);
            std::uint8_t buffer[5];
            std::int64_t start = MonotonicMilliseconds();
            int got = link.Read(buffer, 5);
            return got == 0 && MonotonicMilliseconds() - start >= 95 ? 0 : 1;
        },
        2000);
    ASSERT_TRUE(run.finished) << "the read did not return";
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_LT(run.elapsedMs, 1000);
}

// A read that signals cut into pieces waited only what was left each time;
// the next read, with quiet again, still gets its whole time-out.
TEST_F(TcpTransportTest, AReadAfterInterruptedOnesWaitsItsWholeTimeOut) {
    CTcpTransport link("127.0.0.1", port, TcpTiming{200, 100});
    Connect(link);
    test::CBoundedRun run = test::RunBounded(
        [&link] {
            test::StartSignalStorm(3000);
            std::uint8_t buffer[5];
            if (link.Read(buffer, 5) != 0) return 1;
            test::StartSignalStorm(0);
            std::int64_t start = MonotonicMilliseconds();
            if (link.Read(buffer, 5) != 0) return 2;
            return MonotonicMilliseconds() - start >= 95 ? 0 : 3;
        },
        3000);
    ASSERT_TRUE(run.finished) << "a read did not return";
    EXPECT_EQ(run.exitCode, 0);
}

// A peer that reads nothing: a write the socket cannot take whole returns
// what went out once its time-out has passed, instead of waiting for the
// peer.
TEST_F(TcpTransportTest, AWriteThePeerDoesNotTakeEndsWithItsTimeOut) {
    CTcpTransport link("127.0.0.1", port, TcpTiming{100, 200});
    Connect(link);
    test::CBoundedRun run = test::RunBounded(
        [&link] {
            std::vector<std::uint8_t> flood(16 << 20, 0x5A);
            const int size = static_cast<int>(flood.size());
            int first = link.Write(flood.data(), size);
            if (first <= 0 || first >= size) return 1;
            // The socket is full now: what little room frees up goes, then
            // the wait runs out.
            std::int64_t start = MonotonicMilliseconds();
            if (link.Write(flood.data(), size) >= size / 2) return 2;
            return MonotonicMilliseconds() - start >= 95 ? 0 : 3;
        },
        3000);
    ASSERT_TRUE(run.finished) << "a write waited for the peer";
    EXPECT_EQ(run.exitCode, 0);
}

TEST_F(TcpTransportTest, WriteToResetConnectionFailsWithoutSignal) {
    CTcpTransport link("127.0.0.1", port, TcpTiming{200, 200});
    Connect(link);
    linger hard{1, 0}; // reset instead of an orderly close
    setsockopt(peer, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    close(peer);
    peer = -1;
    // Without MSG_NOSIGNAL the process would die of SIGPIPE here.
    std::uint8_t byte = 0;
    int result = 0;
    for (int i = 0; i < 3 && result >= 0; ++i)
        result = link.Write(&byte, 1);
    EXPECT_EQ(result, -1);
    link.Close();
    EXPECT_EQ(link.Write(&byte, 1), -1);
    Connect(link); // opening again connects anew
    EXPECT_EQ(link.Write(&byte, 1), 1);
}

// With a wait hook the waits are sliced and each call is made without
// blocking; what the link reads, writes and reports must not change.
TEST_F(TcpTransportTest, AHookedLinkReadsAndTimesOutAsAnUnhookedOne) {
    struct Case {
        const char* what;
        int peerSendsAtCall; // the hook's call at which the device answers; 0: never
        bool peerCloses;
        int expected;
    } cases[] = {
        {"an answer that comes during the wait", 3, false, 2},
        {"silence until the time-out", 0, false, 0},
        {"the device hanging up", 0, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CTcpTransport link("127.0.0.1", port, TcpTiming{200, 300});
        int calls = 0;
        link.SetWaitHook([&] {
            if (++calls == c.peerSendsAtCall) {
                EXPECT_EQ(send(peer, "\x21\x43", 2, 0), 2);
            }
        });
        Connect(link);
        EXPECT_EQ(link.Write(&kAck, 1), 1);
        if (c.peerCloses) shutdown(peer, SHUT_WR);
        std::uint8_t got = 0;
        ASSERT_EQ(recv(peer, &got, 1, MSG_WAITALL), 1);
        const std::int64_t elapsed = TimedRead(link, c.expected);
        if (c.expected == 0 && !c.peerCloses) {
            EXPECT_GE(elapsed, 295);
            EXPECT_GE(calls, 3); // the window had its turns through the wait
        }
    }
    unsigned closedPort = 0;
    close(BoundSocket(closedPort));
    CTcpTransport refused("127.0.0.1", closedPort);
    refused.SetWaitHook([] {});
    int error = 0;
    EXPECT_EQ(refused.Open(error), kOpenDenied);
    EXPECT_EQ(error, ECONNREFUSED);
}

TEST(TcpTransportOpen, FailuresMapToTheirResults) {
    unsigned closedPort = 0;
    close(BoundSocket(closedPort)); // bound once, nobody listens: refused
    struct {
        const char* host;
        unsigned port;
        int result, error;
    } cases[] = {{"127.0.0.1", closedPort, kOpenDenied, ECONNREFUSED},
                 {"nonexistent.invalid", 40000, kOpenFailed, EINVAL},
                 {"127.0.0.1", 70000, kOpenFailed, EINVAL}};
    for (const auto& c : cases) {
        CTcpTransport link(c.host, c.port);
        int error = 0;
        EXPECT_EQ(link.Open(error), c.result) << c.host;
        EXPECT_EQ(error, c.error) << c.host;
    }
}

} // namespace
} // namespace qbx

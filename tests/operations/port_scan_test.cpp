// The interface scan and the TCP status check: texts, probe order and
// attempts over scripted links, then real pseudo-terminals and simulators.
#include "link/identification.h"
#include "link/serial_transport.h"
#include "operations/port_scan.h"
#include "operations/tcp_status.h"
#include "tests/link/scripted_transport.h"
#include "tests/operations/scan_host.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_folder.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace qbx {
namespace {

using test::Bytes;
using test::CScriptedTransport;

struct TextCase {
    std::uint8_t type, version;
    bool known;
    ProbeTexts texts;
};

TEST(ScanTexts, SerialScanShowsTypeVersionAndState) {
    const TextCase cases[] = {
        {0xA2, 27, true, {"A2", "2.7", "B.V."}},
        {0xA3, 0x95, true, {"A3", "1.49", "B.V."}},
        {0xA3, 0, true, {"FU", "0.0", "B.V.U."}},
        {0xA8, 30, true, {"A8", "3.0", "B.V."}},
        {0xD1, 105, true, {"D1", "10.5", "B.V."}},
        {0x11, 0, true, {"FU", "0.0", "B.V.U."}},
        {0x12, 7, true, {"FU", "0.0", "B.V.U."}},
        {0x17, 5, false, {}},
        {0, 0, false, {}}, // an echo or nothing
    };
    for (const TextCase& c : cases) {
        ProbeTexts texts;
        ASSERT_EQ(ScanDeviceTexts(NormaliseId(c.type, c.version), texts), c.known) << int(c.type);
        if (!c.known) continue;
        EXPECT_EQ(texts.type, c.texts.type) << int(c.type);
        EXPECT_EQ(texts.version, c.texts.version) << int(c.type);
        EXPECT_EQ(texts.status, c.texts.status) << int(c.type);
    }
}

TEST(ScanTexts, TcpCheckKnowsFewerTypesAndShowsHundredths) {
    const TextCase cases[] = {
        {0xA3, 0x95, true, {"A3", "1.49", "B.V."}},
        {0xA3, 0, true, {"FU", "0.00", "B.V.U."}},
        {0xA8, 30, true, {"A8", "0.30", "B.V."}},
        {0xD1, 0, true, {"D1", "0.00", "B.V."}},
        {0xA2, 27, false, {}},
        {0x11, 0, false, {}},
    };
    for (const TextCase& c : cases) {
        ProbeTexts texts;
        ASSERT_EQ(TcpDeviceTexts(NormaliseId(c.type, c.version), texts), c.known) << int(c.type);
        if (!c.known) continue;
        EXPECT_EQ(texts.type, c.texts.type) << int(c.type);
        EXPECT_EQ(texts.version, c.texts.version) << int(c.type);
        EXPECT_EQ(texts.status, c.texts.status) << int(c.type);
    }
    EXPECT_EQ(ErrorStatusText(113), "E.N.: 113");
}

// Ports mapped to paths in a temporary folder, so that no real device of
// the machine takes part.
class ScanEnvironment : public testing::Test {
  protected:
    void SetUp() override {
        for (int port = 1; port <= kScanPortCount; ++port)
            MapPort(port, folder.File("missing" + std::to_string(port)));
    }
    void TearDown() override {
        for (int port = 1; port <= kScanPortCount; ++port)
            unsetenv(("QUILLBOX_COM" + std::to_string(port)).c_str());
    }
    static void MapPort(int port, const std::string& path) {
        setenv(("QUILLBOX_COM" + std::to_string(port)).c_str(), path.c_str(), 1);
    }
    TempFolder folder;
    CScanHost host;
};

class CRecordingView : public CPortScanView {
  public:
    void PortStarted(int port) override { events += "S" + std::to_string(port); }
    void PortFinished(int port, const PortScanRow&) override { events += "F" + std::to_string(port); }
    std::string events;
};

Bytes Identity(std::uint8_t type, std::uint8_t version) {
    return {0x40, 0x10, type, version, 0};
}

// A transport that failed to open: the port was taken after the enumeration.
class CTakenTransport : public CScriptedTransport {
  public:
    int Open(int& error) override {
        error = EBUSY;
        return kOpenDenied;
    }
};

TEST_F(ScanEnvironment, ProbesOnlyFreePortsUpToSixTimesAndOffersTheHighestAnswer) {
    PortScanOptions options;
    options.enumerate = [](int* state, int* error, int count) {
        const int states[] = {kPortPresent,    kPortMissing, kPortInUse,
                              kPortOtherError, kPortPresent, kPortPresent};
        const int errors[] = {0, ENOENT, EBUSY, EIO, 0, 0};
        for (int i = 0; i < count; ++i)
            state[i] = states[i], error[i] = errors[i];
    };
    std::vector<int> asked;
    options.createTransport = [&asked](int port) -> std::unique_ptr<CTransport> {
        asked.push_back(port);
        auto transport = std::make_unique<CScriptedTransport>();
        if (port == 1) { // answers at the third attempt
            transport->ExpectWrite(std::nullopt).Silence().ExpectWrite(std::nullopt).Silence();
            transport->ExpectWrite(std::nullopt).Answer(Identity(0xA2, 27)).ExpectWrite(test::Ack());
        } else if (port == 5) { // nobody there: six attempts
            for (int i = 0; i < kScanProbeAttempts; ++i)
                transport->ExpectWrite(std::nullopt).Silence();
        } else {
            return std::make_unique<CTakenTransport>();
        }
        return transport;
    };
    CRecordingView view;
    PortScanRows rows = ScanPorts(host, view, options);

    EXPECT_EQ(asked, (std::vector<int>{1, 5, 6}));
    EXPECT_EQ(view.events, "S1F1S2F2S3F3S4F4S5F5S6F6");
    const ProbeTexts expected[] = {{"A2", "2.7", "B.V."},
                                   {kNoDeviceText, kNoDeviceText, "N.A."},
                                   {kNoDeviceText, kNoDeviceText, "C.N.A."},
                                   {kNoDeviceText, kNoDeviceText, "E.N.: 5"},
                                   {kNoDeviceText, kNoDeviceText, "O.K."},
                                   {kNoDeviceText, kNoDeviceText, "C.N.A."}};
    for (int i = 0; i < kScanPortCount; ++i) {
        EXPECT_EQ(rows[i].texts.type, expected[i].type) << "COM" << i + 1;
        EXPECT_EQ(rows[i].texts.version, expected[i].version) << "COM" << i + 1;
        EXPECT_EQ(rows[i].texts.status, expected[i].status) << "COM" << i + 1;
    }
    // Taken between the enumeration and the probe: in use, not free.
    EXPECT_EQ(rows[5].state, kPortInUse);
    EXPECT_EQ(rows[5].error, EBUSY);
    EXPECT_EQ(rows[2].diagnosis, "held unseen");
    EXPECT_EQ(ChosenPort(rows), 1);
    // Each port repaints twice, and every attempt after the first once more.
    EXPECT_EQ(host.pumps, 2 * kScanPortCount + 2 + 5);
}

TEST(ScanChoice, TheHighestPortWithADeviceWins) {
    PortScanRows rows;
    EXPECT_EQ(ChosenPort(rows), 0);
    rows[0].found = rows[2].found = true;
    EXPECT_EQ(ChosenPort(rows), 3);
}

// A pseudo-terminal that nobody answers on.
class CSilentPty {
  public:
    CSilentPty() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0) path = ptsname(master);
    }
    ~CSilentPty() {
        if (master >= 0) close(master);
    }
    std::string path;

  private:
    int master = -1;
};

TEST_F(ScanEnvironment, SimulatorsOnEveryKindOfPort) {
    test::CSimProcess bootloader, held, echo, updating;
    ASSERT_TRUE(bootloader.Start({"--pty", "--kind", "A2", "--version", "27"})) << bootloader.Error();
    ASSERT_TRUE(held.Start({"--pty", "--held"})) << held.Error();
    ASSERT_TRUE(echo.Start({"--pty", "--echo"})) << echo.Error();
    ASSERT_TRUE(updating.Start({"--pty", "--ident", "11:0"})) << updating.Error();
    CSilentPty silent;
    ASSERT_FALSE(silent.path.empty());
    MapPort(2, bootloader.PtyPath());
    MapPort(3, held.PtyPath());
    MapPort(4, silent.path);
    MapPort(5, echo.PtyPath());
    MapPort(6, updating.PtyPath());

    PortScanOptions options;
    options.timing.settleMs = 0;
    options.timing.readBaseMs = 150;
    CRecordingView view;
    PortScanRows rows = ScanPorts(host, view, options);

    const ProbeTexts expected[] = {
        {kNoDeviceText, kNoDeviceText, "N.A."},   {"A2", "2.7", "B.V."},
        {kNoDeviceText, kNoDeviceText, "C.N.A."}, {kNoDeviceText, kNoDeviceText, "O.K."},
        {kNoDeviceText, kNoDeviceText, "O.K."},   {"FU", "0.0", "B.V.U."}};
    for (int i = 0; i < kScanPortCount; ++i) {
        EXPECT_EQ(rows[i].texts.type, expected[i].type) << "COM" << i + 1;
        EXPECT_EQ(rows[i].texts.version, expected[i].version) << "COM" << i + 1;
        EXPECT_EQ(rows[i].texts.status, expected[i].status) << "COM" << i + 1;
    }
    EXPECT_EQ(rows[2].diagnosis, "held by qbx-sim " + std::to_string(held.Pid()));
    EXPECT_EQ(ChosenPort(rows), 6);
}

// A loopback port on which nobody listens.
unsigned RefusingPort() {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    close(s);
    return ntohs(address.sin_port);
}

TEST(TcpStatus, ShowsWhatAnswersAtTheAddress) {
    struct Case {
        std::vector<std::string> sim;
        ProbeTexts texts;
        bool found;
    } cases[] = {
        {{"--kind", "A3", "--version", "149"}, {"A3", "1.49", "B.V."}, true},
        {{"--kind", "A3", "--version", "0"}, {"FU", "0.00", "B.V.U."}, true},
        {{"--kind", "A2"}, {kNoDeviceText, kNoDeviceText, "O.K."}, false},
        {{"--echo"}, {kNoDeviceText, kNoDeviceText, "O.K."}, false},
    };
    for (const Case& c : cases) {
        test::CSimProcess sim;
        std::vector<std::string> arguments = {"--tcp", "0"};
        arguments.insert(arguments.end(), c.sim.begin(), c.sim.end());
        ASSERT_TRUE(sim.Start(arguments)) << sim.Error();
        TcpStatus status = CheckTcpStatus("127.0.0.1", sim.TcpPort());
        EXPECT_EQ(status.openResult, kOpenOk);
        EXPECT_EQ(status.found, c.found) << c.sim[0];
        EXPECT_EQ(status.texts.type, c.texts.type) << c.sim[0];
        EXPECT_EQ(status.texts.version, c.texts.version) << c.sim[0];
        EXPECT_EQ(status.texts.status, c.texts.status) << c.sim[0];
    }
    TcpStatus refused = CheckTcpStatus("127.0.0.1", RefusingPort());
    EXPECT_EQ(refused.openResult, kOpenDenied);
    EXPECT_EQ(refused.texts.status, "C.N.A.");
    EXPECT_EQ(refused.texts.type, kNoDeviceText);
    TcpStatus unresolved = CheckTcpStatus("no-such-host.invalid", 40000);
    EXPECT_EQ(unresolved.texts.status, "E.N.: 22");
}

} // namespace
} // namespace qbx

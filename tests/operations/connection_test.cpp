#include "link/protocol_constants.h"
#include "operations/connection.h"
#include "operations/slot_overview.h"
#include "operations/upload_preparation_messages.h"
#include "recording_host.h"
#include "sim_link.h"

#include <algorithm>

namespace qbx {
namespace {

using upload_preparation::kConnect;

struct ConnectCase {
    const char* name;
    Line line;
    std::vector<std::string> sim;
    std::vector<bool> answers;
    ConnectResult result;
    std::string messages; // numbers of what was shown, questions included
    int family = 0;       // on success
};

void PrintTo(const ConnectCase& c, std::ostream* out) {
    *out << c.name;
}

class ConnectSequence : public testing::TestWithParam<ConnectCase> {};

TEST_P(ConnectSequence, AgainstTheSimulator) {
    const ConnectCase& c = GetParam();
    SimLink link;
    ASSERT_TRUE(link.Start(c.line, c.sim)) << link.sim.Error();
    CRecordingHost host{upload_preparation::kGroup};
    host.answers.assign(c.answers.begin(), c.answers.end());
    std::unique_ptr<CTransport> transport;
    BootloaderId id;
    EXPECT_EQ(Connect(host, kConnect, link.Options(), transport, id), c.result);
    EXPECT_EQ(host.Numbers(), c.messages);
    EXPECT_EQ(transport != nullptr, c.result == ConnectResult::Connected);
    if (c.result == ConnectResult::Connected) {
        EXPECT_EQ(id.family, c.family);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ConnectSequence,
    testing::Values(
        ConnectCase{"Linkbox", Line::Tcp, {"--kind", "A3"}, {}, ConnectResult::Connected, "", 0xA3},
        ConnectCase{"SerialFamily", Line::Serial, {"--kind", "A2"}, {}, ConnectResult::Connected, "", 0xA2},
        ConnectCase{
            "SwitchAccepted", Line::Serial, {"--kind", "A8"}, {true}, ConnectResult::Connected, "7", 0xA2},
        ConnectCase{"AlreadyInTransferMode",
                    Line::Tcp,
                    {"--kind", "D1", "--mode", "C0"},
                    {},
                    ConnectResult::Connected,
                    "",
                    0xA2},
        ConnectCase{"SwitchDeclined", Line::Tcp, {"--kind", "A8"}, {false}, ConnectResult::Declined, "7"},
        ConnectCase{"SwitchRefused",
                    Line::Tcp,
                    {"--kind", "D1", "--refuse-switch"},
                    {true},
                    ConnectResult::Failed,
                    "7 9"},
        ConnectCase{"OldSerialFirmware",
                    Line::Tcp,
                    {"--kind", "A2", "--version", "25"},
                    {},
                    ConnectResult::Failed,
                    "15"},
        ConnectCase{"UnsupportedType", Line::Tcp, {"--ident", "17:5"}, {}, ConnectResult::Failed, "15"},
        ConnectCase{"SilentOnceOverTcp", Line::Tcp, {"--silent", "1"}, {}, ConnectResult::Failed, "6"},
        ConnectCase{"SilentFourTimesOnSerial",
                    Line::Serial,
                    {"--silent", "4"},
                    {},
                    ConnectResult::Connected,
                    "",
                    0xA2},
        ConnectCase{"SilentOnSerial", Line::Serial, {"--silent", "5"}, {}, ConnectResult::Failed, "6"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Connect, RefusalTextsNameTypeAndVersion) {
    for (auto [args, text] :
         {std::pair{std::vector<std::string>{"--version", "25"}, "version 2.5"},
          std::pair{std::vector<std::string>{"--kind", "A3", "--version", "127"}, "version 1.27"},
          std::pair{std::vector<std::string>{"--ident", "A8:30"}, "type 168"}}) {
        SimLink link;
        ASSERT_TRUE(link.Start(Line::Tcp, args));
        CRecordingHost host{upload_preparation::kGroup};
        host.answers = {true};
        std::unique_ptr<CTransport> transport;
        BootloaderId id;
        ConnectOptions options = link.Options();
        options.modeCheck = false;
        EXPECT_EQ(Connect(host, kConnect, options, transport, id), ConnectResult::Failed);
        ASSERT_EQ(host.shown.size(), 1u);
        EXPECT_EQ(host.shown[0].text, text);
    }
}

TEST(Connect, SwitchWaitsForTheDeviceBeforeAskingAgain) {
    SimLink link;
    ASSERT_TRUE(link.Start(Line::Serial, {"--kind", "A8"}));
    CRecordingHost host{upload_preparation::kGroup};
    host.answers = {true};
    std::unique_ptr<CTransport> transport;
    BootloaderId id;
    ASSERT_EQ(Connect(host, kConnect, link.Options(), transport, id), ConnectResult::Connected);
    // identification, the switch's own two seconds, half a second before the new query, identification
    EXPECT_EQ(link.pauses, (std::vector<int>{50, 2000, 500}));
}

TEST(Connect, LinkFailuresBeforeAnyExchange) {
    CRecordingHost host{upload_preparation::kGroup};
    std::unique_ptr<CTransport> transport;
    BootloaderId id;
    CSettings settings;
    ConnectOptions options;
    options.settings = &settings;
    options.timing.serial.settleMs = 0;

    settings.interfaceIndex = 9;
    EXPECT_EQ(Connect(host, kConnect, options, transport, id), ConnectResult::Failed);
    settings.interfaceIndex = 5; // COM6
    setenv("QUILLBOX_COM6", "/nonexistent/quillbox-port", 1);
    EXPECT_EQ(Connect(host, kConnect, options, transport, id), ConnectResult::Failed);
    unsetenv("QUILLBOX_COM6");

    SimLink refused; // a port that was listening a moment ago
    ASSERT_TRUE(refused.Start(Line::Tcp, {}));
    settings = refused.settings;
    refused.sim.Stop();
    EXPECT_EQ(Connect(host, kConnect, options, transport, id), ConnectResult::Failed);

    settings.ipAddress = "nonexistent.invalid";
    EXPECT_EQ(Connect(host, kConnect, options, transport, id), ConnectResult::Failed);
    EXPECT_EQ(host.Numbers(), "2 3 4 5");
    EXPECT_EQ(host.shown.back().text, "[11004] 22");
    EXPECT_EQ(transport, nullptr);
}

// Open result 3 for a port that names no terminal: the text says which file
// the port is, so that the set-up can be mended; other errors keep 11004.
TEST(Connect, PortThatIsNoTerminalNamesItsFile) {
    CRecordingHost host{upload_preparation::kGroup};
    std::unique_ptr<CTransport> transport;
    BootloaderId id;
    CSettings settings;
    settings.interfaceIndex = 2; // COM3
    ConnectOptions options;
    options.settings = &settings;
    options.timing.serial.settleMs = 0;
    setenv("QUILLBOX_COM3", "/dev/null", 1);
    EXPECT_EQ(Connect(host, kConnect, options, transport, id), ConnectResult::Failed);
    unsetenv("QUILLBOX_COM3");
    EXPECT_EQ(host.Numbers(), "5");
    EXPECT_EQ(host.shown.back().text, "[11930] 25 3 /dev/null 3");
    EXPECT_EQ(transport, nullptr);
}

TEST(SlotOverview, ReadsAllSevenAndClears) {
    for (Line line : {Line::Tcp, Line::Serial}) {
        SimLink link;
        ASSERT_TRUE(link.Start(line, {"--slot", "2=Kessel Süd:256", "--slot", "7=Halle"}));
        CRecordingHost host{upload_preparation::kGroup};
        std::unique_ptr<CTransport> transport;
        BootloaderId id;
        ASSERT_EQ(Connect(host, kConnect, link.Options(), transport, id), ConnectResult::Connected);
        SlotOverview overview;
        ASSERT_TRUE(ReadSlotOverview(*transport, overview));
        for (int slot = 1; slot <= kSlotCount; ++slot)
            EXPECT_EQ(overview.HoldsData(slot), slot == 2 || slot == 7);
        EXPECT_EQ(overview.headers[1].description, "Kessel S\xFC"
                                                   "d"); // Windows-1252
        EXPECT_EQ(overview.headers[1].size, 256u);
        transport.reset();

        EXPECT_TRUE(ClearSlotOperation(host, upload_preparation::kClearSlot, 2, link.Options()));
        ASSERT_EQ(Connect(host, kConnect, link.Options(), transport, id), ConnectResult::Connected);
        ASSERT_TRUE(ReadSlotOverview(*transport, overview));
        EXPECT_FALSE(overview.HoldsData(2));
        EXPECT_TRUE(overview.HoldsData(7));
        EXPECT_TRUE(host.shown.empty());
    }
}

TEST(SlotOverview, ClearFailureIsReported) {
    SimLink link;
    ASSERT_TRUE(link.Start(Line::Tcp, {"--silent", "1"}));
    CRecordingHost host{upload_preparation::kGroup};
    EXPECT_FALSE(ClearSlotOperation(host, upload_preparation::kClearSlot, 3, link.Options()));
    EXPECT_EQ(host.Numbers(), "24");
}

} // namespace
} // namespace qbx

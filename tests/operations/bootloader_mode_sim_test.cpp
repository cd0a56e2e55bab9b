// The settings dialog's two bootloader functions against the simulator over
// loopback TCP and a pseudo-terminal: every way they end, reached through
// the device's faults, and what they leave in the device.
#include "link/protocol_constants.h"
#include "operations/bootloader_mode_messages.h"
#include "operations/bootloader_settings.h"
#include "operations/mode_switch.h"
#include "recording_host.h"
#include "sim_link.h"
#include "tests/support/temp_folder.h"

#include <algorithm>

namespace qbx {
namespace {

// Keeps every byte the program sends, over all links of one run.
class CWriteLog : public CTransport {
  public:
    CWriteLog(std::unique_ptr<CTransport> inner, std::vector<std::uint8_t>& sent)
        : inner(std::move(inner)), sent(sent) {}
    bool IsNetwork() const override { return inner->IsNetwork(); }
    int Open(int& error) override { return inner->Open(error); }
    void Close() override { inner->Close(); }
    int Write(const std::uint8_t* data, int len) override {
        sent.insert(sent.end(), data, data + len);
        return inner->Write(data, len);
    }
    int Read(std::uint8_t* data, int len) override { return inner->Read(data, len); }
    void Pause(int milliseconds) override { inner->Pause(milliseconds); }

  private:
    std::unique_ptr<CTransport> inner;
    std::vector<std::uint8_t>& sent;
};

struct Case {
    const char* name;
    Line line;
    std::vector<std::string> sim; // kind, version, faults
    std::string messages;         // numbers shown
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

std::string CaseName(const testing::TestParamInfo<Case>& info) {
    return std::string(info.param.name) + (info.param.line == Line::Tcp ? "Tcp" : "Serial");
}

// A simulator with its state in a file, and the options that reach it.
class Device {
  public:
    Device(Line line, std::vector<std::string> args) {
        args.insert(args.end(), {"--state", folder.File("device.state")});
        started = link.Start(line, args);
    }
    ConnectOptions Options() {
        ConnectOptions options = link.Options();
        auto inner = options.createTransport;
        options.createTransport = [inner, this](const CSettings& s,
                                                int& result) -> std::unique_ptr<CTransport> {
            auto transport = inner(s, result);
            return transport ? std::make_unique<CWriteLog>(std::move(transport), sent) : nullptr;
        };
        return options;
    }
    // A line of the device's state file ("config 03").
    std::string StateLine(const std::string& key) const {
        std::istringstream state(folder.Read("device.state"));
        for (std::string line; std::getline(state, line);) {
            if (line.rfind(key + " ", 0) == 0) return line;
        }
        return {};
    }
    // True when a request frame with command `code` was sent.
    bool SentRequest(std::uint8_t code) const {
        for (std::size_t i = 0; i + 2 < sent.size(); ++i) {
            if (sent[i] == frame::kRequest && sent[i + 1] == frame::kMarker && sent[i + 2] == code)
                return true;
        }
        return false;
    }
    bool SentModeSwitch() const {
        return std::search(sent.begin(), sent.end(), std::begin(kSwitch), std::end(kSwitch)) != sent.end();
    }

    static constexpr std::uint8_t kSwitch[2] = {opmode::kSwitch, opmode::kTransfer};
    TempFolder folder;
    SimLink link;
    std::vector<std::uint8_t> sent;
    bool started = false;
};

class ModeSwitch : public testing::TestWithParam<Case> {};

TEST_P(ModeSwitch, ReportsTheModeItEndsIn) {
    const Case& c = GetParam();
    Device device(c.line, c.sim);
    ASSERT_TRUE(device.started) << device.link.sim.Error();
    CRecordingHost host{bootloader_mode::kGroup};
    EXPECT_EQ(RunModeSwitch(host, device.Options()), c.messages == "8" || c.messages == "35");
    EXPECT_EQ(host.Numbers(), c.messages);
    EXPECT_FALSE(host.waitCursor);
    // A LINKBOX has no modes: not a byte of the switch goes out to it.
    EXPECT_EQ(device.SentModeSwitch(), c.messages != "35" && c.messages != "34");
    if (c.messages == "8") {
        EXPECT_EQ(device.link.pauses, (std::vector<int>{50, 2000, 500}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sim, ModeSwitch,
    testing::Values(Case{"SerialFamily", Line::Tcp, {"--kind", "A2"}, "8"},
                    Case{"SerialFamily", Line::Serial, {"--kind", "A2"}, "8"},
                    Case{"ModeSwitchingKind", Line::Serial, {"--kind", "D1"}, "8"},
                    Case{"Linkbox", Line::Tcp, {"--kind", "A3"}, "35"},
                    Case{"Linkbox", Line::Serial, {"--kind", "A3"}, "35"},
                    Case{"NoIdentification", Line::Tcp, {"--silent", "1"}, "34"},
                    Case{"NoIdentification", Line::Serial, {"--silent", "5"}, "34"},
                    Case{"SwitchUnanswered", Line::Tcp, {"--kind", "A8", "--drop-after", "1"}, "5"},
                    Case{"SwitchUnanswered", Line::Serial, {"--kind", "A8", "--drop-after", "1"}, "5"},
                    Case{"SwitchRefused", Line::Tcp, {"--kind", "A8", "--refuse-switch"}, "6"},
                    Case{"QueryUnanswered", Line::Tcp, {"--kind", "D1", "--drop-after", "2"}, "7"},
                    Case{"LandsInOtherMode", Line::Tcp, {"--kind", "D1", "--switch-lands", "80"}, "9"},
                    Case{"LandsInOtherMode", Line::Serial, {"--kind", "D1", "--switch-lands", "80"}, "9"},
                    Case{"LandsInUnknownMode", Line::Tcp, {"--kind", "A2", "--switch-lands", "55"}, "10"}),
    CaseName);

TEST(BootloaderLink, OpenFailuresAndNoLinkHaveTheirMessages) {
    struct LinkCase {
        int selection;
        const char* path; // COM1 for the serial cases
        std::string modeSwitch, settings;
    } cases[] = {{-1, "", "1", "11"},
                 {7, "", "1", "11"},
                 {0, "/nonexistent/quillbox-port", "2", "12"},
                 {6, "", "3", "13"},           // nobody listens on loopback port 1
                 {0, "/dev/null", "4", "14"}}; // opens, but is no serial line
    for (const LinkCase& c : cases) {
        setenv("QUILLBOX_COM1", c.path, 1);
        CSettings link = LinkFromControls(c.selection, "127.0.0.1", 1);
        ConnectOptions options;
        options.settings = &link;
        CRecordingHost host{bootloader_mode::kGroup};
        EXPECT_FALSE(RunModeSwitch(host, options));
        EXPECT_EQ(host.Numbers(), c.modeSwitch) << c.selection << " " << c.path;
        CRecordingHost settingsHost{bootloader_mode::kGroup};
        EXPECT_EQ(RunBootloaderSettings(settingsHost, options, [](BootloaderConfig&) { return true; }),
                  BootloaderSettingsResult::Failed);
        EXPECT_EQ(settingsHost.Numbers(), c.settings) << c.selection << " " << c.path;
    }
    unsetenv("QUILLBOX_COM1");
}

// The values a person would enter, and whether the edit was taken.
struct Edit {
    bool ok = true;
    std::uint8_t configByte = 5;
    NetworkSettings network{{10, 0, 0, 7}, {255, 255, 0, 0}, {10, 0, 0, 1}, 200, 4711, 65535};
};

class BootloaderSettings : public testing::TestWithParam<Case> {};

TEST_P(BootloaderSettings, EndsWithItsMessage) {
    const Case& c = GetParam();
    Device device(c.line, c.sim);
    ASSERT_TRUE(device.started) << device.link.sim.Error();
    const std::string configBefore = device.StateLine("config");
    const std::string networkBefore = device.StateLine("network");
    CRecordingHost host{bootloader_mode::kGroup};
    host.answers = {true}; // Yes to the mode switch where it is asked
    bool edited = false;
    auto result = RunBootloaderSettings(host, device.Options(), [&](BootloaderConfig& config) {
        edited = true;
        config.configByte = Edit{}.configByte;
        config.network = Edit{}.network;
        return true;
    });
    const bool written = c.messages == "18";
    EXPECT_EQ(result, written ? BootloaderSettingsResult::Written : BootloaderSettingsResult::Failed);
    EXPECT_EQ(host.Numbers(), c.messages);
    EXPECT_FALSE(host.waitCursor);
    const int last = host.shown.empty() ? 0 : host.shown.back().number;
    // Nothing is edited unless everything was read; nothing written unless edited.
    EXPECT_EQ(edited, last == 18 || last >= 28);
    if (written) {
        EXPECT_EQ(device.StateLine("config"), "config 05");
    }
    if (!written && last < 28) {
        EXPECT_FALSE(device.SentRequest(command::kWriteConfigByte));
        EXPECT_EQ(device.StateLine("config"), configBefore);
    }
    // A failed network write leaves the byte written and the network as it was.
    if (last == 32) {
        EXPECT_EQ(device.StateLine("config"), "config 05");
    }
    if (last >= 28) {
        EXPECT_EQ(device.StateLine("network"), networkBefore);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sim, BootloaderSettings,
    testing::Values(
        // A mode-switching kind asks first and then goes the whole way (the question is the only message).
        Case{"SwitchedAndWritten", Line::Tcp, {"--kind", "D1"}, "18"},
        Case{"SwitchedAndWritten", Line::Serial, {"--kind", "A8"}, "18"},
        Case{"NoIdentification", Line::Tcp, {"--silent", "1"}, "15"},
        Case{"NoFirmwareVersion", Line::Tcp, {"--ident", "A2:0"}, "16"},
        Case{"OldSerialBootloader", Line::Tcp, {"--version", "25"}, "17"},
        Case{"OldLinkbox", Line::Tcp, {"--kind", "A3", "--version", "127"}, "17"},
        Case{"SwitchUnanswered", Line::Tcp, {"--kind", "D1", "--drop-after", "1"}, "18 19"},
        Case{"SwitchRefused", Line::Serial, {"--kind", "D1", "--refuse-switch"}, "18 20"},
        Case{"QueryUnanswered", Line::Tcp, {"--kind", "A8", "--drop-after", "2"}, "18 21"},
        Case{"LandsInOtherMode", Line::Tcp, {"--kind", "D1", "--switch-lands", "80"}, "18 22"},
        Case{"LandsInUnknownMode", Line::Serial, {"--kind", "A8", "--switch-lands", "3F"}, "18 23"},
        Case{"UnknownType", Line::Tcp, {"--ident", "17:5"}, "24"},
        Case{"LinkboxByteUnread", Line::Tcp, {"--kind", "A3", "--short-reply", "31:3"}, "25"},
        Case{"NetworkUnread", Line::Tcp, {"--kind", "A3", "--short-reply", "33:3"}, "26"},
        Case{"NetworkUnread",
             Line::Serial,
             {"--kind", "A3", "--bad-sum", "1", "--short-reply", "33:3:5"},
             "26"},
        Case{"ByteUnread", Line::Tcp, {"--bad-sum", "1"}, "27"},
        Case{"ByteUnread", Line::Serial, {"--short-reply", "31:3:5"}, "27"},
        Case{"LinkboxByteNotTaken", Line::Tcp, {"--kind", "A3", "--wrong-config-echo", "1"}, "31"},
        Case{"NetworkNotTaken", Line::Tcp, {"--kind", "A3", "--short-reply", "34:0"}, "32"},
        Case{"NetworkNotTaken", Line::Serial, {"--kind", "A3", "--short-reply", "34:0:5"}, "32"},
        Case{"ByteNotTaken", Line::Serial, {"--kind", "A2", "--wrong-config-echo", "5"}, "33"}),
    CaseName);

TEST(BootloaderSettingsEdit, LinkboxValuesReachTheDeviceAndTheLinkIsClosedWhileEditing) {
    for (Line line : {Line::Tcp, Line::Serial}) {
        Device device(line, {"--kind", "A3", "--version", "128", "--config", "2", "--network",
                             "192.168.1.20 255.255.255.0 192.168.1.1 7 40000 12"});
        ASSERT_TRUE(device.started) << device.link.sim.Error();
        CRecordingHost host{bootloader_mode::kGroup};
        BootloaderConfig seen;
        std::size_t sentBeforeEdit = 0;
        auto result = RunBootloaderSettings(host, device.Options(), [&](BootloaderConfig& config) {
            seen = config;
            sentBeforeEdit = device.sent.size();
            config.configByte = 4;
            config.network.address3 = {10, 1, 2, 3};
            config.network.parameterByte = ClampParameterByte(300);
            config.network.parameterWord1 = ClampParameterWord(70000);
            return true;
        });
        EXPECT_EQ(result, BootloaderSettingsResult::Written);
        EXPECT_EQ(host.Numbers(), "");
        EXPECT_TRUE(seen.hasNetwork);
        EXPECT_EQ(seen.configByte, 2);
        EXPECT_EQ(seen.network.address1, (std::array<std::uint8_t, 4>{192, 168, 1, 20}));
        EXPECT_EQ(seen.network.parameterWord2, 12);
        EXPECT_GT(device.sent.size(), sentBeforeEdit);
        EXPECT_EQ(device.StateLine("config"), "config 04");
        EXPECT_EQ(device.StateLine("network"), "network 192.168.1.20 255.255.255.0 10.1.2.3 255 65535 12");
    }
}

TEST(BootloaderSettingsEdit, DecliningTouchesNothing) {
    struct DeclineCase {
        const char* kind;
        bool answerYes; // to the mode switch question
        std::string messages;
    } cases[] = {{"D1", false, "18"}, {"A8", false, "18"}, {"A2", true, ""}, {"A3", true, ""}};
    for (const DeclineCase& c : cases) {
        Device device(Line::Tcp, {"--kind", c.kind});
        ASSERT_TRUE(device.started) << device.link.sim.Error();
        const std::string state = device.folder.Read("device.state");
        CRecordingHost host{bootloader_mode::kGroup};
        host.answers = {c.answerYes};
        auto result = RunBootloaderSettings(host, device.Options(), [](BootloaderConfig& config) {
            config.configByte = 7;
            return false; // Cancel
        });
        EXPECT_EQ(result, BootloaderSettingsResult::Unchanged) << c.kind;
        EXPECT_EQ(host.Numbers(), c.messages) << c.kind;
        EXPECT_FALSE(device.SentModeSwitch()) << c.kind;
        EXPECT_FALSE(device.SentRequest(command::kWriteConfigByte)) << c.kind;
        EXPECT_EQ(device.folder.Read("device.state"), state) << c.kind;
    }
}

TEST(BootloaderSettingsEdit, ReopenFailuresAfterTheEditAreReported) {
    struct ReopenCase {
        Line line;
        const char* com1; // the serial port while the person edits; "" stops the device
        std::string messages;
    } cases[] = {{Line::Tcp, "", "29"},
                 {Line::Serial, "/nonexistent/quillbox-port", "28"},
                 {Line::Serial, "/dev/null", "30"}};
    for (const ReopenCase& c : cases) {
        Device device(c.line, {"--kind", "A2"});
        ASSERT_TRUE(device.started) << device.link.sim.Error();
        CRecordingHost host{bootloader_mode::kGroup};
        auto result = RunBootloaderSettings(host, device.Options(), [&](BootloaderConfig&) {
            if (*c.com1)
                setenv("QUILLBOX_COM1", c.com1, 1);
            else
                device.link.sim.Stop(); // the device went away while the person edited
            return true;
        });
        EXPECT_EQ(result, BootloaderSettingsResult::Failed);
        EXPECT_EQ(host.Numbers(), c.messages) << c.com1;
    }
    unsetenv("QUILLBOX_COM1");
}

TEST(BootloaderSettingsEdit, VersionTextOfTheRefusal) {
    struct VersionCase {
        const char* kind;
        const char* version;
        std::string text;
    } cases[] = {{"A3", "127", "[11014] 1.27"}, {"A2", "25", "[11014] 2.5"}, {"A8", "9", "[11014] 0.9"}};
    for (const VersionCase& c : cases) {
        Device device(Line::Tcp, {"--kind", c.kind, "--version", c.version});
        ASSERT_TRUE(device.started) << device.link.sim.Error();
        CRecordingHost host{bootloader_mode::kGroup};
        RunBootloaderSettings(host, device.Options(), [](BootloaderConfig&) { return false; });
        ASSERT_EQ(host.shown.size(), 1u) << c.kind;
        EXPECT_EQ(host.shown[0].number, 17);
        EXPECT_EQ(host.shown[0].text, c.text);
    }
}

TEST(ParameterClamps, KeepTheFieldsWithinTheirWidth) {
    struct ClampCase {
        long long entered;
        std::uint8_t byte;
        std::uint16_t word;
    } cases[] = {{0, 0, 0},           {255, 255, 255},     {256, 255, 256}, {300, 255, 300},
                 {65535, 255, 65535}, {70000, 255, 65535}, {-5, 0, 0}};
    for (const ClampCase& c : cases) {
        EXPECT_EQ(ClampParameterByte(c.entered), c.byte) << c.entered;
        EXPECT_EQ(ClampParameterWord(c.entered), c.word) << c.entered;
    }
}

} // namespace
} // namespace qbx

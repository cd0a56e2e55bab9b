// OS and firmware updates against the simulator, over loopback TCP and a
// pseudo-terminal: what the device receives must be the source binary at
// every address, 0xFF where the file has no data.
#include "formats/handover_file.h"
#include "operations/firmware_update.h"
#include "operations/firmware_update_messages.h"
#include "operations/os_update_messages.h"
#include "operations/os_update_transfer.h"
#include "recording_host.h"
#include "sim/state_file.h"
#include "sim_link.h"
#include "update_files.h"

#include <chrono>
#include <filesystem>
#include <thread>

namespace qbx {
namespace {

using namespace test;
using namespace std::string_literals;

constexpr std::uint8_t kOsImage = 0x1F, kBootSectorImage = 0x1E, kFirmware = 0x3F;

// A simulator with a state file, and the files of one update.
struct UpdateRun {
    TempFolder folder;
    SimLink link;
    CRecordingHost host{os_update::kGroup};

    bool Start(Line line, std::vector<std::string> args) {
        args.insert(args.end(), {"--state", folder.File("state.txt")});
        return link.Start(line, args);
    }
    std::string Write(const std::string& name, const std::string& text) {
        folder.Write(name, text);
        return folder.File(name);
    }
    bool Update(const std::string& program, const std::string& welcome = "0") {
        return RunOsUpdate(host, {welcome, program}, link.Options());
    }
    // The device saves its state once it has the program's answer to the
    // end frame, which can be a moment after the program is done.
    sim::CDeviceState State(std::uint8_t phase = 0) {
        sim::CDeviceState state;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        for (;;) {
            state = {};
            int badLine = 0;
            bool loaded = sim::LoadStateFile(folder.File("state.txt"), state, badLine) == sim::kStateLoaded;
            if ((loaded && (phase == 0 || state.images.count(phase))) ||
                std::chrono::steady_clock::now() > deadline)
                return state;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
};

// Counts the differing bytes, so that a failure does not print megabytes.
std::size_t Differences(const Image& got, const Image& expected) {
    if (got.size() != expected.size()) return std::max(got.size(), expected.size());
    std::size_t differ = 0;
    for (std::size_t i = 0; i < got.size(); ++i)
        differ += got[i] != expected[i];
    return differ;
}

class UpdateOverLine : public testing::TestWithParam<Line> {};

TEST_P(UpdateOverLine, SingleImageArrivesByteForByte) {
    UpdateRun run;
    ASSERT_TRUE(run.Start(GetParam(), {})) << run.link.sim.Error();
    const Image binary = hexfile::Pattern(0x20000, 11);
    // Records never straddle the device's 64-byte blocks: srec_cat starts
    // them where the data starts, so the holes end on a block boundary.
    const std::vector<Hole> holes = {
        {0x0000, 0x0100}, {0x1010, 0x1400}, {0xFFE0, 0x10840}, {0x1FF00, 0x1FF80}};
    const std::string program =
        run.Write("bus.prg", SingleImageFile("BRAVOLT_BUSVIEW_PROGRAM_FILE", 0x20000,
                                             MakeHex(run.folder, "bus", binary, holes)));
    ASSERT_TRUE(run.Update(program)) << run.host.Numbers();
    EXPECT_EQ(run.host.beeps, 1);
    EXPECT_EQ(run.host.progressTexts.back(), "20000 / 20000"); // the total the file announces
    EXPECT_EQ(run.host.statuses.front(), 11500);
    EXPECT_EQ(run.host.fileTexts, (std::vector<std::string>{"bus"}));
    EXPECT_EQ(run.host.pumps, 0x20000 / 64);
    EXPECT_EQ(std::count(run.link.pauses.begin(), run.link.pauses.end(), 100), 1);

    sim::CDeviceState state = run.State(kOsImage);
    EXPECT_EQ(state.shortHeader.status, 1);
    EXPECT_EQ(state.shortHeader.kind, 0x81);
    EXPECT_EQ(state.shortHeader.size, 0x20000u);
    EXPECT_EQ(Differences(state.images[kOsImage], WithHoles(binary, holes)), 0u);
}

TEST_P(UpdateOverLine, TwoImagesServeTheBootSectorAgainAndTheWelcomePageOnlyInTheProgram) {
    UpdateRun run;
    ASSERT_TRUE(run.Start(GetParam(), {})) << run.link.sim.Error();
    const std::uint32_t dataSize = 0x12000, bsSize = 0x1000, window = dataSize / 2;
    const Image program = hexfile::Pattern(dataSize, 21), bootSector = hexfile::Pattern(dataSize, 22);
    const std::vector<Hole> bsHoles = {{window, window + bsSize}, {0x100, 0x180}};
    const std::string file = run.Write(
        "qrt.prg", TwoImageFile("QRT5130", dataSize, bsSize, MakeHex(run.folder, "program", program),
                                MakeHex(run.folder, "bs", bootSector, bsHoles)));
    const std::string welcome = run.Write("page.bgs", WelcomePageText());
    ASSERT_TRUE(run.Update(file, welcome)) << run.host.Numbers();
    EXPECT_EQ(run.host.progressTexts.back(), "24000 / 24000");
    EXPECT_EQ(std::count(run.link.pauses.begin(), run.link.pauses.end(), 500), 1);

    sim::CDeviceState state = run.State(kBootSectorImage);
    EXPECT_EQ(state.shortHeader.kind, 0x80);
    EXPECT_EQ(std::string(state.shortHeader.textA.begin(), state.shortHeader.textA.end()), "V 4.17 b");
    EXPECT_EQ(std::string(state.shortHeader.textB.begin(), state.shortHeader.textB.end()), "BS 1.02\0"s);
    EXPECT_EQ(state.shortHeader.size, dataSize);
    EXPECT_EQ(Differences(state.images[kOsImage], WithWelcomePage(program)), 0u);
    Image expected = WithHoles(bootSector, bsHoles);
    std::copy(program.begin(), program.begin() + bsSize, expected.begin() + window);
    EXPECT_EQ(Differences(state.images[kBootSectorImage], expected), 0u);
}

TEST_P(UpdateOverLine, FirmwareArrivesByteForByte) {
    UpdateRun run;
    ASSERT_TRUE(run.Start(GetParam(), {"--kind", "A3", "--firmware-size", "0x9000"})) << run.link.sim.Error();
    const Image binary = hexfile::Pattern(0x9000, 31);
    const std::vector<Hole> holes = {{0x2000, 0x2100}};
    const std::string path = run.Write("box.frm", SingleImageFile("BRAVOLT_LINKBOX_FIRMWARE_FILE", 0x9000,
                                                                  MakeHex(run.folder, "fw", binary, holes)));
    run.host.group = firmware_update::kGroup;
    ASSERT_TRUE(RunFirmwareUpdate(run.host, path, run.link.Options())) << run.host.Numbers();
    EXPECT_EQ(run.host.beeps, 1);
    EXPECT_EQ(run.host.progressTexts.back(), "9000 / 9000");
    EXPECT_EQ(Differences(run.State(kFirmware).images[kFirmware], WithHoles(binary, holes)), 0u);
}

INSTANTIATE_TEST_SUITE_P(Lines, UpdateOverLine, testing::Values(Line::Tcp, Line::Serial),
                         [](const auto& info) { return info.param == Line::Tcp ? "Tcp" : "Serial"; });

// Small updates over TCP: which files get the welcome page, the device's
// request orders and faults, and the messages they lead to.
struct SmallCase {
    const char* name;
    std::string magic; // single-image kind, or a DEVICE value for a two-image file
    bool twoImage;
    std::vector<std::string> sim;
    std::vector<bool> answers;
    std::string messages;   // numbers shown, questions included
    bool overlay = false;   // the welcome page is in the received program image
    Hole skipped = {0, 0};  // a block the device left out
    bool reordered = false; // the record at 0x40 moved behind the one at 0x120, as by hand
};

void PrintTo(const SmallCase& c, std::ostream* out) {
    *out << c.name;
}

class SmallUpdate : public testing::TestWithParam<SmallCase> {};

TEST_P(SmallUpdate, AgainstTheSimulator) {
    const SmallCase& c = GetParam();
    UpdateRun run;
    std::vector<std::string> args = c.sim;
    args.insert(args.end(), {"--os-size", "0x10400"});
    ASSERT_TRUE(run.Start(Line::Tcp, args)) << run.link.sim.Error();
    run.host.answers.assign(c.answers.begin(), c.answers.end());
    const Image binary = hexfile::Pattern(0x10400, 41);
    // objcopy's 16-byte records carry the welcome page exactly; srec_cat's
    // longer ones would also run image bytes through the text conversion.
    const std::vector<Hole> holes = c.overlay ? std::vector<Hole>{} : std::vector<Hole>{{0x200, 0x300}};
    std::string hex = MakeHex(run.folder, "img", binary, holes);
    if (c.reordered) hex = MoveRecord(hex, "0040", "0120");
    // Each image is a HEX stream of its own: the second starts at upper
    // address 0 although the first ended above 64 KiB.
    const std::string file =
        c.twoImage ? TwoImageFile(c.magic, 0x10400, 0x40, hex, hex) : SingleImageFile(c.magic, 0x10400, hex);
    const bool done = run.Update(run.Write("os.prg", file), run.Write("page.bgs", WelcomePageText()));
    EXPECT_EQ(run.host.Numbers(), c.messages);
    EXPECT_EQ(done, c.messages.empty() || c.messages == "8");
    EXPECT_EQ(run.host.beeps, done ? 1 : 0);
    if (!done) return;
    Image expected = WithHoles(binary, holes);
    if (c.overlay) expected = WithWelcomePage(expected);
    std::fill(expected.begin() + c.skipped.from, expected.begin() + c.skipped.to, 0xFF);
    sim::CDeviceState state = run.State(c.twoImage ? kBootSectorImage : kOsImage);
    EXPECT_EQ(Differences(state.images[kOsImage], expected), 0u);
    // The boot-sector image never gets the page.
    if (c.twoImage) {
        EXPECT_EQ(Differences(state.images[kBootSectorImage], WithHoles(binary, holes)), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SmallUpdate,
    testing::Values(
        SmallCase{"QrtProgramGetsThePage", "BRAVOLT_PROGRAM_FILE", false, {}, {}, "", true},
        SmallCase{"QrtBlupdDoesNot", "BRAVOLT_BLUPD_FILE", false, {}, {}, ""},
        SmallCase{"BusViewerDoesNot", "BRAVOLT_BUSVIEW_BLUPD_FILE", false, {}, {}, ""},
        SmallCase{"TwoImageQrtGetsThePage", "QRT5130", true, {}, {}, "", true},
        SmallCase{"TwoImageOtherDeviceDoesNot", "BUS_METER", true, {}, {}, ""},
        SmallCase{"TwoImageDeviceWithATrailingBlankDoesNot", "QRT5130 ", true, {}, {}, ""},
        SmallCase{"BusyFramesAnyNumberOfTimes",
                  "BRAVOLT_BLUPD_FILE",
                  false,
                  {"--busy", "40@1", "--busy", "7@9"},
                  {},
                  ""},
        SmallCase{"HoleBlockAskedAgain", "BRAVOLT_BLUPD_FILE", false, {"--ask-again", "9"}, {}, ""},
        SmallCase{
            "DataBlockAskedAgainIsNotGuessed", "BRAVOLT_BLUPD_FILE", false, {"--ask-again", "3"}, {}, "36"},
        SmallCase{"SkippedBlock",
                  "BRAVOLT_BLUPD_FILE",
                  false,
                  {"--skip-after", "4"},
                  {},
                  "",
                  false,
                  {0x100, 0x140}},
        SmallCase{
            "SrecCatRecordsReorderedByHand", "BRAVOLT_BLUPD_FILE", false, {}, {}, "36", false, {0, 0}, true},
        SmallCase{"DeviceErrorSingle", "BRAVOLT_BLUPD_FILE", false, {"--device-error", "30@3"}, {}, "30"},
        SmallCase{"DeviceErrorTwoImage", "BUS_GATE", true, {"--device-error", "77@2"}, {}, "91"},
        SmallCase{"ModeSwitchAccepted", "BRAVOLT_BLUPD_FILE", false, {"--kind", "A8"}, {true}, "8"},
        SmallCase{"ModeSwitchDeclined", "BUS_PORTA", true, {"--kind", "D1"}, {false}, "64"},
        SmallCase{"OldBootloader", "BUS_PORTA", true, {"--version", "25"}, {}, "72"},
        SmallCase{"RefusedPhase", "BRAVOLT_BLUPD_FILE", false, {"--refuse-data"}, {}, "36"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OsUpdateChecks, FailBeforeTheLinkIsOpened) {
    TempFolder folder;
    const Image binary = hexfile::Pattern(0x100, 5);
    const std::string hex = hexfile::DataRecords(binary, 0, 0x100);
    folder.Write("big.prg", TwoImageFile("QRT5130", 0x20000, 0x1000001, hex, hex));
    folder.Write("odd.prg", "BRAVOLT_PRG_FILEX\n" + hex);
    folder.Write("long.prg", std::string(300, 'B') + "\n" + hex);
    folder.Write("qrt.prg", SingleImageFile("BRAVOLT_PROGRAM_FILE", 0x100, hex));
    folder.Write("two.prg", TwoImageFile("QRT5130", 0x100, 0x40, hex, hex));
    const std::string gone = folder.File("gone.bgs");
    const struct {
        std::string program, messages, text, welcome = "0";
    } cases[] = {{folder.File("big.prg"), "121", "[11940] 16777217"},
                 {folder.File("odd.prg"), "1", "[11041]"},
                 {folder.File("long.prg"), "1", "[11041]"},
                 {folder.File("none.prg"), "2", "[11044] " + folder.File("none.prg")},
                 // The page would go in, but it is not there.
                 {folder.File("qrt.prg"), "122", "[11945] " + gone, gone},
                 {folder.File("two.prg"), "122", "[11945] " + gone, gone}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        int links = 0;
        ConnectOptions options;
        CSettings settings;
        options.settings = &settings;
        options.createTransport = [&links](const CSettings&, int&) -> std::unique_ptr<CTransport> {
            ++links;
            return nullptr;
        };
        CRecordingHost host{os_update::kGroup};
        EXPECT_FALSE(RunOsUpdate(host, {c.welcome, c.program}, options));
        EXPECT_EQ(host.Numbers(), c.messages);
        EXPECT_EQ(host.shown.at(0).text, c.text);
        EXPECT_EQ(links, 0);
    }
}

TEST(OsUpdateChecks, HandOverFileMissingOrRead) {
    UpdateRun run;
    EXPECT_FALSE(RunOsUpdateTransfer(run.host, {}, run.folder.Path()));
    EXPECT_EQ(run.host.Numbers(), "120");
    EXPECT_EQ(run.host.shown[0].text, "[11044] " + run.folder.File("config_bs_5130.ini"));

    ASSERT_TRUE(run.Start(Line::Tcp, {"--os-size", "0x100"}));
    const Image binary = hexfile::Pattern(0x100, 6);
    const std::string program = run.Write(
        "a b.prg", SingleImageFile("BRAVOLT_PROGRAM_FILE", 0x100, hexfile::DataRecords(binary, 0, 0x100)));
    ASSERT_TRUE(WriteHandoverFile({"0", program}, run.folder.Path()));
    CRecordingHost host{os_update::kGroup};
    EXPECT_TRUE(RunOsUpdateTransfer(host, run.link.Options(), run.folder.Path())) << host.Numbers();
    EXPECT_EQ(host.fileTexts, (std::vector<std::string>{"a b"}));
    EXPECT_EQ(run.State(kOsImage).images[kOsImage], binary);
}

// Failures once the link is open: each procedure reports under its own numbers.
TEST(UpdateFailures, AfterTheLinkIsOpened) {
    enum class Procedure { Single, Two, Firmware };
    const Image binary = hexfile::Pattern(0x100, 3);
    const auto records = [&binary](std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> ranges) {
        std::string text;
        for (auto [from, to] : ranges)
            text += hexfile::DataRecords(binary, from, to);
        return text;
    };
    const std::string hex = records({{0, 0x100}});
    const std::string two = TwoImageFile("BUS_METER", 0x100, 0x40, hex, hex);
    // Hand-merged: 0x40..0x4F after the records up to 0xBF; 0xB0 before 0xA0.
    const std::string reordered = records({{0, 0x40}, {0x50, 0xC0}, {0x40, 0x50}, {0xC0, 0x100}});
    const std::string inBlock = records({{0, 0xA0}, {0xB0, 0xC0}, {0xA0, 0xB0}, {0xC0, 0x100}});
    const auto without = [&two](const std::string& line) {
        std::string text = two;
        return text.erase(text.find(line), line.size());
    };
    const struct {
        const char* name;
        Procedure procedure;
        std::vector<std::string> sim;
        std::string file; // empty: a good file of the procedure
        int group;
        std::string messages;
        std::string text = ""; // of the last message, where it matters
    } cases[] = {
        {"NoIdentificationSingle", Procedure::Single, {"--silent", "1"}, "", os_update::kGroup, "115"},
        {"NoIdentificationTwo", Procedure::Two, {"--silent", "1"}, "", os_update::kGroup, "116"},
        {"NoIdentificationFirmware",
         Procedure::Firmware,
         {"--silent", "1"},
         "",
         firmware_update::kGroup,
         "40"},
        {"ShortHeaderNotTakenSingle",
         Procedure::Single,
         {"--short-reply", "46:1"},
         "",
         os_update::kGroup,
         "118"},
        {"ShortHeaderNotTakenTwo", Procedure::Two, {"--short-reply", "46:1"}, "", os_update::kGroup, "119"},
        {"TwoImageFirstLineWithMore",
         Procedure::Two,
         {},
         "BRAVOLT_PRG_FILE 2" + two.substr(16),
         os_update::kGroup,
         "113"},
        {"TwoImageHeaderCutShort",
         Procedure::Two,
         {},
         "BRAVOLT_PRG_FILE\nFILE_FORMAT: 2\n",
         os_update::kGroup,
         "113"},
        {"TwoImageWithoutProgramMarker",
         Procedure::Two,
         {},
         without("DATA_PROGRAM_BEGIN\n"),
         os_update::kGroup,
         "113"},
        {"TwoImageWithoutBootSectorMarker",
         Procedure::Two,
         {},
         without("DATA_BSUPD_PROGRAM_BEGIN\n"),
         os_update::kGroup,
         "113"},
        // What the file cannot serve is named as the file's fault.
        {"RecordsOutOfOrderSingle",
         Procedure::Single,
         {},
         SingleImageFile("BRAVOLT_BLUPD_FILE", 0x100, reordered),
         os_update::kGroup,
         "36",
         "[11941] 64"},
        {"RecordsOutOfOrderInsideABlock",
         Procedure::Single,
         {},
         SingleImageFile("BRAVOLT_PROGRAM_FILE", 0x100, inBlock),
         os_update::kGroup,
         "36",
         "[11941] 160"},
        {"RecordsOutOfOrderTwo",
         Procedure::Two,
         {},
         TwoImageFile("BUS_METER", 0x100, 0x40, reordered, hex),
         os_update::kGroup,
         "92",
         "[11941] 64"},
        {"RecordsOutOfOrderFirmware",
         Procedure::Firmware,
         {},
         SingleImageFile("BRAVOLT_FIRMWARE_FILE", 0x100, inBlock),
         firmware_update::kGroup,
         "18",
         "[11941] 160"},
        {"FileEndsInsideABlock",
         Procedure::Single,
         {},
         SingleImageFile("BRAVOLT_BLUPD_FILE", 0x100, records({{0, 0x90}})),
         os_update::kGroup,
         "36",
         "[11942] 128"},
        {"RecordAcrossTheBlock",
         Procedure::Two,
         {},
         TwoImageFile("BUS_METER", 0x100, 0x40, records({{0, 0x30}}) + hexfile::Data(0x30, Image(0x20, 7)),
                      hex),
         os_update::kGroup,
         "92",
         "[11943] 48 0"},
        {"RequestAbove64Bytes",
         Procedure::Single,
         {"--block", "65"},
         "",
         os_update::kGroup,
         "36",
         "[11944] 65"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        UpdateRun run;
        std::vector<std::string> args = c.sim;
        args.insert(args.end(), {"--os-size", "0x100", "--firmware-size", "0x100"});
        ASSERT_TRUE(run.Start(Line::Tcp, args)) << run.link.sim.Error();
        run.host.group = c.group;
        std::string file = c.file;
        if (file.empty())
            file = c.procedure == Procedure::Two      ? two
                   : c.procedure == Procedure::Single ? SingleImageFile("BRAVOLT_BLUPD_FILE", 0x100, hex)
                                                      : SingleImageFile("BRAVOLT_FIRMWARE_FILE", 0x100, hex);
        const std::string path = run.Write(c.procedure == Procedure::Firmware ? "fw.frm" : "os.prg", file);
        const bool done = c.procedure == Procedure::Firmware
                              ? RunFirmwareUpdate(run.host, path, run.link.Options())
                              : run.Update(path);
        EXPECT_FALSE(done);
        EXPECT_EQ(run.host.Numbers(), c.messages);
        if (!c.text.empty()) {
            EXPECT_EQ(run.host.shown.back().text, c.text);
        }
        EXPECT_EQ(run.host.beeps, 0);
    }
}

// The program file is opened again once the bootloader is ready; it may have
// changed or gone while the mode-switch question was shown.
TEST(UpdateFailures, ProgramFileChangedWhileConnecting) {
    const std::string hex = hexfile::DataRecords(hexfile::Pattern(0x100, 4), 0, 0x100);
    const struct {
        const char* name;
        std::string kind; // a device that has to switch into its transfer mode first
        std::string file;
        const char* replacement; // nullptr: the file is removed
        std::string messages;    // the question answered Yes, then the failure
    } cases[] = {
        {"SingleBecomesTwoImage", "A8", SingleImageFile("BRAVOLT_BLUPD_FILE", 0x100, hex),
         "BRAVOLT_PRG_FILE\nFILE_FORMAT: 2\n", "8 57"},
        {"SingleBecomesText", "A8", SingleImageFile("BRAVOLT_BLUPD_FILE", 0x100, hex), "notes\n", "8 57"},
        {"SingleRemoved", "A8", SingleImageFile("BRAVOLT_BLUPD_FILE", 0x100, hex), nullptr, "8 58"},
        {"TwoImageRemoved", "D1", TwoImageFile("BUS_PORTA", 0x100, 0x40, hex, hex), nullptr, "64 114"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        UpdateRun run;
        ASSERT_TRUE(run.Start(Line::Tcp, {"--kind", c.kind, "--os-size", "0x100"})) << run.link.sim.Error();
        const std::string path = run.Write("os.prg", c.file);
        run.host.answers = {true};
        run.host.whileAsking = [&] {
            if (c.replacement)
                run.Write("os.prg", c.replacement);
            else
                std::filesystem::remove(path);
        };
        EXPECT_FALSE(run.Update(path));
        EXPECT_EQ(run.host.Numbers(), c.messages);
        if (!c.replacement) {
            ASSERT_EQ(run.host.shown.size(), 2u);
            EXPECT_EQ(run.host.shown[1].text, "[11044] " + path);
        }
        EXPECT_EQ(run.State().images.count(kOsImage), 0u); // nothing was sent
    }
}

TEST(FirmwareChecks, FamilyAndFileRefusedBeforeAnyDataIsSent) {
    const struct {
        const char* name;
        std::string magic;
        std::string kind;
        std::string messages;
    } cases[] = {{"LinkboxFileOnASerialBootloader", "BRAVOLT_LINKBOX_FIRMWARE_FILE", "A2", "41"},
                 {"SerialFileOnALinkbox", "BRAVOLT_FIRMWARE_FILE", "A3", "41"},
                 {"UnknownFile", "BRAVOLT_PROGRAM_FILE", "A2", "7"},
                 {"NoFile", "", "A2", "39"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        UpdateRun run;
        ASSERT_TRUE(run.Start(Line::Tcp, {"--kind", c.kind}));
        std::string path = run.folder.File("none.frm");
        if (!c.magic.empty())
            path = run.Write(
                "fw.frm",
                SingleImageFile(c.magic, 0x40, hexfile::DataRecords(hexfile::Pattern(0x40, 1), 0, 0x40)));
        run.host.group = firmware_update::kGroup;
        EXPECT_FALSE(RunFirmwareUpdate(run.host, path, run.link.Options()));
        EXPECT_EQ(run.host.Numbers(), c.messages);
        EXPECT_EQ(run.State().images.count(kFirmware), 0u);
        EXPECT_EQ(run.host.pumps, 0);
    }
}

} // namespace
} // namespace qbx

// Every device function's connection sequence broken at each of its steps:
// a settings file that cannot be read, a port that cannot be opened, or the
// simulator failing in that step. Each failure shows the function's own
// number with the step's text, once, and nothing after it; a step that is
// not part of a function's sequence has no row for it.
#include "formats/function_data_image.h"
#include "operations/boot_data_messages.h"
#include "operations/boot_data_transfer.h"
#include "operations/download_preparation_messages.h"
#include "operations/download_transfer.h"
#include "operations/firmware_update.h"
#include "operations/os_update_transfer.h"
#include "operations/slot_overview.h"
#include "operations/upload_preparation_messages.h"
#include "operations/upload_transfer.h"
#include "operations/web_page_upload.h"
#include "platform/program_folder.h"
#include "recording_host.h"
#include "sim_link.h"
#include "tests/support/temp_folder.h"
#include "transfer_script.h"
#include "update_files.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>

namespace qbx {
namespace {

using namespace test;

// The steps, each with the fault that breaks it, in the order of the columns below.
enum Step : std::size_t {
    kNoSettings,
    kBadInterface,
    kPortMissing,
    kPortHeld,
    kNotATerminal,
    kSilent,
    kSwitchDeclined,
    kSwitchUnanswered,
    kSwitchRefused,
    kRequeryUnanswered,
    kStillOtherMode,
    kUnknownMode,
    kQueryUnanswered,
    kCheckUnanswered,
    kOldFirmware,
    kStepCount
};

enum class Setup { Simulator, NoSettings, BadInterface, PortMissing, PortHeld, NotATerminal };

// "{old}" in the simulator's faults stands for a firmware version just below
// what the function's device kind needs.
struct Fault {
    const char* name;
    Setup setup;
    std::vector<std::string> sim; // after "--kind" with the function's device kind
    std::vector<bool> answers;    // to the mode-switch question
    std::string text;             // how the failure's message begins; "" when none is shown
};

const std::array<Fault, kStepCount> kFaults = {{
    {"NoSettings", Setup::NoSettings, {}, {}, "[11001]"},
    {"BadInterface", Setup::BadInterface, {}, {}, "[11005]"},
    {"PortMissing", Setup::PortMissing, {}, {}, "[11960] 1 "},
    {"PortHeld", Setup::PortHeld, {}, {}, "[11003]"},
    {"NotATerminal", Setup::NotATerminal, {}, {}, "[11930] " + std::to_string(ENOTTY) + " 1 "},
    {"Silent", Setup::Simulator, {"--silent", "1"}, {}, "[11012]"},
    {"SwitchDeclined", Setup::Simulator, {"--kind", "A8"}, {false}, ""},
    // Identification and mode query are served; the switch meets a cut line.
    {"SwitchUnanswered", Setup::Simulator, {"--kind", "A8", "--drop-after", "2"}, {true}, "[11007]"},
    {"SwitchRefused", Setup::Simulator, {"--kind", "D1", "--refuse-switch"}, {true}, "[11008]"},
    {"RequeryUnanswered", Setup::Simulator, {"--kind", "A8", "--drop-after", "3"}, {true}, "[11007]"},
    {"StillOtherMode", Setup::Simulator, {"--kind", "A8", "--switch-lands", "80"}, {true}, "[11009]"},
    {"UnknownMode", Setup::Simulator, {"--kind", "D1", "--switch-lands", "41"}, {true}, "[11010]"},
    {"QueryUnanswered", Setup::Simulator, {"--kind", "A8", "--drop-after", "1"}, {}, "[11011]"},
    {"CheckUnanswered", Setup::Simulator, {"--drop-after", "1"}, {}, "[11012]"},
    {"OldFirmware", Setup::Simulator, {"--version", "{old}"}, {}, "version "},
}};

std::string SmallHex() {
    return hexfile::DataRecords(hexfile::Pattern(0x40, 3), 0, 0x40);
}

std::string Written(const TempFolder& folder, const std::string& name, const std::string& text) {
    folder.Write(name, text);
    return folder.File(name);
}

// Each function as its dialog or qbx runs it, with files it can use.
using Run = bool (*)(const TempFolder&, CRecordingHost&, const ConnectOptions&);

bool Download(const TempFolder& folder, CRecordingHost& host, const ConnectOptions& options) {
    return DownloadSlot(host, 3, folder.File("slot3.dat"), options);
}

bool Upload(const TempFolder& folder, CRecordingHost& host, const ConnectOptions& options) {
    const std::string path = folder.File("up.dat");
    EXPECT_TRUE(PatternImage(0x40).Save(path));
    return UploadSlot(host, 3, path, options);
}

bool Firmware(const TempFolder& folder, CRecordingHost& host, const ConnectOptions& options) {
    return RunFirmwareUpdate(
        host, Written(folder, "boot.frm", SingleImageFile("BRAVOLT_FIRMWARE_FILE", 0x40, SmallHex())),
        options);
}

bool SingleImageOs(const TempFolder& folder, CRecordingHost& host, const ConnectOptions& options) {
    return RunOsUpdate(
        host, {"0", Written(folder, "os.prg", SingleImageFile("BRAVOLT_BLUPD_FILE", 0x40, SmallHex()))},
        options);
}

bool TwoImageOs(const TempFolder& folder, CRecordingHost& host, const ConnectOptions& options) {
    return RunOsUpdate(
        host, {"0", Written(folder, "bus.prg", TwoImageFile("BUS_GATE", 0x40, 0x40, SmallHex(), SmallHex()))},
        options);
}

bool UploadOverview(const TempFolder&, CRecordingHost& host, const ConnectOptions& options) {
    SlotOverview overview;
    return ConnectAndReadSlots(host, upload_preparation::kConnect, upload_preparation::kSlotHeaderFailed,
                               overview, options);
}

bool SlotClearing(const TempFolder&, CRecordingHost& host, const ConnectOptions& options) {
    return ClearSlotOperation(host, upload_preparation::kClearSlot, 4, options);
}

bool DownloadOverview(const TempFolder&, CRecordingHost& host, const ConnectOptions& options) {
    SlotOverview overview;
    return ConnectAndReadSlots(host, download_preparation::kConnect, download_preparation::kSlotHeaderFailed,
                               overview, options);
}

bool WebPage(const TempFolder& folder, CRecordingHost& host, const ConnectOptions& options) {
    WebPageFile page;
    return PrepareWebPage(host, Written(folder, "index.html", "<html><body>Kessel</body></html>"), page) &&
           RunWebPageUpload(host, page, options);
}

// The page goes between the check of the file and the upload.
bool WebPageGone(const TempFolder& folder, CRecordingHost& host, const ConnectOptions& options) {
    WebPageFile page;
    if (!PrepareWebPage(host, Written(folder, "index.html", "<html></html>"), page)) return false;
    std::remove(page.path.c_str());
    return RunWebPageUpload(host, page, options);
}

bool BootDataReadPreparation(const TempFolder& folder, CRecordingHost& host, const ConnectOptions& options) {
    BootDataJob job;
    return PrepareBootDataRead(
        host,
        [&](const std::string&, std::string& path) {
            path = folder.File("linkbox.dat");
            return true;
        },
        job, options);
}

bool BootDataWrite(const TempFolder& folder, CRecordingHost& host, const ConnectOptions& options) {
    const std::string path = folder.File("linkbox.dat");
    EXPECT_TRUE(PatternImage(0x40, 0xA3).Save(path));
    BootDataJob job;
    return PrepareBootDataWrite(host, path, job) && RunBootDataWrite(host, job, options);
}

// The transfer after its preparation, which found a 0x40-byte image.
bool BootDataRead(const TempFolder& folder, CRecordingHost& host, const ConnectOptions& options) {
    BootDataJob job;
    job.path = folder.File("linkbox.dat");
    EXPECT_TRUE(job.image.Prepare({3, 0xA3, "", "", 0x40}));
    return RunBootDataRead(host, job, options);
}

struct Function {
    const char* name;
    int group;
    const char* kind; // the device kind it serves
    Run run;
    // Per step: the numbers shown, questions included; nullptr where the
    // function's sequence has no such step.
    std::array<const char*, kStepCount> shown;
};

constexpr const char* x = nullptr; // no such step

// clang-format off
const Function kFunctions[] = {
    //                                            settings interface missing held notty silent declined
    //                                            switch-silent refused requery-silent still-80 other-mode
    //                                            query-silent check-silent old
    {"Download", 1, "A2", Download,              {"1", "2", "3", "4", "5", "6", "7",
                                                  "7 8", "7 9", "7 10", "7 11", "7 12", "13", "14", "15"}},
    {"Upload", 2, "A2", Upload,                  {"1", "2", "3", "4", "5", "6", "7",
                                                  "7 8", "7 9", "7 10", "7 11", "7 12", "13", "14", "15"}},
    // The firmware update identifies only after it has read the file's family.
    {"Firmware", 3, "A2", Firmware,              {"2", "3", "4", "5", "6", "40", x,
                                                  x, x, x, x, x, x, x, x}},
    {"SingleImageOs", 4, "A2", SingleImageOs,    {"3", "4", "5", "6", "7", "115", "8",
                                                  "8 9", "8 10", "8 11", "8 12", "8 13", "14", "15", "16"}},
    {"TwoImageOs", 4, "A2", TwoImageOs,          {"59", "60", "61", "62", "63", "116", "64",
                                                  "64 65", "64 66", "64 67", "64 68", "64 69", "70", "71", "72"}},
    {"UploadOverview", 6, "A2", UploadOverview,  {"1", "2", "3", "4", "5", "6", "7",
                                                  "7 8", "7 9", "7 10", "7 11", "7 12", "13", "14", "15"}},
    // Clearing a slot neither identifies nor checks the bootloader.
    {"SlotClearing", 6, "A2", SlotClearing,      {"19", "20", "21", "22", "23", x, x,
                                                  x, x, x, x, x, x, x, x}},
    {"DownloadOverview", 7, "A2", DownloadOverview, {"1", "2", "3", "4", "5", "6", "7",
                                                  "7 8", "7 9", "7 10", "7 11", "7 12", "13", "14", "15"}},
    // The LINKBOX functions never switch modes.
    {"WebPage", 11, "A3", WebPage,               {"4", "5", "6", "7", "8", "9", x,
                                                  x, x, x, x, x, x, "11", "12"}},
    {"BootDataReadPreparation", 12, "A3", BootDataReadPreparation,
                                                 {"5", "6", "7", "8", "9", "10", x,
                                                  x, x, x, x, x, x, "12", "13"}},
    {"BootDataWrite", 12, "A3", BootDataWrite,   {"16", "17", "18", "19", "20", "21", x,
                                                  x, x, x, x, x, x, "23", "24"}},
    {"BootDataRead", 12, "A3", BootDataRead,     {"54", "55", "56", "57", "58", "59", x,
                                                  x, x, x, x, x, x, "61", "62"}},
};
// clang-format on

// Sets the program folder for one test and puts the build's back.
class CProgramFolderScope {
  public:
    explicit CProgramFolderScope(const std::string& folder) { SetProgramFolder(folder); }
    ~CProgramFolderScope() { SetProgramFolder(QBX_PROGRAM_DIR); }
    CProgramFolderScope(const CProgramFolderScope&) = delete;
    CProgramFolderScope& operator=(const CProgramFolderScope&) = delete;
};

// A link that fails as `fault` says, and the options that reach it. The
// serial faults use COM1, whose path the environment names.
struct FaultyLink {
    TempFolder folder;
    SimLink link;
    ConnectOptions options;
    std::unique_ptr<CProgramFolderScope> programFolder;
    std::string text; // how the failure's message begins

    bool Start(const Fault& fault, const std::string& kind) {
        text = fault.text;
        link.settings.interfaceIndex = 0;
        switch (fault.setup) {
        case Setup::Simulator: {
            std::vector<std::string> args = {"--kind", kind};
            for (const std::string& a : fault.sim)
                args.push_back(a != "{old}" ? a : kind == "A3" ? "127" : "25");
            if (!link.Start(Line::Tcp, args)) return false;
            break;
        }
        case Setup::NoSettings:
            programFolder = std::make_unique<CProgramFolderScope>(folder.Path()); // holds no qbx_man.ini
            break;
        case Setup::BadInterface:
            link.settings.interfaceIndex = 9;
            break;
        case Setup::PortMissing:
            setenv("QUILLBOX_COM1", folder.File("no-such-port").c_str(), 1);
            text += folder.File("no-such-port") + " 1";
            break;
        case Setup::PortHeld:
            if (!link.Start(Line::Serial, {"--held"})) return false;
            break;
        case Setup::NotATerminal: {
            const std::string path = Written(folder, "port", "");
            setenv("QUILLBOX_COM1", path.c_str(), 1);
            text += path + " 1";
            break;
        }
        }
        options = link.Options();
        if (fault.setup == Setup::NoSettings) options.settings = nullptr;
        return true;
    }
};

struct Row {
    const Function* function;
    Step step;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.function->name << "/" << kFaults[row.step].name;
}

std::vector<Row> Rows() {
    std::vector<Row> rows;
    for (const Function& f : kFunctions)
        for (std::size_t step = 0; step < kStepCount; ++step)
            if (f.shown[step]) rows.push_back({&f, static_cast<Step>(step)});
    return rows;
}

std::size_t MessagesShown(const CRecordingHost& host) {
    return static_cast<std::size_t>(
        std::count_if(host.shown.begin(), host.shown.end(), [](const auto& s) { return !s.question; }));
}

class ConnectionStep : public testing::TestWithParam<Row> {};

TEST_P(ConnectionStep, FailsWithTheFunctionsOwnNumber) {
    const Function& function = *GetParam().function;
    const Fault& fault = kFaults[GetParam().step];
    FaultyLink link;
    ASSERT_TRUE(link.Start(fault, function.kind)) << link.link.sim.Error();
    CRecordingHost host{function.group};
    host.answers.assign(fault.answers.begin(), fault.answers.end());

    EXPECT_FALSE(function.run(link.folder, host, link.options));
    EXPECT_EQ(host.Numbers(), function.shown[GetParam().step]);
    EXPECT_TRUE(host.answers.empty()) << "the mode switch was not asked for";
    if (link.text.empty()) {
        EXPECT_EQ(MessagesShown(host), 0u);
    } else {
        ASSERT_EQ(MessagesShown(host), 1u);
        EXPECT_FALSE(host.shown.back().question);
        EXPECT_EQ(host.shown.back().text.substr(0, link.text.size()), link.text);
    }
    unsetenv("QUILLBOX_COM1");
}

INSTANTIATE_TEST_SUITE_P(Functions, ConnectionStep, testing::ValuesIn(Rows()), [](const auto& info) {
    return std::string(info.param.function->name) + "_" + kFaults[info.param.step].name;
});

// What the functions check as soon as the link stands, before any data moves.
struct AfterConnectCase {
    const char* name;
    int group;
    Run run;
    std::vector<std::string> sim;
    std::string shown;
    std::string text;
};

void PrintTo(const AfterConnectCase& c, std::ostream* out) {
    *out << c.name;
}

class AfterConnecting : public testing::TestWithParam<AfterConnectCase> {};

TEST_P(AfterConnecting, FailsWithTheFunctionsOwnNumber) {
    const AfterConnectCase& c = GetParam();
    TempFolder folder;
    SimLink link;
    ASSERT_TRUE(link.Start(Line::Tcp, c.sim)) << link.sim.Error();
    CRecordingHost host{c.group};
    EXPECT_FALSE(c.run(folder, host, link.Options()));
    EXPECT_EQ(host.Numbers(), c.shown);
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Functions, AfterConnecting,
    testing::Values(
        // Identification and check are served; the first slot's selection meets a cut line.
        AfterConnectCase{
            "UploadOverviewSlotUnread", 6, UploadOverview, {"--drop-after", "2"}, "16", "[11012]"},
        AfterConnectCase{
            "DownloadOverviewSlotUnread", 7, DownloadOverview, {"--drop-after", "2"}, "16", "[11012]"},
        AfterConnectCase{"WebPageNotLinkbox", 11, WebPage, {"--kind", "A2"}, "10", "[11050]"},
        AfterConnectCase{"WebPageFileGone", 11, WebPageGone, {"--kind", "A3"}, "13", "[11031]"},
        AfterConnectCase{
            "BootDataReadPreparationNotLinkbox", 12, BootDataReadPreparation, {}, "11", "[11054]"},
        AfterConnectCase{"BootDataWriteNotLinkbox", 12, BootDataWrite, {}, "22", "[11054]"},
        AfterConnectCase{"BootDataReadNotLinkbox", 12, BootDataRead, {}, "60", "[11054]"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qbx

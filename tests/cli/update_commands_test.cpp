// qbx os-update, qbx firmware and qbx webpage as a script would use them,
// against the simulator.
#include "formats/function_data_image.h"
#include "sim/state_file.h"
#include "tests/cli/qbx_against_sim.h"
#include "tests/operations/update_files.h"

#include <chrono>
#include <gtest/gtest.h>
#include <map>
#include <regex>

namespace {

using namespace qbx::test;

class QbxUpdate : public testing::Test, protected CQbxAgainstSim {
  protected:
    // Each device starts fresh, so that an image in its state is this run's.
    void StartSim(bool serial, std::vector<std::string> arguments) {
        const std::vector<std::string> state = FreshState();
        arguments.insert(arguments.end(), state.begin(), state.end());
        CQbxAgainstSim::StartSim(serial, std::move(arguments));
    }
    // What the device kept under `key` in one of its memories, once it has
    // saved it.
    Image Saved(std::map<std::uint8_t, qbx::sim::CBytes> qbx::sim::CDeviceState::*memory, std::uint8_t key) {
        auto held = [&](const qbx::sim::CDeviceState& state) { return (state.*memory).count(key) != 0; };
        return (State(held, std::chrono::seconds(5)).*memory)[key];
    }
    // The image the device kept for update phase `phase`.
    Image Received(std::uint8_t phase) { return Saved(&qbx::sim::CDeviceState::images, phase); }
    // A single-image file covering 0x10400 bytes, with a hole (srec_cat) or
    // without (objcopy, whose 16-byte records carry a welcome page exactly).
    Image WriteProgram(const std::string& name, const std::string& magic = "BRAVOLT_PROGRAM_FILE",
                       const std::vector<Hole>& holes = {{0x400, 0x800}}) {
        const Image binary = hexfile::Pattern(0x10400, 51);
        files.Write(name, SingleImageFile(magic, 0x10400, MakeHex(files, "img", binary, holes)));
        return WithHoles(binary, holes);
    }
};

TEST_F(QbxUpdate, OsUpdateOverBothLinesWithTheEditionsStandardPage) {
    for (bool serial : {false, true}) {
        SCOPED_TRACE(serial ? "serial" : "tcp");
        StartSim(serial, {"--os-size", "0x10400"});
        const Image image = WriteProgram("new os.PRG");
        QbxRun run = Call("os-update 'new os.PRG'");
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_TRUE(Received(0x1F) == image); // no page in the standard edition
        const std::string handover = folder.Read("config_bs_5130.ini");
        EXPECT_EQ(handover.substr(0, 258), std::string(255, ' ') + "0\r\n");
        EXPECT_NE(handover.find(files.File("new os.PRG") + "\r\n"), std::string::npos);
        sim.Stop();
    }
}

TEST_F(QbxUpdate, WelcomePageGivenOrTheCustomersOwn) {
    StartSim(false, {"--os-size", "0x10400"});
    const Image image = WriteProgram("os.prg", "BRAVOLT_PROGRAM_FILE", {});
    files.Write("page.BGS", WelcomePageText());
    QbxRun run = Call("os-update os.prg --welcome page.BGS");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Received(0x1F) == WithWelcomePage(image));

    // The customer edition writes the program folder's page when none is
    // given: the one the build puts there, the edition's default page.
    folder.Write("customer.ini", "2\n");
    std::filesystem::create_directory(folder.File("Begrüssungsseiten"));
    std::filesystem::copy_file(QBX_PROGRAM_DIR "/Begrüssungsseiten/ormand.bgs",
                               folder.File("Begrüssungsseiten/ormand.bgs"));
    sim.Stop();
    StartSim(false, {"--os-size", "0x10400"});
    run = Call("os-update os.prg");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string ormand =
        "        ORMAND" + std::string(30, ' ') + "     Ormand Control" + std::string(25, ' ');
    Image expected = image;
    std::copy(ormand.begin(), ormand.end(), expected.begin() + 0x10002);
    EXPECT_TRUE(Received(0x1F) == expected);
    EXPECT_NE(folder.Read("config_bs_5130.ini").find(folder.File("Begrüssungsseiten/ormand.bgs")),
              std::string::npos);
}

TEST_F(QbxUpdate, PreparationChecksAndUsage) {
    StartSim(false, {});
    WriteProgram("os.prg");
    files.Write("w.Bgs", WelcomePageText());
    const struct {
        std::string customer, arguments;
        int status;
        std::string message;
    } cases[] = {
        {"1", "os-update os.Prg", 1, "Quillbox-Message 8.006: "},
        {"2", "os-update os.Prg", 1, "Quillbox-Message 8.007: "},
        {"1", "os-update os.prg --welcome w.Bgs", 1, "Quillbox-Message 8.003: "},
        // No Begrüssungsseiten/ormand.bgs in this program folder.
        {"2", "os-update os.prg", 1, "Quillbox-Message 8.011: "},
        {"1", "os-update " + std::string(250, 'p') + ".prg", 1, "Quillbox-Message 8.008: "},
        {"1", "firmware boot.Frm", 1, "Quillbox-Message 3.001: "},
        {"1", "firmware missing.frm", 1, "Quillbox-Message 3.039: "},
        {"1", "os-update missing.prg", 1, "Quillbox-Message 4.002: "},
        {"1", "os-update", 2, "qbx: no program file given"},
        {"1", "os-update os.prg --welcome", 2, "qbx: --welcome needs"},
        {"1", "os-update os.prg --welcome none.bgs", 2, "qbx: no welcome-page file"},
        {"1", "firmware", 2, "qbx: expected one firmware file"},
        {"1", "check", 2, "qbx: no file to check given"},
        {"1", "check os.prg --welcome", 2, "qbx: --welcome needs"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        folder.Write("customer.ini", c.customer + "\n");
        QbxRun run = Call(c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << run.err;
    }
}

TEST_F(QbxUpdate, ModeQuestionAnsweredByYesOnly) {
    StartSim(false, {"--kind", "A8", "--os-size", "0x10400"});
    const Image image = WriteProgram("os.prg", "BRAVOLT_BLUPD_FILE");
    QbxRun no = Call("os-update os.prg");
    EXPECT_EQ(no.status, 1);
    EXPECT_EQ(no.err.rfind("Quillbox-Message 4.008: ", 0), 0u) << no.err;
    QbxRun yes = Call("--yes os-update os.prg");
    EXPECT_EQ(yes.status, 0) << yes.err;
    EXPECT_TRUE(Received(0x1F) == image);
}

TEST_F(QbxUpdate, FirmwareForTheFamilyThatAnswers) {
    const Image binary = hexfile::Pattern(0x3000, 61);
    files.Write("box.frm",
                SingleImageFile("BRAVOLT_LINKBOX_FIRMWARE_FILE", 0x3000, MakeHex(files, "fw", binary)));
    StartSim(false, {"--kind", "A2"});
    QbxRun wrong = Call("firmware box.frm");
    EXPECT_EQ(wrong.status, 1);
    EXPECT_EQ(wrong.err.rfind("Quillbox-Message 3.041: ", 0), 0u) << wrong.err;
    sim.Stop();
    StartSim(false, {"--kind", "A3", "--firmware-size", "0x3000"});
    QbxRun run = Call("firmware box.frm");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Received(0x3F) == binary);
}

TEST_F(QbxUpdate, WebPageRelativeToTheStartFolderOverBothLines) {
    std::string html = "<html><body>";
    for (int row = 0; row < 300; ++row)
        html += "<p>Kessel " + std::to_string(row) + "</p>\n";
    html += "</body></html>\n";
    files.Write("Start Page.HTML", html);
    for (bool serial : {false, true}) {
        SCOPED_TRACE(serial ? "serial" : "tcp");
        StartSim(serial, {"--kind", "A3"});
        QbxRun run = Call("webpage 'Start Page.HTML'");
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_TRUE(Saved(&qbx::sim::CDeviceState::pages, 1) == Image(html.begin(), html.end()));
        sim.Stop();
    }
}

TEST_F(QbxUpdate, WebPageChecksAndUsage) {
    StartSim(false, {"--kind", "A2"});
    files.Write("page.htm", "<p>");
    files.Write("big.gif", std::string(196001, 'g'));
    files.Write("small.gif", "GIF89a");
    const struct {
        std::string arguments;
        int status;
        std::string err;
    } cases[] = {
        {"webpage", 2, "qbx: expected one web page file (.html or .gif)\n"},
        {"webpage a.html b.html", 2, "qbx: expected one web page file (.html or .gif)\n"},
        {"webpage page.htm", 1, "Quillbox-Message 11.001: "},
        {"webpage big.gif", 1, "Quillbox-Message 11.002: "},
        {"webpage missing.gif", 1, "Quillbox-Message 11.003: "},
        {"webpage small.gif", 1, "Quillbox-Message 11.010: "}, // the serial family
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        QbxRun run = Call(c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err);
        if (c.status == 1) {
            EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err; // the message's one line
        }
    }
    EXPECT_NE(Call("webpage big.gif").err.find("196000"), std::string::npos);
}

// The findings of `qbx --json check` by file: each finding's code (with the
// transfer's message number after a colon), and all their texts.
struct CheckReport {
    std::map<std::string, std::string> codes, texts;
};

CheckReport ReadFindings(const std::string& json) {
    static const std::regex field("\"(file|code|id|text)\":\"((?:[^\"\\\\]|\\\\.)*)\"");
    CheckReport report;
    std::size_t at = 0;
    for (std::size_t end; (end = json.find('\n', at)) != std::string::npos; at = end + 1) {
        const std::string line = json.substr(at, end - at);
        if (line.find("\"event\":\"finding\"") == std::string::npos) continue;
        std::map<std::string, std::string> f;
        for (std::sregex_iterator it(line.begin(), line.end(), field), none; it != none; ++it)
            f[(*it)[1]] = (*it)[2];
        std::string& codes = report.codes[f["file"]];
        codes += (codes.empty() ? "" : " ") + f["code"] + (f.count("id") ? ":" + f["id"] : "");
        report.texts[f["file"]] += f["text"] + "\n";
    }
    return report;
}

// The files the transfers are tested with, each checked once: what a device
// would get, and the message a transfer that fails would stop with.
TEST_F(QbxUpdate, CheckNamesWhatTheDeviceWouldGetWithoutALink) {
    folder.Write("qbx_man.ini", "6\n1\n127.0.0.1\n1\n"); // English, and nothing listens there
    const Image binary = hexfile::Pattern(0x20000, 71);
    files.Write("objcopy.prg", SingleImageFile("BRAVOLT_BLUPD_FILE", 0x20000, MakeHex(files, "a", binary)));
    files.Write("srec.prg", SingleImageFile("BRAVOLT_BUSVIEW_PROGRAM_FILE", 0x20000,
                                            MakeHex(files, "b", binary, {{0x400, 0x800}})));
    const std::string small = MakeHex(files, "c", hexfile::Pattern(0x10400, 41), {{0x200, 0x300}});
    files.Write("reordered.prg",
                SingleImageFile("BRAVOLT_BLUPD_FILE", 0x10400, MoveRecord(small, "0040", "0120")));
    const std::uint32_t dataSize = 0x12000, bsSize = 0x1000, window = dataSize / 2;
    files.Write("qrt.prg",
                TwoImageFile("QRT5130", dataSize, bsSize, MakeHex(files, "p", hexfile::Pattern(dataSize, 21)),
                             MakeHex(files, "bs", hexfile::Pattern(dataSize, 22),
                                     {{window, window + bsSize}, {0x100, 0x180}})));
    files.Write("page.bgs", WelcomePageText());
    // The header names 0x2000 bytes, the records reach 0x3000; the first
    // record's checksum is spoilt.
    std::string firmware = MakeHex(files, "fw", hexfile::Pattern(0x3000, 61));
    char& digit = firmware[firmware.find_first_of("\r\n") - 1];
    digit = digit == '0' ? '1' : '0';
    files.Write("box.frm", SingleImageFile("BRAVOLT_FIRMWARE_FILE", 0x2000, firmware));
    qbx::FunctionDataImage data;
    ASSERT_TRUE(data.Prepare({3, 0x80,
                              "Stra\xDF"
                              "e 1",
                              "B 2", 0x100}));
    ASSERT_TRUE(data.Save(files.File("Heizzentrale Straße Nord Kessel 2.dat")));
    files.Write("big.gif", std::string(196001, 'g'));
    files.Write("notes.txt", "x");

    QbxRun run = Call("--json check --welcome page.bgs objcopy.prg srec.prg reordered.prg qrt.prg box.frm "
                      "'Heizzentrale Straße Nord Kessel 2.dat' page.bgs big.gif notes.txt " +
                      std::string(250, 'p') + ".prg");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.find("Quillbox-Message"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Files checked: 10, sound: 5, would fail or lose data: 5.\n"), std::string::npos)
        << run.err;
    const CheckReport report = ReadFindings(run.out);
    const struct {
        std::string file;
        std::string codes;
        const char* said; // in one of its texts
    } cases[] = {
        {"objcopy.prg", "kind welcome-page data extended-address", "Data from 000000 to 01FFFF."},
        {"srec.prg", "kind welcome-page data hole data extended-address extended-address",
         "No data from 000400 to 0007FF: the device keeps these 1024 bytes erased (FF)."},
        {"reordered.prg", "kind welcome-page data data extended-address out-of-order:4.036",
         "record at 000040"},
        {"qrt.prg",
         "kind data extended-address welcome-page data hole data data extended-address extended-address "
         "boot-sector-window",
         "ABCDEFGHIJKLMNOPQRSTUV | WXYZ"},
        {"box.frm", "kind data checksum beyond-size", "Data from 002000 to 002FFF lie beyond the 2000"},
        {"Heizzentrale Straße Nord Kessel 2.dat",
         "kind becomes-blank text-cut becomes-blank stored-texts slot-line",
         "\\\"N: Heizzentrale Stra e Nord Kessel  (256 bytes)\\\""},
        {"page.bgs", "kind", "88 bytes"},
        {"big.gif", "too-large:11.002", "196000"},
        {"notes.txt", "unknown-kind", ".html and .gif"},
        {std::string(250, 'p') + ".prg", "path-too-long:8.008 not-opened:4.002", "at most 256 bytes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.substr(0, 20));
        EXPECT_EQ(report.codes.count(c.file) ? report.codes.at(c.file) : "", c.codes);
        const std::string texts = report.texts.count(c.file) ? report.texts.at(c.file) : "";
        EXPECT_NE(texts.find(c.said), std::string::npos) << texts;
    }
}

} // namespace

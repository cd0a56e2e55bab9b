// qbx os-update, qbx firmware and qbx webpage as a script would use them,
// against the simulator.
#include "sim/state_file.h"
#include "tests/cli/qbx_against_sim.h"
#include "tests/operations/update_files.h"

#include <chrono>
#include <gtest/gtest.h>

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

} // namespace

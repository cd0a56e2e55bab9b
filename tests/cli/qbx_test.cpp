// qbx as a script would use it, against the simulator.
#include "tests/support/sim_process.h"
#include "tests/support/temp_folder.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace {

struct QbxRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs qbx with `arguments`, standard input from /dev/null.
QbxRun RunQbx(const std::string& arguments, const std::string& environment = "") {
    TempFolder capture;
    std::string command = environment + " '" QBX_PROGRAM_DIR "/qbx' " + arguments + " </dev/null >" +
                          capture.File("out") + " 2>" + capture.File("err");
    int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, capture.Read("out"), capture.Read("err")};
}

class Qbx : public testing::Test {
  protected:
    // A simulator and a program folder whose settings point at it.
    void StartSim(bool serial, std::vector<std::string> arguments, int language = 1) {
        arguments.insert(arguments.begin(), serial ? "--pty" : "--tcp");
        if (!serial) arguments.insert(arguments.begin() + 1, "0");
        ASSERT_TRUE(sim.Start(arguments)) << sim.Error();
        std::string lang = std::to_string(language);
        if (serial) {
            folder.Write("qbx_man.ini", "0\n" + lang + "\n");
            environment = "QUILLBOX_COM1='" + sim.PtyPath() + "'";
        } else {
            folder.Write("qbx_man.ini",
                         "6\n" + lang + "\n127.0.0.1\n" + std::to_string(sim.TcpPort()) + "\n");
        }
    }
    QbxRun Call(const std::string& arguments) {
        return RunQbx("--folder '" + folder.Path() + "' " + arguments, environment);
    }

    qbx::test::CSimProcess sim;
    TempFolder folder;
    std::string environment;
};

TEST_F(Qbx, IdentifiesOverTcpAndSerial) {
    StartSim(false, {"--kind", "A3"});
    QbxRun tcp = Call("identify");
    EXPECT_EQ(tcp.status, 0) << tcp.err;
    EXPECT_EQ(tcp.out, "family 0xA3\nrawType 0xA3\nversion 130\n");
    sim.Stop();

    StartSim(true, {"--kind", "D1"});
    QbxRun serial = Call("identify");
    EXPECT_EQ(serial.status, 0) << serial.err;
    EXPECT_EQ(serial.out, "family 0xA2\nrawType 0xD1\nversion 30\n");
}

TEST_F(Qbx, ListsAndClearsSlots) {
    for (bool serial : {false, true}) {
        StartSim(serial, {"--slot", "1=Kessel Süd:100", "--slot", "4=Halle 2"});
        QbxRun slots = Call("slots");
        EXPECT_EQ(slots.status, 0) << slots.err;
        EXPECT_EQ(slots.out, "1: Kessel Süd (100 bytes)\n2: (empty)\n3: (empty)\n4: Halle 2 (32768 bytes)\n"
                             "5: (empty)\n6: (empty)\n7: (empty)\n");
        // Data on the device go only after Yes; a script without a terminal gets No.
        QbxRun declined = Call("clear 4");
        EXPECT_EQ(declined.status, 1);
        EXPECT_NE(declined.err.find("Quillbox-Message 6.070: "), std::string::npos) << declined.err;
        EXPECT_NE(declined.err.find("\"Halle 2\""), std::string::npos) << declined.err;
        EXPECT_NE(declined.err.find("[y/N] n (no terminal; --yes answers Yes)"), std::string::npos);
        EXPECT_NE(Call("slots").out.find("4: Halle 2"), std::string::npos);
        EXPECT_EQ(Call("--yes clear 4").status, 0);
        EXPECT_NE(Call("slots").out.find("4: (empty)"), std::string::npos);
        QbxRun nothingToLose = Call("clear 4");
        EXPECT_EQ(nothingToLose.status, 0) << nothingToLose.err;
        EXPECT_EQ(nothingToLose.err, "");
        sim.Stop();
    }
}

TEST_F(Qbx, ModeSwitchNeedsConsent) {
    StartSim(false, {"--kind", "A8"});
    QbxRun declined = Call("slots"); // no terminal: the question is answered No
    EXPECT_EQ(declined.status, 1);
    EXPECT_NE(declined.err.find("Quillbox-Message 6.007: "), std::string::npos) << declined.err;
    EXPECT_EQ(declined.out, "");
    QbxRun agreed = Call("--yes slots");
    EXPECT_EQ(agreed.status, 0) << agreed.err;
    EXPECT_NE(agreed.out.find("7: "), std::string::npos);
}

TEST_F(Qbx, FailuresPrintTheirMessageAndExitOne) {
    StartSim(false, {"--kind", "A2", "--version", "25"}, 0);
    QbxRun old = Call("slots");
    EXPECT_EQ(old.status, 1);
    ASSERT_EQ(old.err.rfind("Quillbox-Message 6.015: ", 0), 0u) << old.err;
    EXPECT_NE(old.err.find("2.5"), std::string::npos) << old.err;
    sim.Stop();

    folder.Write("qbx_man.ini", "0\n1\n");
    environment = "QUILLBOX_COM1=/nonexistent/port";
    QbxRun missing = Call("identify");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err.rfind("Quillbox-Message 6.003: ", 0), 0u) << missing.err;

    std::remove(folder.File("qbx_man.ini").c_str());
    QbxRun noSettings = Call("clear 2"); // the slots are read first, as the dialog does
    EXPECT_EQ(noSettings.status, 1);
    EXPECT_EQ(noSettings.err.rfind("Quillbox-Message 6.001: ", 0), 0u) << noSettings.err;
}

// A COM port that names /dev/null or a plain file: refused before anything
// is written, with the path in the message, and at once (the run is cut off
// after five seconds, which fails).
TEST_F(Qbx, PortThatIsNoTerminalIsRefusedAtOnce) {
    folder.Write("qbx_man.ini", "0\n1\n");
    folder.Write("com1.txt", "not a port\n");
    for (std::string path : {std::string("/dev/null"), folder.File("com1.txt")}) {
        environment = "QUILLBOX_COM1='" + path + "' timeout 5";
        auto start = std::chrono::steady_clock::now();
        QbxRun run = Call("identify");
        auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(run.status, 1) << path;
        EXPECT_LT(elapsed, std::chrono::seconds(3)) << path;
        EXPECT_EQ(run.out, "") << path;
        EXPECT_EQ(run.err.rfind("Quillbox-Message 6.005: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find("(system error 25)"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("COM1 is " + path + ", which is not a serial port"), std::string::npos)
            << run.err;
    }
    EXPECT_EQ(folder.Read("com1.txt"), "not a port\n");
}

TEST_F(Qbx, RelativeFolderIsTakenFromTheCallersFolder) {
    StartSim(false, {"--kind", "A3"});
    std::filesystem::path program(folder.Path());
    std::filesystem::create_directory(program / "sub");
    std::string name = program.filename().string();
    struct {
        std::string from, folder;
    } cases[] = {{program.parent_path(), name},
                 {program.parent_path(), "./" + name + "/"},
                 {program / "sub", ".."},
                 {program / "sub", "../sub/../."},
                 {program, "."}};
    for (const auto& c : cases) {
        // The settings name the simulator; without them qbx would try COM1.
        QbxRun run = RunQbx("--folder '" + c.folder + "' identify", "cd '" + c.from + "' &&");
        EXPECT_EQ(run.status, 0) << c.from << " " << c.folder << ": " << run.err;
        EXPECT_EQ(run.out, "family 0xA3\nrawType 0xA3\nversion 130\n") << c.folder;
    }
    QbxRun missing = RunQbx("--folder no-such-folder identify", "cd '" + folder.Path() + "' &&");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("cannot use the folder no-such-folder"), std::string::npos) << missing.err;
}

// The link named for one run replaces qbx_man.ini's, which need not exist,
// and options may follow the command. Without either, the message that
// sends the person to the settings dialog says how to do it in qbx.
TEST_F(Qbx, LinkGivenForTheRunNeedsNoSettingsFile) {
    StartSim(false, {"--kind", "A3"});
    std::remove(folder.File("qbx_man.ini").c_str());
    QbxRun tcp = Call("identify --tcp 127.0.0.1:" + std::to_string(sim.TcpPort()));
    EXPECT_EQ(tcp.status, 0) << tcp.err;
    EXPECT_EQ(tcp.out, "family 0xA3\nrawType 0xA3\nversion 130\n");
    QbxRun status = Call("--tcp 127.0.0.1:" + std::to_string(sim.TcpPort()) + " tcp-status");
    EXPECT_EQ(status.status, 0) << status.err;
    EXPECT_NE(status.out.find("A3"), std::string::npos) << status.out;
    sim.Stop();

    StartSim(true, {"--kind", "D1"});
    std::remove(folder.File("qbx_man.ini").c_str());
    QbxRun serial = Call("identify --port '" + sim.PtyPath() + "'");
    EXPECT_EQ(serial.status, 0) << serial.err;
    EXPECT_EQ(serial.out, "family 0xA2\nrawType 0xD1\nversion 30\n");

    QbxRun none = Call("identify");
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err.rfind("Quillbox-Message 6.001: ", 0), 0u) << none.err;
    EXPECT_NE(none.err.find("\nqbx: Stellen Sie die Verbindung mit „qbx settings set interface="),
              std::string::npos)
        << none.err;
}

// settings set changes only the keys it is given, and says which file it
// could not write, as the settings dialog does.
TEST(QbxUsage, SettingsSetKeepsWhatItIsNotGiven) {
    TempFolder folder;
    folder.Write("qbx_man.ini", "1\n2\n10.0.0.5\n4001\n");
    const std::string run = "--folder '" + folder.Path() + "' ";
    QbxRun set = RunQbx(run + "settings set port=4002 interface=tcp");
    EXPECT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(folder.Read("qbx_man.ini"), "6\n2\n10.0.0.5\n4002\n");
    set = RunQbx(run + "settings set language=en address=linkbox.test interface=COM3");
    EXPECT_EQ(folder.Read("qbx_man.ini"), "2\n1\nlinkbox.test\n4002\n");
    QbxRun shown = RunQbx(run + "settings");
    EXPECT_EQ(shown.out, "interface: COM3\nlanguage: en\naddress: linkbox.test\nport: 4002\nfile: " +
                             folder.File("qbx_man.ini") + "\n");

    std::filesystem::remove(folder.File("qbx_man.ini"));
    std::filesystem::create_directory(folder.File("qbx_man.ini"));
    QbxRun failed = RunQbx(run + "settings set port=1");
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err.rfind("Quillbox-Message 5.036: ", 0), 0u) << failed.err;
    EXPECT_NE(failed.err.find(folder.File("qbx_man.ini")), std::string::npos) << failed.err;
}

// A first start speaks the locale's language: LC_ALL before LC_MESSAGES
// before LANG, German when they name none of the three.
TEST(QbxUsage, FirstStartTakesTheLanguageFromTheLocale) {
    struct Case {
        const char* environment;
        const char* text; // the start of the missing settings file's message
    };
    const Case cases[] = {
        {"LC_ALL=it_IT.UTF-8", "Impossibile leggere"},
        {"LC_ALL= LC_MESSAGES=en_GB.UTF-8 LANG=it_IT.UTF-8", "The settings file"},
        {"LC_ALL= LC_MESSAGES= LANG=en_US", "The settings file"},
        {"LC_ALL=de_CH.UTF-8 LANG=en_US", "Die Einstellungsdatei"},
        {"LC_ALL=C LANG=en_US", "Die Einstellungsdatei"},
        {"LC_ALL=fr_FR.UTF-8", "Die Einstellungsdatei"},
    };
    TempFolder empty;
    for (const Case& c : cases) {
        QbxRun run = RunQbx("--folder '" + empty.Path() + "' identify", std::string("env ") + c.environment);
        EXPECT_EQ(run.status, 1) << c.environment;
        EXPECT_EQ(run.err.rfind(std::string("Quillbox-Message 6.001: ") + c.text, 0), 0u)
            << c.environment << "\n"
            << run.err;
    }
}

// Help and version answer on standard output with exit 0, wherever they stand.
TEST(QbxUsage, HelpAndVersionExitZero) {
    for (const char* arguments : {"--help", "-h", "identify --help", "--folder /nonexistent -h"}) {
        QbxRun run = RunQbx(arguments);
        EXPECT_EQ(run.status, 0) << arguments;
        EXPECT_EQ(run.out.rfind("usage: qbx", 0), 0u) << arguments;
        EXPECT_EQ(run.err, "") << arguments;
    }
    QbxRun version = RunQbx("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "qbx " QBX_VERSION "\n");
}

// The man pages cannot go stale: every option, command and variable of a
// program's help is in its page, and so are qbx's files and exit codes.
TEST(QbxUsage, ManPagesCoverTheHelp) {
    const struct {
        const char* page;
        const char* program;
        std::vector<std::string> more;
    } cases[] = {
        {"qbx.1",
         "qbx",
         {"QUILLBOX_COM", "QUILLBOX_TRACE", "ports.ini", "qbx_man.ini", "directory.ini", "config_up.ini",
          "config_do.ini", "config_bs_5130.ini", "customer.ini", ".config/quillbox", "XDG_CONFIG_HOME", "130",
          "143"}},
        {"qbx-sim.1", "qbx-sim", {}},
    };
    for (const auto& c : cases) {
        std::ifstream in(std::string(QBX_SOURCE_DIR "/packaging/") + c.page);
        std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // roff writes a minus as "\-".
        for (std::size_t at = page.find("\\-"); at != std::string::npos; at = page.find("\\-", at))
            page.erase(at, 1);
        ASSERT_FALSE(page.empty()) << c.page;
        TempFolder capture;
        const std::string command =
            std::string("'" QBX_PROGRAM_DIR "/") + c.program + "' --help >" + capture.File("out") + " 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        std::istringstream lines(capture.Read("out"));
        std::vector<std::string> words = c.more;
        const std::size_t fromHelp = words.size();
        for (std::string line; std::getline(lines, line);) {
            // "  --folder DIR ...", "  -h, --help", "  identify  ...", "  QUILLBOX_COM1 ..."
            if (line.size() < 3 || line[0] != ' ' || line[2] == ' ') continue;
            std::istringstream first(line);
            std::string word;
            first >> word;
            words.push_back(word.substr(0, word.find_first_of(",=")));
        }
        EXPECT_GT(words.size() - fromHelp, 20u) << c.program;
        for (const std::string& word : words)
            EXPECT_NE(page.find(word), std::string::npos) << word << " is not in " << c.page;
    }
}

TEST(QbxUsage, BadCommandLinesExitTwo) {
    for (const char* arguments :
         {"", "frobnicate", "clear", "clear 8", "clear 1 2", "--folder", "--bogus identify", "identify extra",
          "--port COM7 identify", "--port ttyS0 identify", "--tcp host:0 identify", "--tcp= identify",
          "--port COM1 --tcp host identify", "settings set", "settings set interface=COM9",
          "settings set language=fr", "settings set port=65536", "settings set address=", "settings show"}) {
        QbxRun run = RunQbx(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_NE(run.err.find("usage: qbx"), std::string::npos) << arguments;
    }
}

} // namespace

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/sim/raw_line.h"
#include "tests/support/sim_process.h"

namespace qbx::test {
namespace {

class SimProcessTest : public ::testing::Test {
  protected:
    void TearDown() override {
        for (const std::string& file : files)
            std::remove(file.c_str());
    }
    std::string TempFile(const std::string& name) {
        files.push_back(::testing::TempDir() + "sim_" + std::to_string(getpid()) + "_" + name);
        std::remove(files.back().c_str());
        return files.back();
    }
    static std::string Contents(const std::string& file) {
        std::stringstream text;
        text << std::ifstream(file).rdbuf();
        return text.str();
    }
    // Starts qbx-sim on an ephemeral port with `args` and connects `line`.
    void StartTcp(CSimProcess& sim, CRawLine& line, std::vector<std::string> args) {
        args.insert(args.begin(), {"--tcp", "0"});
        ASSERT_TRUE(sim.Start(args)) << sim.Error();
        ASSERT_TRUE(line.ConnectTcp(sim.TcpPort()));
    }
    static CWire Concat(CWire a, const CWire& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }

    std::vector<std::string> files;
};

TEST_F(SimProcessTest, IdentifiesEachKindOverTcp) {
    struct {
        const char* kind;
        std::uint8_t version;
    } const kinds[] = {{"A2", 30}, {"A3", 130}, {"A8", 30}, {"D1", 30}};
    for (const auto& k : kinds) {
        CSimProcess sim;
        CRawLine line;
        StartTcp(sim, line, {"--kind", k.kind});
        EXPECT_EQ(sim.ReadyLine(), "qbx-sim ready tcp 127.0.0.1:" + std::to_string(sim.TcpPort()));
        const CWire answer = line.Exchange(kIdentify, 5);
        ASSERT_EQ(answer.size(), 5u) << k.kind;
        EXPECT_EQ(answer[2], std::stoul(k.kind, nullptr, 16)) << k.kind;
        EXPECT_EQ(answer[3], k.version) << k.kind;
        const int status = sim.Stop();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    }
}

TEST_F(SimProcessTest, SwitchedModeSurvivesReconnectAndRestart) {
    const std::string state = TempFile("mode.state");
    {
        CSimProcess sim;
        CRawLine line;
        StartTcp(sim, line, {"--kind", "A8", "--state", state});
        EXPECT_EQ(line.Exchange(kIdentify, 5).at(2), 0xA8);
        EXPECT_EQ(line.Exchange(Concat(kAck, {'!'}), 1), CWire{0x80});
        EXPECT_EQ(line.Exchange({0x22, 0xC0}, 1), CWire{0xC0});
        ASSERT_TRUE(line.ConnectTcp(sim.TcpPort())); // the next operation's connection
        EXPECT_EQ(line.Exchange(kIdentify, 5).at(2), 0xA2);
    }
    CSimProcess sim;
    CRawLine line;
    StartTcp(sim, line, {"--kind", "A8", "--state", state});
    EXPECT_EQ(line.Exchange(kIdentify, 5).at(2), 0xA2);
    EXPECT_EQ(line.Exchange(Concat(kAck, {'!'}), 1), CWire{0xC0});
}

// The header takes its place with the data of the upload it announces.
TEST_F(SimProcessTest, WrittenHeaderIsPersistedWithItsUpload) {
    const std::string state = TempFile("header.state");
    CWire header(53, 0);
    header[0] = 1, header[1] = 0x80, header[2] = 'V', header[18] = 0x40;
    const std::string description = "Vorlauf 55";
    std::copy(description.begin(), description.end(), header.begin() + 21);
    header[31] = 127; // degree sign
    {
        CSimProcess sim;
        CRawLine line;
        StartTcp(sim, line, {"--state", state});
        EXPECT_EQ(line.Exchange(RequestFrame(0x40, 6), 4), (CWire{0x21, 0x43, 6, 0}));
        EXPECT_EQ(line.Exchange(Concat(kAck, RequestFrame(0x42)), 2), kAck);
        EXPECT_EQ(line.Exchange(WithSum(header), 2), kAck);
        EXPECT_EQ(line.Exchange(RequestFrame(0x2F), 10), Concat(kAck, BlockFrame(0x20, 0x2F, 0, 0x40)));
        EXPECT_EQ(line.Exchange(Concat(kAck, BlockFrame(0x40, 0x2F, 0, 0x40)), 2), kAck);
        EXPECT_EQ(line.Exchange(WithSum(CWire(0x40, 0x11)), 10),
                  Concat(kAck, {0x60, 0x10, 0x2F, 0, 0, 0, 0, 0x9F}));
        EXPECT_EQ(line.Exchange(Concat(kAck, kIdentify), 5).size(), 5u); // the end is through
    }
    EXPECT_NE(Contents(state).find("slot 6 01 80 \"V\" \"\" 000040 \"Vorlauf 55\xC2\xB0\""),
              std::string::npos)
        << Contents(state);
    CSimProcess sim;
    CRawLine line;
    StartTcp(sim, line, {"--state", state});
    line.Exchange(RequestFrame(0x40, 6), 4);
    EXPECT_EQ(line.Exchange(Concat(kAck, RequestFrame(0x41)), 56), Concat(kAck, WithSum(header)));
}

TEST_F(SimProcessTest, FaultOptionsReachTheDevice) {
    CSimProcess sim;
    CRawLine line;
    StartTcp(sim, line, {"--silent", "1", "--bad-sum", "1", "--drop-after", "3"});
    ASSERT_TRUE(line.Write(RequestFrame(0x31)));                                         // 1: swallowed
    EXPECT_EQ(line.Exchange(RequestFrame(0x31), 7), (CWire{0x21, 0x43, 1, 0, 0, 0, 2})); // 2: bad sum
    EXPECT_EQ(line.Exchange(Concat(kAck, RequestFrame(0x31)), 7).back(), 1);             // 3: good again
    ASSERT_TRUE(line.Write(Concat(kAck, kIdentify)));                                    // 4: cut instead
    EXPECT_TRUE(line.ClosedByPeer());
    ASSERT_TRUE(line.ConnectTcp(sim.TcpPort()));
    EXPECT_EQ(line.Exchange(kIdentify, 5).size(), 5u);
}

TEST_F(SimProcessTest, PacedAnswerTakesItsWireTime) {
    CSimProcess sim;
    CRawLine line;
    StartTcp(sim, line, {"--baud", "2400"});
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(line.Exchange(kIdentify, 5).size(), 5u);
    // 5 bytes of 10 bits at 2400 baud: at least 20.8 ms.
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::microseconds(20800));
}

TEST_F(SimProcessTest, UploadIsPersistedAndReadBackOverThePty) {
    const std::string state = TempFile("upload.state");
    CWire header(53, 0);
    header[0] = 1, header[1] = 0x80, header[18] = 100; // 100 bytes
    CWire image(100);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 5 + 1);
    auto slice = [&image](int at, int count) {
        return WithSum(CWire(image.begin() + at, image.begin() + at + count));
    };
    {
        CSimProcess sim;
        CRawLine line;
        StartTcp(sim, line, {"--state", state, "--block", "40"});
        EXPECT_EQ(line.Exchange(RequestFrame(0x40, 3), 4), (CWire{0x21, 0x43, 3, 0}));
        EXPECT_EQ(line.Exchange(Concat(kAck, RequestFrame(0x42)), 2), kAck);
        EXPECT_EQ(line.Exchange(WithSum(header), 2), kAck);
        CWire next = line.Exchange(RequestFrame(0x2F), 10);
        for (const auto& [at, count] : {std::pair{0, 40}, {40, 40}, {80, 20}}) {
            ASSERT_EQ(next, Concat(kAck, BlockFrame(0x20, 0x2F, at, count))) << at;
            EXPECT_EQ(line.Exchange(Concat(kAck, BlockFrame(0x40, 0x2F, at, count)), 2), kAck);
            next = line.Exchange(slice(at, count), 10);
        }
        EXPECT_EQ(next, Concat(kAck, {0x60, 0x10, 0x2F, 0, 0, 0, 0, 0x9F}));
        EXPECT_EQ(line.Exchange(Concat(kAck, kIdentify), 5).size(), 5u); // the end is through
    }
    EXPECT_NE(Contents(state).find("\nslot-data 3 0000 01060B10151A1F24"), std::string::npos)
        << Contents(state);
    CSimProcess sim;
    ASSERT_TRUE(sim.Start({"--pty", "--state", state})) << sim.Error();
    CRawLine line;
    ASSERT_TRUE(line.OpenTerminal(sim.PtyPath()));
    EXPECT_EQ(line.Exchange(RequestFrame(0x40, 3), 4), (CWire{0x21, 0x43, 3, 1}));
    ASSERT_TRUE(line.Write(kAck));
    for (const auto& [at, count] : {std::pair{0, 64}, {64, 36}}) {
        EXPECT_EQ(line.Exchange(BlockFrame(0x20, 0xF2, at, count), 10),
                  Concat(kAck, BlockFrame(0x40, 0xF2, at, count)));
        EXPECT_EQ(line.Exchange(kAck, count + 1), slice(at, count)) << at;
        ASSERT_TRUE(line.Write(kAck));
    }
    EXPECT_EQ(line.Exchange(BlockFrame(0x60, 0xF2, 64, 36), 2), kAck);
}

// Both directions take their wire time, and a block leaves in a few writes
// rather than byte by byte.
TEST_F(SimProcessTest, PacedDownloadBlockOverThePty) {
    const std::string trace = TempFile("paced.txt");
    {
        CSimProcess sim;
        ASSERT_TRUE(sim.Start({"--pty", "--baud", "115200", "--slot", "1=x:64", "--trace", trace}))
            << sim.Error();
        CRawLine line;
        ASSERT_TRUE(line.OpenTerminal(sim.PtyPath()));
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(line.Exchange(BlockFrame(0x20, 0xF2, 0, 64), 10).size(), 10u);
        EXPECT_EQ(line.Exchange(kAck, 65).size(), 65u);
        // 8 + 2 + 8 + 2 + 65 bytes of 10 bits at 115200 baud.
        EXPECT_GE(std::chrono::steady_clock::now() - start,
                  std::chrono::microseconds(85 * 10 * 1000000 / 115200));
        EXPECT_EQ(line.Exchange(Concat(kAck, kIdentify), 5).size(), 5u);
    }
    std::istringstream lines(Contents(trace));
    int writes = 0;
    for (std::string text; std::getline(lines, text);)
        writes += text.find(" out ") != std::string::npos;
    EXPECT_LE(writes, 6) << Contents(trace);
}

// Unpaced, what the device says to one piece of input leaves in one write:
// the acknowledgement with the reply behind it, and an answer given just
// before the line is cut still arrives ahead of the cut.
TEST_F(SimProcessTest, UnpacedAnswersToOneInputLeaveTogether) {
    const std::string trace = TempFile("burst.txt");
    {
        CSimProcess sim;
        CRawLine line;
        StartTcp(sim, line, {"--slot", "1=x:64", "--drop-after", "2", "--trace", trace});
        const CWire reply = line.Exchange(BlockFrame(0x20, 0xF2, 0, 64), 10);
        ASSERT_EQ(reply.size(), 10u);
        EXPECT_EQ(CWire(reply.begin(), reply.begin() + 2), kAck);
        EXPECT_EQ(line.Exchange(kAck, 65).size(), 65u);
        EXPECT_EQ(line.Exchange(Concat(kIdentify, kIdentify), 5).size(), 5u);
        EXPECT_TRUE(line.ClosedByPeer());
    }
    const std::string text = Contents(trace);
    EXPECT_NE(text.find(" out 10: 21 43 40 10 F2 00 00 00 40 "), std::string::npos) << text;
}

TEST_F(SimProcessTest, EchoOverTcp) {
    CSimProcess sim;
    CRawLine line;
    StartTcp(sim, line, {"--echo"});
    EXPECT_EQ(line.Exchange(kIdentify, 8), kIdentify);
}

TEST_F(SimProcessTest, PseudoTerminalWithLinkAndTrace) {
    const std::string link = TempFile("COM3");
    const std::string trace = TempFile("trace.txt");
    {
        CSimProcess sim;
        ASSERT_TRUE(sim.Start({"--pty", "--kind", "A3", "--link", link, "--trace", trace})) << sim.Error();
        EXPECT_EQ(sim.ReadyLine(), "qbx-sim ready pty " + sim.PtyPath());
        char target[256] = {};
        ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
        EXPECT_EQ(sim.PtyPath(), target);
        CRawLine line;
        ASSERT_TRUE(line.OpenTerminal(link));
        EXPECT_EQ(line.Exchange(kIdentify, 5), WithSum({0x40, 0x10, 0xA3, 130}));
        EXPECT_EQ(line.Exchange(Concat(kAck, {'!'}), 1), CWire{0xC0});
        // The port closed and opened again by the next operation still works.
        ASSERT_TRUE(line.OpenTerminal(sim.PtyPath()));
        EXPECT_EQ(line.Exchange(RequestFrame(0x31), 7).size(), 7u);
    }
    EXPECT_NE(access(link.c_str(), F_OK), 0) << "link left behind";
    const std::string text = Contents(trace);
    EXPECT_NE(text.find(" in 8: 20 10 18 00 00 00 00 48\n"), std::string::npos) << text;
    EXPECT_NE(text.find(" out 5: 40 10 A3 82 75\n"), std::string::npos) << text;
}

TEST_F(SimProcessTest, EchoOverThePseudoTerminal) {
    CSimProcess sim;
    ASSERT_TRUE(sim.Start({"--pty", "--echo"})) << sim.Error();
    CRawLine line;
    ASSERT_TRUE(line.OpenTerminal(sim.PtyPath()));
    const CWire bytes{0x00, 0x0A, 0x0D, 0x11, 0x13, 0x7F, 0xFF}; // raw: nothing translated
    EXPECT_EQ(line.Exchange(bytes, bytes.size()), bytes);
}

// Data far past what a slot holds: the start stops, and the file stays as
// it was instead of growing to tens of megabytes.
TEST_F(SimProcessTest, StateFileWithDataPastTheSlotIsRefused) {
    const std::string state = TempFile("far.state");
    const std::string text = "format 1\nslot-data 1 FFFFE0 00\n";
    std::ofstream(state) << text;
    CSimProcess sim;
    EXPECT_FALSE(sim.Start({"--tcp", "0", "--state", state}));
    EXPECT_EQ(Contents(state), text);
}

// Run as root, the simulator could put its files in place of a device
// node: a path that names what it may not write stops the start with a
// usage error before anything is written, and stays as it was.
TEST_F(SimProcessTest, PathsItMayNotWriteStopTheStart) {
    enum class EMade { CharDevice, Folder, File };
    struct {
        const char* option;
        EMade made;
    } const cases[] = {
        {"--state", EMade::CharDevice},
        {"--state", EMade::Folder},
        {"--trace", EMade::CharDevice},
        {"--link", EMade::File},
    };
    for (const auto& c : cases) {
        std::map<std::string, std::string> paths{{"--state", TempFile("out.state")},
                                                 {"--trace", TempFile("out.trace")},
                                                 {"--link", TempFile("out.link")}};
        const std::string& target = paths[c.option];
        if (c.made == EMade::CharDevice && mknod(target.c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
            std::printf("%s on a device skipped: mknod: %s (needs root)\n", c.option, std::strerror(errno));
            continue;
        }
        if (c.made == EMade::Folder) {
            ASSERT_EQ(mkdir(target.c_str(), 0700), 0);
        }
        if (c.made == EMade::File) std::ofstream(target) << "keep";
        struct stat before {};
        ASSERT_EQ(lstat(target.c_str(), &before), 0);
        CSimProcess sim;
        EXPECT_FALSE(sim.Start(
            {"--pty", "--state", paths["--state"], "--trace", paths["--trace"], "--link", paths["--link"]}));
        const int status = sim.EndStatus();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << c.option << " status " << status;
        struct stat after {};
        ASSERT_EQ(lstat(target.c_str(), &after), 0) << c.option;
        EXPECT_EQ(after.st_mode, before.st_mode) << c.option;
        EXPECT_EQ(after.st_rdev, before.st_rdev) << c.option;
        EXPECT_EQ(after.st_ino, before.st_ino) << c.option;
        if (c.made == EMade::File) {
            EXPECT_EQ(Contents(target), "keep");
        }
        for (const auto& [option, path] : paths) {
            if (option != c.option) {
                EXPECT_NE(access(path.c_str(), F_OK), 0) << path << " written for " << c.option;
            }
        }
    }
}

// A device node that takes the state file's name while the simulator runs
// keeps it: the next save fails instead of putting a file in its place.
TEST_F(SimProcessTest, SaveLeavesADeviceThatTookTheStateFilesName) {
    const std::string state = TempFile("taken.state");
    CSimProcess sim;
    CRawLine line;
    StartTcp(sim, line, {"--kind", "A8", "--state", state});
    ASSERT_EQ(unlink(state.c_str()), 0);
    if (mknod(state.c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0)
        GTEST_SKIP() << "mknod: " << std::strerror(errno) << " (needs root)";
    EXPECT_EQ(line.Exchange({0x22, 0xC0}, 1), CWire{0xC0}); // a change, so a save
    EXPECT_EQ(line.Exchange(kIdentify, 5).size(), 5u);      // after the save, and still serving
    struct stat after {};
    ASSERT_EQ(lstat(state.c_str(), &after), 0);
    EXPECT_TRUE(S_ISCHR(after.st_mode));
    EXPECT_EQ(after.st_rdev, makedev(1, 3));
    const std::string prefix = std::filesystem::path(state).filename().string() + ".";
    for (const auto& entry : std::filesystem::directory_iterator(::testing::TempDir()))
        EXPECT_NE(entry.path().filename().string().rfind(prefix, 0), 0u) << entry.path() << " left behind";
}

TEST_F(SimProcessTest, StartFailuresAreReported) {
    CSimProcess sim;
    EXPECT_FALSE(sim.Start({"--no-such-option"}));
    EXPECT_FALSE(sim.IsRunning());
    EXPECT_NE(sim.Error().find("ended"), std::string::npos) << sim.Error();
    EXPECT_FALSE(sim.Start("/bin/sleep", {"30"}, std::chrono::milliseconds(50))); // never ready
    EXPECT_NE(sim.Error().find("no ready line"), std::string::npos) << sim.Error();
    EXPECT_FALSE(sim.IsRunning());
}

} // namespace
} // namespace qbx::test

// qbx scan and qbx tcp-status against simulators.
#include "tests/support/sim_process.h"
#include "tests/support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct QbxRun {
    int status = -1;
    std::string out;
    std::string err;
};

QbxRun RunQbx(const std::string& arguments, const std::string& environment = "") {
    TempFolder capture;
    std::string command = environment + " '" QBX_PROGRAM_DIR "/qbx' " + arguments + " </dev/null >" +
                          capture.File("out") + " 2>" + capture.File("err");
    int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, capture.Read("out"), capture.Read("err")};
}

// Every port mapped into a temporary folder, missing unless a test maps it.
class QbxScan : public testing::Test {
  protected:
    void SetUp() override {
        folder.Write("qbx_man.ini", "0\n1\n");
        for (int port = 1; port <= 6; ++port)
            ports[port - 1] = folder.File("absent" + std::to_string(port));
    }
    QbxRun Scan() {
        std::string environment = extraEnvironment;
        for (int port = 1; port <= 6; ++port)
            environment += "QUILLBOX_COM" + std::to_string(port) + "='" + ports[port - 1] + "' ";
        return RunQbx("--folder '" + folder.Path() + "' scan", environment);
    }
    // The line of one port, without its diagnosis when `plain`.
    static std::string Line(const std::string& out, int port) {
        std::string prefix = "COM" + std::to_string(port) + ": ";
        std::size_t at = out.find(prefix);
        if (at == std::string::npos) return {};
        return out.substr(at, out.find('\n', at) - at);
    }

    TempFolder folder;
    std::string ports[6];
    std::string extraEnvironment;
};

TEST_F(QbxScan, ListsEveryPortAndSelectsTheHighestAnswer) {
    qbx::test::CSimProcess bootloader, held;
    ASSERT_TRUE(bootloader.Start({"--pty", "--kind", "A2", "--version", "27"})) << bootloader.Error();
    ASSERT_TRUE(held.Start({"--pty", "--held"})) << held.Error();
    ports[1] = bootloader.PtyPath();
    ports[2] = held.PtyPath();
    QbxRun run = Scan();
    EXPECT_EQ(run.status, 0) << run.err;
    // Each line names the device file the port ends at, links followed.
    auto device = [](const std::string& path) { return std::filesystem::canonical(path).string(); };
    EXPECT_EQ(Line(run.out, 2), "COM2: B.V. A2 2.7 [" + device(ports[1]) + "]");
    EXPECT_EQ(Line(run.out, 3), "COM3: C.N.A. ---------- ---------- [" + device(ports[2]) +
                                    "] (in use by qbx-sim (PID " + std::to_string(held.Pid()) + "))");
    for (int port : {1, 4, 5, 6}) // a diagnosis may name adapters the machine has
        EXPECT_EQ(Line(run.out, port)
                      .rfind("COM" + std::to_string(port) + ": N.A. ---------- ---------- [" +
                                 ports[port - 1] + "]",
                             0),
                  0u)
            << run.out;
    EXPECT_NE(run.out.find("\nselected: COM2\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.err, "");
}

// A fake kernel tree shows the pty as a USB adapter with the driver's
// default timer: the scan names it beside the answer, and a run that
// connects says so once.
TEST_F(QbxScan, SlowAdapterIsNamed) {
    qbx::test::CSimProcess bootloader;
    ASSERT_TRUE(bootloader.Start({"--pty", "--kind", "A2", "--version", "27"})) << bootloader.Error();
    const std::string device = std::filesystem::canonical(bootloader.PtyPath()).string();
    const std::string name = device.substr(device.rfind('/') + 1);
    TempFolder sysfs;
    std::filesystem::create_directories(sysfs.File("class/tty/" + name + "/device"));
    sysfs.Write("class/tty/" + name + "/device/latency_timer", "16\n");
    ports[4] = bootloader.PtyPath();
    extraEnvironment = "QUILLBOX_SYSFS='" + sysfs.Path() + "' ";
    const std::string hint =
        "(the USB adapter of " + device + " holds every reply back for its latency timer of 16 ms";
    QbxRun run = Scan();
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Line(run.out, 5).rfind("COM5: B.V. A2 2.7 [" + device + "] " + hint, 0), 0u) << run.out;

    folder.Write("qbx_man.ini", "4\n1\n"); // COM5
    QbxRun identify = RunQbx("--folder '" + folder.Path() + "' --trace '" + folder.File("log") + "' slots",
                             extraEnvironment + "QUILLBOX_COM5='" + ports[4] + "'");
    EXPECT_EQ(identify.status, 0) << identify.err;
    const std::string note = "qbx: " + hint.substr(1);
    const std::size_t at = identify.err.find(note);
    EXPECT_NE(at, std::string::npos) << identify.err;
    EXPECT_EQ(identify.err.find(note, at + 1), std::string::npos) << "once a run: " << identify.err;
    const std::string log = folder.Read("log");
    EXPECT_NE(log.find("adapter latency timer 16 ms"), std::string::npos) << log;
    EXPECT_NE(log.find(hint.substr(1)), std::string::npos) << log;
}

TEST_F(QbxScan, NothingAnsweringExitsOne) {
    qbx::test::CSimProcess held;
    ASSERT_TRUE(held.Start({"--pty", "--held"})) << held.Error();
    ports[0] = held.PtyPath();
    QbxRun run = Scan();
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.find("selected"), std::string::npos) << run.out;
    EXPECT_EQ(Line(run.out, 1).rfind("COM1: C.N.A. ", 0), 0u) << run.out;
}

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

TEST(QbxTcpStatus, ChecksTheGivenOrTheSavedAddress) {
    qbx::test::CSimProcess sim;
    ASSERT_TRUE(sim.Start({"--tcp", "0", "--kind", "A3", "--version", "149"})) << sim.Error();
    std::string port = std::to_string(sim.TcpPort());
    QbxRun given = RunQbx("tcp-status 127.0.0.1 " + port);
    EXPECT_EQ(given.status, 0) << given.err;
    EXPECT_EQ(given.out, "B.V. A3 1.49\n");

    TempFolder folder;
    folder.Write("qbx_man.ini", "6\n1\n127.0.0.1\n" + port + "\n");
    QbxRun saved = RunQbx("--folder '" + folder.Path() + "' tcp-status");
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, "B.V. A3 1.49\n");

    QbxRun refused = RunQbx("tcp-status 127.0.0.1 " + std::to_string(RefusingPort()));
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "C.N.A. ---------- ----------\n");

    for (const char* arguments :
         {"tcp-status 127.0.0.1", "tcp-status 127.0.0.1 0", "tcp-status 127.0.0.1 70000",
          "tcp-status 127.0.0.1 12x", "tcp-status a 1 b", "scan COM1"}) {
        EXPECT_EQ(RunQbx(arguments).status, 2) << arguments;
    }
}

} // namespace

// qbx mode-switch, qbx config and qbx config set as a script would use them,
// against the simulator over TCP and a pseudo-terminal.
#include "sim/state_file.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_folder.h"

#include <chrono>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>

namespace {

struct QbxRun {
    int status = -1;
    std::string out;
    std::string err;
};

class QbxBootloader : public testing::Test {
  protected:
    void StartSim(bool serial, std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), serial ? "--pty" : "--tcp");
        if (!serial) arguments.insert(arguments.begin() + 1, "0");
        std::filesystem::remove(files.File("state.txt"));
        arguments.insert(arguments.end(), {"--state", files.File("state.txt")});
        ASSERT_TRUE(sim.Start(arguments)) << sim.Error();
        if (serial) {
            folder.Write("qbx_man.ini", "0\n1\n");
            environment = "QUILLBOX_COM1='" + sim.PtyPath() + "'";
        } else {
            folder.Write("qbx_man.ini", "6\n1\n127.0.0.1\n" + std::to_string(sim.TcpPort()) + "\n");
            environment.clear();
        }
    }
    QbxRun Call(const std::string& arguments) {
        std::string command = environment + " '" QBX_PROGRAM_DIR "/qbx' --folder '" + folder.Path() + "' " +
                              arguments + " </dev/null >'" + files.File("out") + "' 2>'" + files.File("err") +
                              "'";
        int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, files.Read("out"), files.Read("err")};
    }
    // The device's state once `ready` holds, or as it is after a second.
    qbx::sim::CDeviceState State(const std::function<bool(const qbx::sim::CDeviceState&)>& ready) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        for (;;) {
            qbx::sim::CDeviceState state;
            int badLine = 0;
            qbx::sim::LoadStateFile(files.File("state.txt"), state, badLine);
            if (ready(state) || std::chrono::steady_clock::now() > deadline) return state;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    qbx::test::CSimProcess sim;
    TempFolder folder; // the program folder
    TempFolder files;
    std::string environment;
};

TEST_F(QbxBootloader, ConfigPrintsWhatTheDeviceHolds) {
    struct Case {
        bool serial;
        std::vector<std::string> sim;
        std::string out;
    } cases[] = {
        {false,
         {"--kind", "A3", "--config", "3", "--network", "10.0.0.9 255.255.0.0 10.0.0.1 17 40000 9"},
         "config: 3\naddress1: 10.0.0.9\naddress2: 255.255.0.0\naddress3: 10.0.0.1\nbyte: 17\nword1: 40000\n"
         "word2: 9\n"},
        {true, {"--kind", "A2", "--config", "6"}, "config: 6\n"},
    };
    for (const Case& c : cases) {
        StartSim(c.serial, c.sim);
        QbxRun run = Call("config");
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, "");
        sim.Stop();
    }
}

TEST_F(QbxBootloader, ConfigSetClampsAndKeepsTheRest) {
    for (bool serial : {false, true}) {
        SCOPED_TRACE(serial ? "serial" : "tcp");
        StartSim(serial, {"--kind", "A3", "--network", "10.0.0.9 255.255.0.0 10.0.0.1 17 40000 9"});
        QbxRun run = Call("config set byte=300 word1=70000 address3=192.168.5.1 config=4");
        EXPECT_EQ(run.status, 0) << run.err;
        auto state = State([](const auto& s) { return s.configByte == 4; });
        EXPECT_EQ(state.configByte, 4);
        EXPECT_EQ(state.network.parameterByte, 255);
        EXPECT_EQ(state.network.parameterWord1, 65535);
        EXPECT_EQ(state.network.parameterWord2, 9);
        EXPECT_EQ(state.network.address1, (qbx::sim::CAddress{10, 0, 0, 9}));
        EXPECT_EQ(state.network.address3, (qbx::sim::CAddress{192, 168, 5, 1}));
        sim.Stop();
    }
}

TEST_F(QbxBootloader, ModeSwitchingKindAsksFirst) {
    StartSim(false, {"--kind", "D1", "--config", "2"});
    // No terminal: the question is answered No, and nothing is read or written.
    QbxRun declined = Call("config set config=5");
    EXPECT_EQ(declined.status, 1);
    EXPECT_NE(declined.err.find("Quillbox-Message 5.018: "), std::string::npos) << declined.err;
    EXPECT_EQ(State([](const auto&) { return false; }).configByte, 2);
    EXPECT_EQ(State([](const auto&) { return true; }).mode, 0x80);

    QbxRun yes = Call("--yes config set config=5");
    EXPECT_EQ(yes.status, 0) << yes.err;
    EXPECT_EQ(State([](const auto& s) { return s.configByte == 5; }).configByte, 5);
}

TEST_F(QbxBootloader, ModeSwitchReportsTheModeWithItsNumber) {
    struct Case {
        std::vector<std::string> sim;
        int status;
        std::string message;
    } cases[] = {{{"--kind", "D1"}, 0, "Quillbox-Message 5.008: "},
                 {{"--kind", "A3"}, 0, "Quillbox-Message 5.035: "},
                 {{"--kind", "A2", "--switch-lands", "80"}, 1, "Quillbox-Message 5.009: "}};
    for (const Case& c : cases) {
        StartSim(false, c.sim);
        QbxRun run = Call("mode-switch");
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << run.err;
        EXPECT_EQ(run.out, "");
        sim.Stop();
    }
}

TEST_F(QbxBootloader, BadSettingsAreUsageErrorsAndWriteNothing) {
    StartSim(false, {"--kind", "A2", "--config", "2"});
    for (const char* arguments :
         {"config set", "config set byte=x", "config set word1=-1",
          "config set word2=", "config set address1=1.2.3", "config set address1=1.2.3.256",
          "config set address2=1.2.3.4.5", "config set config=9", "config set config=0",
          "config set Config=1", "config set byte", "config get", "mode-switch now",
          // Network settings on a bootloader that has none.
          "config set config=3 address1=10.0.0.1"}) {
        QbxRun run = Call(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
    }
    EXPECT_EQ(State([](const auto&) { return false; }).configByte, 2);
}

} // namespace

// qbx mode-switch, qbx config and qbx config set as a script would use them,
// against the simulator over TCP and a pseudo-terminal.
#include "sim/state_file.h"
#include "tests/cli/qbx_against_sim.h"

#include <gtest/gtest.h>

namespace {

class QbxBootloader : public testing::Test, protected CQbxAgainstSim {
  protected:
    // Each device starts with a state file of its own.
    void StartSim(bool serial, std::vector<std::string> arguments) {
        const std::vector<std::string> state = FreshState();
        arguments.insert(arguments.end(), state.begin(), state.end());
        CQbxAgainstSim::StartSim(serial, std::move(arguments));
    }
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

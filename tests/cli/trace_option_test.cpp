// qbx --trace FILE: the session log a user sends in, against the simulator.
#include "formats/function_data_image.h"
#include "tests/cli/qbx_against_sim.h"

#include <gtest/gtest.h>

namespace {

class QbxTrace : public testing::Test, protected CQbxAgainstSim {
  protected:
    void Settings(unsigned port, int language = 1) {
        folder.Write("qbx_man.ini",
                     "6\n" + std::to_string(language) + "\n127.0.0.1\n" + std::to_string(port) + "\n");
    }
    void StartSim(std::vector<std::string> arguments) {
        CQbxAgainstSim::StartSim(false, std::move(arguments));
    }
};

TEST_F(QbxTrace, LogHoldsHeaderFramesAndMessagesOfEachRun) {
    StartSim({});
    qbx::FunctionDataImage image;
    image.Prepare({3, 0x84, "GW 1.0", "B 2", 0x300});
    ASSERT_TRUE(image.Save(files.File("a.dat")));
    QbxRun up = Call("--trace session.log upload 2=a.dat"); // relative: the working folder's
    EXPECT_EQ(up.status, 0) << up.err;
    const std::string port = std::to_string(sim.TcpPort());
    sim.Stop();

    StartSim({"--kind", "A2", "--version", "25"});
    QbxRun old = Call("--trace session.log slots");
    EXPECT_EQ(old.status, 1);
    ASSERT_TRUE(files.Exists("session.log"));
    EXPECT_FALSE(folder.Exists("session.log"));
    const std::string log = files.Read("session.log");
    const std::string wanted[] = {
        "-- Quillbox session log: qbx ",
        "-- command line: ",
        " --trace session.log upload 2=a.dat\n",
        "-- settings: " + folder.Path() + "/qbx_man.ini, link TCP 127.0.0.1:",
        " -- open TCP 127.0.0.1:",
        " TX ",
        " RX ",
        "-- qbx: exit status 0\n",
        " --trace session.log slots\n",
        "-- Quillbox-Message 6.015: ",
        "-- qbx: exit status 1\n",
        "-- session log ends\n",
    };
    std::size_t at = 0;
    for (const std::string& line : wanted) {
        std::size_t found = log.find(line, at);
        ASSERT_NE(found, std::string::npos) << "missing in order: " << line << "\n" << log;
        at = found;
    }
    EXPECT_NE(log.find("127.0.0.1:" + port), std::string::npos);
    // Every line stamped, as the wire trace is.
    for (std::size_t start = 0, end; (end = log.find('\n', start)) != std::string::npos; start = end + 1)
        EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(log[start]))) << log.substr(start, end - start);
}

// Refused before anything is done, in the language of the settings, with exit 2.
TEST_F(QbxTrace, FileThatCannotBeWrittenIsAUsageError) {
    struct {
        int language;
        const char* text;
    } cases[] = {{0, "Sitzungsprotokoll"}, {1, "session log"}, {2, "registro della sessione"}};
    for (const auto& c : cases) {
        Settings(1, c.language);
        QbxRun run = Call("--json --trace " + files.File("no/such/folder.log") + " identify");
        EXPECT_EQ(run.status, 2) << c.language;
        EXPECT_NE(run.err.find(c.text), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(files.File("no/such/folder.log")), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("Quillbox-Message"), std::string::npos) << run.err; // no link tried
        EXPECT_NE(run.out.find("\"event\":\"result\",\"ok\":false,\"exit\":2"), std::string::npos) << run.out;
    }
}

} // namespace

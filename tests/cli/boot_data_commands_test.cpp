// qbx bootdata read and write as a script would use them, against the simulator.
#include "formats/function_data_image.h"
#include "tests/cli/qbx_against_sim.h"

#include <gtest/gtest.h>

namespace {

class QbxBootData : public testing::TestWithParam<bool>, protected CQbxAgainstSim {
  protected:
    // The parameter: true over a serial line (pty), false over TCP.
    void StartSim(std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), {"--trace", files.File("trace.txt")});
        CQbxAgainstSim::StartSim(GetParam(), std::move(arguments));
    }
    void SaveImage(const std::string& name, std::uint8_t kind, std::uint32_t size) {
        qbx::FunctionDataImage image;
        ASSERT_TRUE(image.Prepare({3, kind, "LB 1.4", "BS 2", size}));
        for (std::uint32_t i = 0; i < size; ++i)
            image.SetByte(i, static_cast<std::uint8_t>(i * 5 + 1));
        ASSERT_TRUE(image.Save(files.File(name)));
    }
};

TEST_P(QbxBootData, WriteThenReadGivesTheSameFile) {
    StartSim({"--kind", "A3"});
    SaveImage("anlage.dat", 0xA3, 0x321);
    QbxRun run = Call("bootdata write anlage.dat");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    run = Call("bootdata read sicherung"); // ".dat" is added
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(files.Read("sicherung.dat"), files.Read("anlage.dat"));
}

TEST_P(QbxBootData, DataAreReplacedOnlyAfterYes) {
    StartSim({"--kind", "A3", "--boot-data", "Werk:0x80"});
    SaveImage("anlage.dat", 0xA3, 0x321);
    QbxRun write = Call("bootdata write anlage.dat");
    EXPECT_EQ(write.status, 1);
    EXPECT_NE(write.err.find("Quillbox-Message 12.096: "), std::string::npos) << write.err;
    EXPECT_NE(write.err.find("\"Werk\""), std::string::npos) << write.err;
    EXPECT_NE(write.err.find("qbx: the LINKBOX's data were not replaced"), std::string::npos) << write.err;

    files.Write("backup.dat", "older");
    QbxRun run = Call("bootdata read backup.dat");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Quillbox-Message 12.093: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(files.File("backup.dat")), std::string::npos) << run.err;
    EXPECT_EQ(files.Read("backup.dat"), "older");
    run = Call("--yes bootdata read backup.dat");
    EXPECT_EQ(run.status, 0) << run.err;
    qbx::FunctionDataImage image;
    ASSERT_EQ(image.Load(files.File("backup.dat")), 0);
    EXPECT_EQ(image.Size(), 0x80u); // the declined write left the old image
    write = Call("--yes bootdata write anlage.dat");
    EXPECT_EQ(write.status, 0) << write.err;
    EXPECT_NE(write.err.find("Quillbox-Message 12.096: "), std::string::npos) << write.err;
}

TEST_P(QbxBootData, OtherBootloadersAreRefused) {
    StartSim({"--kind", "A2"});
    SaveImage("anlage.dat", 0xA3, 0x20);
    QbxRun run = Call("bootdata read x.dat");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("Quillbox-Message 12.011: ", 0), 0u) << run.err;
    run = Call("bootdata write anlage.dat");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("Quillbox-Message 12.022: ", 0), 0u) << run.err;
    EXPECT_FALSE(files.Exists("x.dat"));
}

INSTANTIATE_TEST_SUITE_P(Lines, QbxBootData, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Serial" : "Tcp"; });

class QbxBootDataChecks : public QbxBootData {};

// Checks that need no device: nothing may reach the line.
TEST_P(QbxBootDataChecks, FileChecksComeBeforeAnyLink) {
    StartSim({"--kind", "A3"});
    SaveImage("controller.dat", 0x80, 0x20);
    QbxRun run = Call("bootdata write controller.dat");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("Quillbox-Message 12.003: ", 0), 0u) << run.err;
    run = Call("bootdata write missing.dat");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("Quillbox-Message 12.002: ", 0), 0u) << run.err;
    run = Call("bootdata read '" + std::string(300, 'x') + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("Quillbox-Message 12.094: ", 0), 0u) << run.err;
    for (const char* usage :
         {"bootdata", "bootdata read", "bootdata copy x.dat", "bootdata read a.dat b.dat"})
        EXPECT_EQ(Call(usage).status, 2) << usage;
    // Files that could never be saved, the download's included.
    std::filesystem::create_directory(files.File("sub.dat"));
    std::filesystem::create_directory(files.File("folder"));
    const struct {
        std::string arguments, message, path;
    } targets[] = {
        {"bootdata read missing/x.dat", "12.092", "missing/x.dat"},
        {"--yes bootdata read sub.dat", "12.092", "sub.dat"},
        {"--yes bootdata read sub", "12.092", "sub.dat"},
        {"download 1=folder", "7.059", "folder"},
        {"download 1=missing/x", "7.059", "missing/x.dat"},
    };
    for (const auto& t : targets) {
        run = Call(t.arguments);
        EXPECT_EQ(run.status, 1) << t.arguments;
        EXPECT_EQ(
            run.err.rfind("Quillbox-Message " + t.message + ": The file " + files.File(t.path) + " ", 0), 0u)
            << run.err;
    }
    sim.Stop();
    EXPECT_EQ(files.Read("trace.txt").find(" in "), std::string::npos);
    // Without settings each direction stops at its own number.
    std::filesystem::remove(folder.File("qbx_man.ini"));
    SaveImage("linkbox.dat", 0xA3, 0x20);
    run = Call("bootdata read x.dat");
    EXPECT_EQ(run.err.rfind("Quillbox-Message 12.005: ", 0), 0u) << run.err;
    run = Call("bootdata write linkbox.dat");
    EXPECT_EQ(run.err.rfind("Quillbox-Message 12.016: ", 0), 0u) << run.err;
}

TEST_P(QbxBootDataChecks, AStoredHeaderThatCannotBeReadStopsTheWrite) {
    StartSim({"--kind", "A3", "--boot-data", "Werk:0x80", "--short-reply", "43:5"});
    SaveImage("linkbox.dat", 0xA3, 0x20);
    QbxRun run = Call("--yes bootdata write linkbox.dat");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("Quillbox-Message 12.095: ", 0), 0u) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Tcp, QbxBootDataChecks, testing::Values(false));

} // namespace

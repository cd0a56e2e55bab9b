// qbx upload --verify and qbx bootdata write --verify against a simulator
// that can spoil one stored byte on purpose.
#include "formats/function_data_image.h"
#include "tests/cli/qbx_against_sim.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

// The parameter: true over a serial line (pty), false over TCP.
class QbxVerify : public testing::TestWithParam<bool>, protected CQbxAgainstSim {
  protected:
    void StartSim(std::vector<std::string> arguments) {
        CQbxAgainstSim::StartSim(GetParam(), std::move(arguments));
    }
    void SaveImage(const std::string& name, std::uint8_t kind, std::uint32_t size) {
        qbx::FunctionDataImage image;
        ASSERT_TRUE(image.Prepare({3, kind, "FW 1", "BS 2", size}));
        for (std::uint32_t i = 0; i < size; ++i)
            image.SetByte(i, static_cast<std::uint8_t>(i * 7 + 3));
        ASSERT_TRUE(image.Save(files.File(name)));
    }
};

struct VerifyCase {
    const char* name;
    std::vector<std::string> sim; // besides the line
    std::uint8_t kind;
    std::string command;
    int status;
    std::string message; // the start of stderr; empty: no output
};

TEST_P(QbxVerify, ReadBackFindsTheFirstDifferingByte) {
    const std::vector<VerifyCase> cases = {
        {"clean upload", {}, 0x84, "upload --verify 3=f.dat", 0, ""},
        // A flipped byte in the last, shorter block, and one in the first.
        {"upload, late byte",
         {"--flip-stored", "0x2F1"},
         0x84,
         "upload --verify 3=f.dat",
         1,
         "Quillbox-Message 2.200: Verification failed: slot 3 differs from the file at address 02F1."},
        {"upload, first byte",
         {"--flip-stored", "0"},
         0x84,
         "upload 2=f.dat --verify",
         1,
         "Quillbox-Message 2.200: Verification failed: slot 2 differs from the file at address 0000."},
        // Without --verify the same fault goes unnoticed: the check is what catches it.
        {"upload unverified", {"--flip-stored", "0x10"}, 0x84, "upload 3=f.dat", 0, ""},
        {"clean boot data", {"--kind", "A3"}, 0xA3, "bootdata write --verify f.dat", 0, ""},
        {"boot data, flipped",
         {"--kind", "A3", "--flip-stored", "0x1C0"},
         0xA3,
         "bootdata write --verify f.dat",
         1,
         "Quillbox-Message 12.200: Verification failed: the LINKBOX data differ from the file at address "
         "01C0."},
        {"boot data unverified", {"--kind", "A3", "--flip-stored", "5"}, 0xA3, "bootdata write f.dat", 0, ""},
    };
    for (const VerifyCase& c : cases) {
        SCOPED_TRACE(c.name);
        StartSim(c.sim);
        SaveImage("f.dat", c.kind, 0x2F2);
        const QbxRun run = Call(c.command);
        EXPECT_EQ(run.status, c.status) << run.err;
        if (c.message.empty()) {
            EXPECT_EQ(run.err, "");
        } else {
            EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << run.err;
        }
        sim.Stop();
    }
}

// The stored header differs, or the device restarts after storing so that
// the read-back finds the line cut. On the serial line a cut line falls
// silent, which only the production time-outs would end: those run over TCP.
TEST_P(QbxVerify, AHeaderThatDiffersOrAReadBackThatFailsIsReported) {
    const struct {
        const char* name;
        std::vector<std::string> sim;
        std::uint8_t kind;
        const char* command;
        const char* number;
        bool serialToo;
    } cases[] = {
        {"upload, description",
         {"--flip-stored-header", "21"},
         0x84,
         "upload --verify 4=f.dat",
         "2.201",
         true},
        {"upload, size", {"--flip-stored-header", "18"}, 0x84, "upload --verify 4=f.dat", "2.201", true},
        {"upload, device restarts", {"--cut-after-store"}, 0x84, "upload --verify 4=f.dat", "2.202", false},
        {"boot data, kind",
         {"--kind", "A3", "--flip-stored-header", "1"},
         0xA3,
         "bootdata write --verify f.dat",
         "12.201",
         true},
        {"boot data, device restarts",
         {"--kind", "A3", "--cut-after-store"},
         0xA3,
         "bootdata write --verify f.dat",
         "12.202",
         false},
    };
    for (const auto& c : cases) {
        if (GetParam() && !c.serialToo) continue;
        SCOPED_TRACE(c.name);
        StartSim(c.sim);
        SaveImage("f.dat", c.kind, 0x2F2);
        const QbxRun run = Call(c.command);
        EXPECT_EQ(run.status, 1) << run.err;
        const std::string shown = std::string("Quillbox-Message ") + c.number + ": ";
        EXPECT_EQ(run.err.rfind(shown, 0), 0u) << run.err;
        EXPECT_EQ(run.err.find("Quillbox-Message", 1), std::string::npos) << run.err; // one message only
        sim.Stop();
    }
}

TEST_P(QbxVerify, VerifyIsOnlyForWriting) {
    StartSim({"--kind", "A3"});
    const QbxRun run = Call("bootdata read --verify x.dat");
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_NE(run.err.find("bootdata write [--verify] FILE"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Lines, QbxVerify, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Serial" : "Tcp"; });

// The package puts a link to qbx on the PATH: qbx must still find its
// language modules beside the real file, not beside the link.
TEST(QbxLink, FindsItsFolderThroughALink) {
    TempFolder bin, settings;
    settings.Write("qbx_man.ini", "0\n1\n");
    ASSERT_EQ(std::system(("ln -s '" QBX_PROGRAM_DIR "/qbx' '" + bin.File("qbx") + "'").c_str()), 0);
    const std::string command = "'" + bin.File("qbx") + "' --folder '" + settings.Path() +
                                "' bootdata write missing.dat </dev/null >/dev/null 2>'" + bin.File("err") +
                                "'";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
    const std::string err = bin.Read("err");
    EXPECT_EQ(err.find("no language module"), std::string::npos) << err;
    EXPECT_EQ(err.rfind("Quillbox-Message 12.002: ", 0), 0u) << err;
}

} // namespace

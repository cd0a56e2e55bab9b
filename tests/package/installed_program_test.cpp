// qbx installed for several users: a program folder that belongs to root
// and cannot be written, run by an ordinary user with an empty home.
#include "tests/support/child_run.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

struct QbxRun {
    int status = -1;
    std::string out;
    std::string err;
};

// The package's program folder when the test is given one, else a copy of
// the build's that no user may write.
class InstalledProgram : public testing::Test {
  protected:
    void SetUp() override {
        const char* installed = std::getenv("QBX_INSTALLED_FOLDER");
        if (installed && installed[0]) {
            program = installed;
        } else {
            program = copy.File("quillbox");
            fs::create_directory(program);
            for (const char* file : {"qbx", "QbxDEU.dll", "QbxENU.dll", "QbxITA.dll"})
                fs::copy_file(std::string(QBX_PROGRAM_DIR) + "/" + file, program + "/" + file);
            chmod(program.c_str(), 0555);
            chmod(copy.Path().c_str(), 0755);
        }
        ASSERT_TRUE(test::GiveToUnprivileged(home.Path()));
        ASSERT_TRUE(sim.Start({"--tcp", "0", "--kind", "A3", "--slot", "2=Kessel:0x400"})) << sim.Error();
        port = std::to_string(sim.TcpPort());
    }
    void TearDown() override {
        if (program.rfind(copy.Path(), 0) == 0) chmod(program.c_str(), 0755);
    }

    // qbx from the home folder, with the environment of a fresh login.
    QbxRun Qbx(const std::string& arguments) const {
        const std::string command = "cd '" + home.Path() + "' && env -i HOME='" + home.Path() +
                                    "' PATH=/usr/bin:/bin '" + program + "/qbx' " + arguments +
                                    " </dev/null >out 2>err";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, home.Read("out"), home.Read("err")};
    }

    TempFolder copy;
    TempFolder home;
    std::string program;
    qbx::test::CSimProcess sim;
    std::string port;
};

// Every function works with the link given on the command line, the files
// the program writes are the user's own, and the program folder stays as it
// was.
TEST_F(InstalledProgram, AnOrdinaryUserWorksWithFilesOfTheirOwn) {
    std::vector<std::string> before;
    for (const auto& entry : fs::directory_iterator(program))
        before.push_back(entry.path().filename());
    test::RunInChild({.unprivileged = true}, [&] {
        const std::string link = "--tcp 127.0.0.1:" + port;
        QbxRun identify = Qbx(link + " identify");
        EXPECT_EQ(identify.status, 0) << identify.err;
        QbxRun download = Qbx("download 2=kessel " + link);
        EXPECT_EQ(download.status, 0) << download.err;
        EXPECT_TRUE(fs::exists(home.File("kessel.dat")));
        QbxRun upload = Qbx(link + " upload 3=kessel.dat");
        EXPECT_EQ(upload.status, 0) << upload.err;

        QbxRun fresh = Qbx("settings");
        EXPECT_NE(fresh.out.find("file: " + home.File(".config/quillbox/qbx_man.ini") + " (not written yet"),
                  std::string::npos)
            << fresh.out;
        QbxRun set = Qbx("settings set interface=tcp address=127.0.0.1 port=" + port + " language=en");
        EXPECT_EQ(set.status, 0) << set.err;
        QbxRun stored = Qbx("--json settings");
        EXPECT_EQ(stored.status, 0) << stored.err;
        EXPECT_NE(stored.out.find(
                      "\"interface\":\"tcp\",\"language\":\"en\",\"address\":\"127.0.0.1\",\"port\":" + port +
                      ",\"file\":\"" + home.File(".config/quillbox/qbx_man.ini") + "\""),
                  std::string::npos)
            << stored.out;
        QbxRun slots = Qbx("slots");
        EXPECT_EQ(slots.status, 0) << slots.err;
        EXPECT_NE(slots.out.find("3: kessel (1024 bytes)"), std::string::npos) << slots.out;

        for (const char* file : {"qbx_man.ini", "config_up.ini", "config_do.ini"})
            EXPECT_TRUE(fs::is_regular_file(home.File(std::string(".config/quillbox/") + file))) << file;
    });
    std::vector<std::string> after;
    for (const auto& entry : fs::directory_iterator(program))
        after.push_back(entry.path().filename());
    EXPECT_EQ(after, before);
}

} // namespace

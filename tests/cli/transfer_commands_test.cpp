// qbx upload and qbx download as a script would use them, against the simulator.
#include "formats/function_data_image.h"
#include "tests/cli/qbx_against_sim.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

namespace {

class QbxTransfer : public testing::Test, protected CQbxAgainstSim {
  protected:
    // A valid format-3 file of `size` bytes in the working folder.
    void WriteDat(const std::string& name, std::uint32_t size = 0x300) {
        qbx::FunctionDataImage image;
        image.Prepare({3, 0x84, "GW 1.0", "B 2", size});
        for (std::uint32_t i = 0; i < size; ++i)
            image.SetByte(i, static_cast<std::uint8_t>(i * 13));
        ASSERT_TRUE(image.Save(files.File(name)));
    }
};

TEST_F(QbxTransfer, UploadThenDownloadGivesTheFilesBack) {
    for (bool serial : {false, true}) {
        StartSim(serial, {});
        WriteDat("a.dat");
        WriteDat("b.dat", 0x8400);
        QbxRun up = Call("upload 2=a.dat 5=" + files.File("b.dat"));
        EXPECT_EQ(up.status, 0) << up.err;
        EXPECT_EQ(up.err, "");
        // Relative names are the working folder's; a name without extension gets ".dat".
        QbxRun down = Call("--yes download 2=back 5=back5.DAT"); // the second round replaces the files
        EXPECT_EQ(down.status, 0) << down.err;
        EXPECT_EQ(files.Read("back.dat"), files.Read("a.dat"));
        EXPECT_EQ(files.Read("back5.DAT"), files.Read("b.dat"));
        EXPECT_EQ(folder.Read("config_do.ini").substr(257, 2), "\r\n");
        EXPECT_NE(folder.Read("config_do.ini").find(files.File("back5.DAT")), std::string::npos);
        EXPECT_NE(folder.Read("config_up.ini").find(files.File("a.dat")), std::string::npos);
        sim.Stop();
    }
}

TEST_F(QbxTransfer, UploadChecksEachFileFirst) {
    StartSim(false, {});
    files.Write("text.dat", "just text\r\n");
    WriteDat("good.dat");
    QbxRun run = Call("upload 1=good.dat 3=missing.dat 4=text.dat");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Quillbox-Message 6.017: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Quillbox-Message 6.018: "), std::string::npos) << run.err;
    EXPECT_FALSE(folder.Exists("config_up.ini"));
}

// A slot list that cannot be written stops the command, and a note names it:
// the message itself says only that a file cannot be written.
TEST_F(QbxTransfer, ASlotListThatCannotBeWrittenIsNamed) {
    StartSim(false, {"--slot", "2=B:0x100"});
    WriteDat("good.dat");
    const struct {
        const char* arguments;
        const char* list;
        const char* message;
    } cases[] = {{"upload 1=good.dat", "config_up.ini", "6.025"},
                 {"download 2=got", "config_do.ini", "7.059"}};
    for (const auto& c : cases) {
        std::filesystem::create_directory(folder.File(c.list)); // no user may replace a folder by a file
        QbxRun run = Call(c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments;
        EXPECT_NE(run.err.find(std::string("Quillbox-Message ") + c.message + ": "), std::string::npos)
            << run.err;
        EXPECT_NE(run.err.find("qbx: The file " + folder.File(c.list) + " cannot be written."),
                  std::string::npos)
            << run.err;
    }
}

TEST_F(QbxTransfer, DownloadAppliesThePreparationChecks) {
    StartSim(false,
             {"--slot", "1=A:0x100", "--slot", "2=B:0x100", "--slot", "5=C:0x100", "--device-error", "22@2"});
    QbxRun extension = Call("download 1=a.txt");
    EXPECT_EQ(extension.status, 1);
    EXPECT_EQ(extension.err.rfind("Quillbox-Message 7.017: ", 0), 0u) << extension.err;
    folder.Write("customer.ini", "2\n");
    EXPECT_EQ(Call("download 1=a.Dat").err.rfind("Quillbox-Message 7.018: ", 0), 0u);

    QbxRun same = Call("download 1=x.dat 2=y.dat 5=y.dat");
    EXPECT_EQ(same.status, 1);
    EXPECT_EQ(same.err.rfind("Quillbox-Message 7.038: ", 0), 0u) << same.err;

    QbxRun empty = Call("download 1=x.dat 3=z.dat");
    EXPECT_EQ(empty.status, 1);
    EXPECT_NE(empty.err.find("slot 3 of the bootloader is empty"), std::string::npos) << empty.err;
    EXPECT_FALSE(files.Exists("x.dat"));

    files.Write("old.dat", "keep me");
    QbxRun declined = Call("download 2=old.dat");
    EXPECT_EQ(declined.status, 1);
    EXPECT_EQ(declined.err.rfind("Quillbox-Message 7.053: ", 0), 0u) << declined.err;
    EXPECT_EQ(files.Read("old.dat"), "keep me");
    // The first data phase meets the device error, which leaves the file as it was.
    QbxRun failed = Call("--yes download 2=old.dat");
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("\nQuillbox-Message 1.035: "), std::string::npos) << failed.err;
    EXPECT_EQ(files.Read("old.dat"), "keep me");
    EXPECT_EQ(Call("--yes download 2=old.dat").status, 0);
    EXPECT_NE(files.Read("old.dat"), "keep me");
}

// With the production time-outs: a device asking outside the file, and a
// reply split over two TCP segments, end the command at once with their
// message; the device is left in order for the next run.
TEST_F(QbxTransfer, MisbehavingDeviceEndsTheCommandAtOnce) {
    struct {
        bool serial;
        std::vector<std::string> faults;
        const char* command;
        const char* message;
    } const cases[] = {
        {true, {"--extra-request", "4=0x300"}, "upload 2=a.dat", "Quillbox-Message 2.037: "},
        {false, {"--extra-request", "1=0x2F0:32"}, "upload 2=a.dat", "Quillbox-Message 2.037: "},
        {false, {"--split-reply", "41:23"}, "--yes download 2=back.dat", "Quillbox-Message 7.016: "},
    };
    WriteDat("a.dat");
    for (const auto& c : cases) {
        std::vector<std::string> faults = c.faults;
        faults.insert(faults.end(), {"--slot", "1=Kessel:0x300", "--slot", "2=Halle:0x300"});
        StartSim(c.serial, faults);
        auto start = std::chrono::steady_clock::now();
        QbxRun failed = Call(c.command);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4)) << c.command;
        EXPECT_EQ(failed.status, 1) << c.command;
        EXPECT_NE(failed.err.find(c.message), std::string::npos) << failed.err;
        EXPECT_FALSE(files.Exists("back.dat"));
        QbxRun again = Call(c.command);
        EXPECT_EQ(again.status, 0) << again.err;
        sim.Stop();
    }
}

TEST_F(QbxTransfer, PathsTheSlotListCannotKeepAreRefused) {
    // Refused with the preparation dialogs' messages, before any link opens.
    folder.Write("qbx_man.ini", "6\n1\n127.0.0.1\n1\n");
    const std::size_t inFolder = files.File("").size();
    std::string longName = std::string(257 - inFolder - 4, 'u') + ".dat"; // 257 bytes in all
    WriteDat(longName);
    QbxRun up = Call("upload 3=" + longName);
    EXPECT_EQ(up.status, 1);
    EXPECT_EQ(up.err.rfind("Quillbox-Message 6.026: ", 0), 0u) << up.err;
    EXPECT_NE(up.err.find("slot 3: " + files.File(longName)), std::string::npos) << up.err;
    EXPECT_FALSE(folder.Exists("config_up.ini"));

    QbxRun down = Call("download 1=" + std::string(253 - inFolder, 'd')); // 257 once ".dat" is added
    EXPECT_EQ(down.status, 1);
    EXPECT_EQ(down.err.rfind("Quillbox-Message 7.060: ", 0), 0u) << down.err;
    EXPECT_FALSE(folder.Exists("config_do.ini"));
}

TEST_F(QbxTransfer, BadSlotArgumentsAreUsageErrors) {
    for (const char* arguments :
         {"upload", "upload 8=a.dat", "upload 1a.dat", "upload 1=", "download 2=a 2=b", "download 0=a"}) {
        QbxRun run = Call(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_NE(run.err.find("usage: qbx"), std::string::npos) << arguments;
    }
}

// Interrupted through its terminal: the progress line ends, one line says
// what the transfer leaves on the device, and the exit status is 128 plus
// the signal. What the person had stays as it was, and nothing new is left.
TEST_F(QbxTransfer, AnInterruptedTransferSaysWhatItLeaves) {
    struct Case {
        const char* arguments;
        int signal; // SIGINT comes as Ctrl-C typed on the terminal
        const char* line;
    };
    const Case cases[] = {
        {"download 2=got", SIGINT, "qbx: Interrupted: nothing was saved and the device is unchanged"},
        {"upload 3=big.dat", SIGTERM, "qbx: Interrupted: storage slot 3 was not completely written"},
    };
    // Paced so slowly that a transfer takes half a minute.
    StartSim(false, {"--baud", "9600", "--slot", "2=Kessel:0x8400"});
    WriteDat("big.dat", 0x8400);
    const std::string source = files.Read("big.dat");
    for (const Case& c : cases) {
        int master = -1;
        const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            const std::string command = "cd '" + files.Path() +
                                        "' && exec '" QBX_PROGRAM_DIR "/qbx' --folder '" + folder.Path() +
                                        "' " + c.arguments;
            execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        std::string screen;
        bool signalled = false;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd wait{master, POLLIN, 0};
            if (poll(&wait, 1, 100) <= 0) continue;
            char buffer[512];
            const ssize_t n = read(master, buffer, sizeof buffer);
            if (n <= 0) break; // the terminal is gone with qbx
            screen.append(buffer, static_cast<std::size_t>(n));
            if (!signalled && screen.find('#') != std::string::npos) {
                signalled = true;
                if (c.signal == SIGINT)
                    ASSERT_EQ(write(master, "\x03", 1), 1);
                else
                    kill(pid, c.signal);
            }
        }
        close(master);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(signalled) << c.arguments << ": no progress shown\n" << screen;
        ASSERT_TRUE(WIFEXITED(status)) << c.arguments << ": ended by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 128 + c.signal) << c.arguments;
        // The bar's line is ended before the note.
        const std::size_t note = screen.find(c.line);
        ASSERT_NE(note, std::string::npos) << c.arguments << "\n" << screen;
        EXPECT_EQ(screen[note - 1], '\n') << screen;
        EXPECT_FALSE(std::filesystem::exists(files.File("got.dat"))) << c.arguments;
        EXPECT_EQ(files.Read("big.dat"), source) << c.arguments;
    }
}

} // namespace

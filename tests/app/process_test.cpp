// The real program, started as a person would start it.
#include "child_process.h"
#include "program_copy.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

namespace {

// True once some process holds the program's instance guard.
bool InstanceGuardHeld() {
    std::ifstream sockets("/proc/net/unix");
    std::string line;
    std::string name = "@Quillbox/" + std::to_string(getuid()) + "/Mutex String";
    while (std::getline(sockets, line)) {
        if (line.find(name) != std::string::npos) return true;
    }
    return false;
}

bool WaitForGuard() {
    for (int i = 0; i < 400 && !InstanceGuardHeld(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return InstanceGuardHeld();
}

TEST(Program, SecondStartIsRefusedWhileTheFirstRuns) {
    if (InstanceGuardHeld()) GTEST_SKIP() << "a Quillbox is already running for this user";
    ProgramCopy program;
    ChildProcess first(program.Executable(), "/");
    ASSERT_TRUE(WaitForGuard()) << first.Errors();
    EXPECT_TRUE(first.IsRunning());

    ChildProcess second(program.Executable(), "/");
    EXPECT_TRUE(second.WaitForError("Quillbox Suite: Anwendung wurde bereits gestartet!")) << second.Errors();
}

TEST(Program, RenamedExecutableReportsMissingVersion) {
    ProgramCopy program;
    program.Write("qbx_man.ini", "0\n1\n");
    std::filesystem::rename(program.Executable(), program.File("quillbox-renamed"));
    ChildProcess child(program.File("quillbox-renamed"), "/");
    EXPECT_TRUE(child.WaitForError("Quillbox-Message 0.001: It isn't possible to determine information about "
                                   "Quillbox. (ErrorCode: 2)"))
        << child.Errors();
}

TEST(Program, ForeignModuleVersionIsRefused) {
    ProgramCopy program;
    program.Write("qbx_man.ini", "0\n2\n");
    ASSERT_TRUE(program.PatchProductVersion("QbxITA.dll", (2u << 16) | 8, 1));
    ChildProcess child(program.Executable(), "/");
    EXPECT_TRUE(child.WaitForError("Quillbox-Message 0.004: Il file QbxITA.dll (Vers. 2.8.0.1) non è compatibile "
                                   "con il Quillbox (Vers. " QBX_VERSION ")."))
        << child.Errors();
}

} // namespace

// The real program, started as a person would start it.
#include "child_process.h"
#include "platform/instance_lock.h"
#include "program_copy.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

namespace {

// True once some process holds the instance guard of this test's children.
bool InstanceGuardHeld() {
    std::ifstream sockets("/proc/net/unix");
    std::string line;
    const std::string name =
        "@Quillbox/" + std::to_string(getuid()) + "/Mutex String/" + ChildProcess::InstanceOfThisTest();
    while (std::getline(sockets, line)) {
        if (line.size() >= name.size() && line.compare(line.size() - name.size(), name.size(), name) == 0)
            return true;
    }
    return false;
}

bool WaitForGuard() {
    for (int i = 0; i < 400 && !InstanceGuardHeld(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return InstanceGuardHeld();
}

// The test's children are an instance of their own: a Quillbox the user
// has open (held here, or really running) does not refuse them, and a
// second child is refused by the first.
TEST(Program, SecondStartIsRefusedWhileTheFirstRuns) {
    qbx::CInstanceLock usersProgram;
    usersProgram.Acquire("Mutex String");
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
    EXPECT_TRUE(
        child.WaitForError("Quillbox-Message 0.004: Il file QbxITA.dll (vers. 2.8.0.1) non è compatibile "
                           "con Quillbox (vers. " QBX_VERSION ")."))
        << child.Errors();
}

} // namespace

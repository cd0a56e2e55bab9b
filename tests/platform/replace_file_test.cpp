// Whole-file replacement: where it replaces, where it writes in place, where
// it refuses, and what it leaves behind.
#include "platform/replace_file.h"
#include "platform/save_target.h"
#include "tests/support/child_run.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

namespace qbx {
namespace {

namespace fs = std::filesystem;

struct stat Status(const std::string& path) {
    struct stat status {};
    lstat(path.c_str(), &status);
    return status;
}

std::vector<std::string> Listing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct PermissionCase {
    const char* name;
    mode_t folderMode;
    mode_t fileMode; // 0: no file yet
    bool saved;
    bool inPlace; // the old file (same inode) holds the new content
};

void PrintTo(const PermissionCase& c, std::ostream* out) {
    *out << c.name;
}

class ReplaceFilePermissions : public testing::TestWithParam<PermissionCase> {};

// Runs as a user whom permissions bind, so that the read-only cases mean something.
TEST_P(ReplaceFilePermissions, AsAnOpenForWritingWould) {
    const PermissionCase& c = GetParam();
    TempFolder temp;
    ASSERT_TRUE(test::GiveToUnprivileged(temp.Path()));
    test::RunInChild({.unprivileged = true}, [&] {
        const std::string folder = temp.File("program"), file = folder + "/qbx_man.ini";
        ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
        if (c.fileMode) {
            temp.Write("program/qbx_man.ini", "old");
            ASSERT_EQ(chmod(file.c_str(), c.fileMode), 0);
        }
        const ino_t inode = Status(file).st_ino;
        ASSERT_EQ(chmod(folder.c_str(), c.folderMode), 0);

        // What is checked before a download must agree with the save.
        EXPECT_EQ(CheckSaveTarget(file) == kSaveTargetUsable, c.saved);
        EXPECT_EQ(ReplaceFileContents(file, "new"), c.saved);
        EXPECT_EQ(temp.Read("program/qbx_man.ini"), c.saved ? "new" : c.fileMode ? "old" : "");
        if (c.fileMode) {
            EXPECT_EQ(Status(file).st_ino == inode, c.inPlace || !c.saved);
            EXPECT_EQ(Status(file).st_mode & 07777, c.fileMode);
        }
        // Nothing else in the folder: no temporary file left.
        EXPECT_EQ(Listing(folder), c.fileMode || c.saved ? std::vector<std::string>{"qbx_man.ini"}
                                                         : std::vector<std::string>{});
        chmod(folder.c_str(), 0755);
    });
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceFilePermissions,
                         testing::Values(PermissionCase{"WritableFolderAndFile", 0755, 0640, true, false},
                                         PermissionCase{"ReadOnlyFolderWritableFile", 0555, 0644, true, true},
                                         PermissionCase{"WritableFolderReadOnlyFile", 0755, 0444, false,
                                                        false},
                                         PermissionCase{"ReadOnlyFolderAndFile", 0555, 0444, false, false},
                                         PermissionCase{"WritableFolderNewFile", 0755, 0, true, false},
                                         PermissionCase{"ReadOnlyFolderNewFile", 0555, 0, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReplaceFile, AFileOfAnotherOwnerKeepsItsOwner) {
    if (!test::RunsAsRoot()) GTEST_SKIP() << "needs root to make a file of another owner";
    TempFolder temp;
    ASSERT_TRUE(test::GiveToUnprivileged(temp.Path()));
    temp.Write("shared.dat", "old");
    const std::string file = temp.File("shared.dat");
    ASSERT_EQ(chmod(file.c_str(), 0666), 0); // root's, writable by everyone
    const ino_t inode = Status(file).st_ino;
    test::RunInChild({.unprivileged = true}, [&] {
        EXPECT_TRUE(ReplaceFileContents(file, "new"));
        EXPECT_EQ(Status(file).st_uid, 0u);
        EXPECT_EQ(Status(file).st_ino, inode);
        EXPECT_EQ(temp.Read("shared.dat"), "new");
    });
}

TEST(ReplaceFile, LinksStayAndTheirTargetsGetTheContent) {
    TempFolder temp;
    ASSERT_EQ(mkdir(temp.File("data").c_str(), 0755), 0);
    temp.Write("data/real.ini", "old");
    ASSERT_EQ(symlink("data/real.ini", temp.File("link.ini").c_str()), 0);
    ASSERT_EQ(symlink("link.ini", temp.File("chain.ini").c_str()), 0);
    ASSERT_TRUE(ReplaceFileContents(temp.File("chain.ini"), "through two links"));
    EXPECT_TRUE(S_ISLNK(Status(temp.File("link.ini")).st_mode));
    EXPECT_TRUE(S_ISLNK(Status(temp.File("chain.ini")).st_mode));
    EXPECT_EQ(temp.Read("data/real.ini"), "through two links");
    EXPECT_EQ(Listing(temp.File("data")), std::vector<std::string>{"real.ini"});

    // A dangling link gets its target created, as an open for writing would.
    ASSERT_EQ(symlink("data/later.ini", temp.File("dangling.ini").c_str()), 0);
    ASSERT_TRUE(ReplaceFileContents(temp.File("dangling.ini"), "created"));
    EXPECT_TRUE(S_ISLNK(Status(temp.File("dangling.ini")).st_mode));
    EXPECT_EQ(temp.Read("data/later.ini"), "created");

    ASSERT_EQ(symlink("loop-b", temp.File("loop-a").c_str()), 0);
    ASSERT_EQ(symlink("loop-a", temp.File("loop-b").c_str()), 0);
    EXPECT_FALSE(ReplaceFileContents(temp.File("loop-a"), "x"));

    // A hard link is not split: both names show the new content.
    ASSERT_EQ(link(temp.File("data/real.ini").c_str(), temp.File("hard.ini").c_str()), 0);
    ASSERT_TRUE(ReplaceFileContents(temp.File("hard.ini"), "both names"));
    EXPECT_EQ(temp.Read("data/real.ini"), "both names");
    EXPECT_EQ(Status(temp.File("hard.ini")).st_ino, Status(temp.File("data/real.ini")).st_ino);
    EXPECT_EQ(Status(temp.File("hard.ini")).st_nlink, 2u);
}

TEST(ReplaceFile, NamesUpToTheLongestLegalOneAreSaved) {
    TempFolder temp;
    for (std::size_t length : {1u, 233u, 234u, 250u, 255u}) {
        const std::string name(length, 'n');
        ASSERT_TRUE(ReplaceFileContents(temp.File(name), "first")) << length;
        ASSERT_TRUE(ReplaceFileContents(temp.File(name), "second")) << length;
        EXPECT_EQ(temp.Read(name), "second");
        fs::remove(temp.File(name));
        EXPECT_TRUE(Listing(temp.Path()).empty()) << length;
    }
}

TEST(ReplaceFile, WhatIsNoRegularFileIsLeftAlone) {
    TempFolder temp;
    ASSERT_EQ(mkdir(temp.File("folder").c_str(), 0755), 0);
    ASSERT_EQ(mkfifo(temp.File("fifo").c_str(), 0644), 0);
    for (const char* name : {"folder", "fifo", "folder/", "missing/new.dat"})
        EXPECT_FALSE(ReplaceFileContents(temp.File(name), "x")) << name;
    EXPECT_TRUE(S_ISDIR(Status(temp.File("folder")).st_mode));
    EXPECT_TRUE(S_ISFIFO(Status(temp.File("fifo")).st_mode));
    EXPECT_EQ(Listing(temp.Path()), (std::vector<std::string>{"fifo", "folder"}));
}

void LimitFileSize(bool killOnExcess) {
    signal(SIGXFSZ, killOnExcess ? SIG_DFL : SIG_IGN);
    rlimit size{1000, 1000}, core{0, 0};
    setrlimit(RLIMIT_CORE, &core);
    setrlimit(RLIMIT_FSIZE, &size);
}

TEST(ReplaceFile, AFailedOrKilledSaveKeepsTheOldFile) {
    TempFolder temp;
    temp.Write("a.dat", "old content");
    const std::string big(5000, 'x');
    // A write that fails (the file-size limit stands for a full disk).
    test::RunInChild({.setUp = [] { LimitFileSize(false); }}, [&] {
        EXPECT_FALSE(ReplaceFileContents(temp.File("a.dat"), big));
        EXPECT_EQ(temp.Read("a.dat"), "old content");
        EXPECT_EQ(Listing(temp.Path()), std::vector<std::string>{"a.dat"});
    });

    // Processes killed while they write: each leaves a temporary file of a
    // name of its own.
    constexpr std::size_t kKilled = 20;
    for (std::size_t i = 0; i < kKilled; ++i) {
        fflush(stdout);
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            LimitFileSize(true);
            ReplaceFileContents(temp.File("a.dat"), big);
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status));
    }
    EXPECT_EQ(temp.Read("a.dat"), "old content");
    EXPECT_EQ(Listing(temp.Path()).size(), kKilled + 1);
    // What they left is hidden, short and of no extension the program reads,
    // and a later save goes on regardless.
    for (const std::string& name : Listing(temp.Path())) {
        if (name == "a.dat") continue;
        EXPECT_EQ(name.front(), '.') << name;
        EXPECT_LE(name.size(), 20u) << name;
        EXPECT_EQ(fs::path(name).extension(), ".tmp") << name;
    }
    EXPECT_TRUE(ReplaceFileContents(temp.File("a.dat"), big));
    EXPECT_EQ(temp.Read("a.dat"), big);
}

} // namespace
} // namespace qbx

#include "platform/fixed_version.h"
#include "program_copy.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(FixedVersion, EveryProgramBinaryCarriesTheProductVersion) {
    for (const char* name : {"Quillbox Suite.exe", "QbxDEU.dll", "QbxENU.dll", "QbxITA.dll"}) {
        FixedVersionInfo block;
        int error = -1;
        ASSERT_TRUE(ReadFixedVersion(std::string(QBX_PROGRAM_DIR) + "/" + name, block, &error)) << name;
        EXPECT_EQ(error, 0);
        EXPECT_EQ(block.signature, kFixedVersionSignature);
        EXPECT_EQ(FormatProductVersion(block), QBX_VERSION) << name;
        EXPECT_EQ(block.fileType, std::string(name).ends_with(".dll") ? 2u : 1u);
    }
}

TEST(FixedVersion, FailuresReportTheSystemError) {
    TempFolder folder;
    FixedVersionInfo block;
    int error = 0;
    EXPECT_FALSE(ReadFixedVersion(folder.File("missing.dll"), block, &error));
    EXPECT_EQ(error, ENOENT);

    folder.Write("text.dll", "not a binary at all, but long enough to look at its header bytes......");
    EXPECT_FALSE(ReadFixedVersion(folder.File("text.dll"), block, &error));
    EXPECT_EQ(error, ENOEXEC);

    EXPECT_FALSE(ReadFixedVersion(folder.Path(), block, &error));
    EXPECT_NE(error, 0);
}

TEST(FixedVersion, DamagedBinariesAreRefusedNotOverrun) {
    ProgramCopy program;
    std::string whole = program.Read("QbxENU.dll");
    FixedVersionInfo block;
    int error = 0;
    // Cut at a number of places: header, inside the sections, before the table.
    for (size_t length : {size_t(4), size_t(63), whole.size() / 3, whole.size() / 2, whole.size() - 1}) {
        program.Write("cut.dll", whole.substr(0, length));
        EXPECT_FALSE(ReadFixedVersion(program.File("cut.dll"), block, &error)) << length;
        EXPECT_EQ(error, ENOEXEC);
    }
    // A section table offset far past the end of the file.
    std::string broken = whole;
    for (int i = 0; i < 8; ++i)
        broken[0x28 + i] = '\x7f';
    program.Write("broken.dll", broken);
    EXPECT_FALSE(ReadFixedVersion(program.File("broken.dll"), block, &error));
}

TEST(FixedVersion, PatchedVersionIsReadBack) {
    ProgramCopy program;
    ASSERT_TRUE(program.PatchProductVersion("QbxDEU.dll", (2u << 16) | 8u, 1u));
    FixedVersionInfo block;
    ASSERT_TRUE(ReadFixedVersion(program.File("QbxDEU.dll"), block));
    EXPECT_EQ(FormatProductVersion(block), "2.8.0.1");
}

} // namespace
} // namespace qbx

// The hand-over file between the OS update preparation and its transfer, and
// the extensions the update choosers accept.
#include "formats/handover_file.h"
#include "formats/update_file_names.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(HandoverFile, PathsRightAlignedIn256CharactersWithCrLf) {
    std::string text;
    ASSERT_TRUE(FormatHandover({"0", "/os/Kessel Süd.prg"}, text));
    EXPECT_EQ(text, std::string(255, ' ') + "0\r\n" + std::string(256 - 19, ' ') + "/os/Kessel Süd.prg\r\n");
    EXPECT_FALSE(FormatHandover({"a\nb", "x.prg"}, text));
    EXPECT_FALSE(FormatHandover({"0", "x\r.prg"}, text));
}

TEST(HandoverFile, ParsedAsTheTransferReadsIt) {
    const std::string longPath = "/" + std::string(299, 'p');
    const struct {
        const char* name;
        std::string text;
        std::string welcome, program;
    } cases[] = {
        {"written", std::string(255, ' ') + "0\r\n" + std::string(250, ' ') + "/a.prg\r\n", "0", "/a.prg"},
        {"line feeds only", "  /w.bgs\n/p.prg\n", "/w.bgs", "/p.prg"},
        {"no line end at the end", "/w.bgs\r\n/p.prg", "/w.bgs", "/p.prg"},
        {"blanks inside kept", "   /my pages/w 1.bgs  \n /p.prg\n", "/my pages/w 1.bgs  ", "/p.prg"},
        {"one line", "/w.bgs\r\n", "/w.bgs", ""},
        {"empty", "", "", ""},
        // A reader with a 258-character buffer sees 257 characters of a line.
        {"over-long line cut", longPath + "\n/p.prg\n", longPath.substr(0, 257), "/p.prg"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OsUpdateHandover read = ParseHandover(c.text);
        EXPECT_EQ(read.welcomePage, c.welcome);
        EXPECT_EQ(read.programFile, c.program);
    }
}

TEST(HandoverFile, WrittenWholeAndReadBack) {
    TempFolder folder;
    OsUpdateHandover read{"x", "y"};
    EXPECT_FALSE(ReadHandoverFile(read, folder.Path()));
    EXPECT_TRUE(read.welcomePage.empty() && read.programFile.empty());
    ASSERT_TRUE(WriteHandoverFile({"/b/w.bgs", "/o/p.PRG"}, folder.Path()));
    ASSERT_TRUE(ReadHandoverFile(read, folder.Path()));
    EXPECT_EQ(read.welcomePage, "/b/w.bgs");
    EXPECT_EQ(read.programFile, "/o/p.PRG");
    // A path that cannot be written leaves the earlier file as it was.
    EXPECT_FALSE(WriteHandoverFile({"/b/w.bgs", "bad\npath"}, folder.Path()));
    ASSERT_TRUE(ReadHandoverFile(read, folder.Path()));
    EXPECT_EQ(read.programFile, "/o/p.PRG");
    EXPECT_FALSE(WriteHandoverFile({"0", "/p.prg"}, folder.File("missing")));
}

TEST(HandoverFile, NoWelcomePage) {
    EXPECT_TRUE(IsNoWelcomePage(""));
    EXPECT_TRUE(IsNoWelcomePage("0"));
    EXPECT_FALSE(IsNoWelcomePage("00"));
    EXPECT_FALSE(IsNoWelcomePage("/0"));
}

TEST(UpdateFileNames, OnlyAllLowerOrAllUpperCaseExtensions) {
    const struct {
        const char* path;
        bool program, firmware, welcome;
    } cases[] = {
        {"/os/a.prg", true, false, false},    {"/os/a.PRG", true, false, false},
        {"/os/a.Prg", false, false, false},   {"a.frm", false, true, false},
        {"a.FRM", false, true, false},        {"a.fRm", false, false, false},
        {"w.bgs", false, false, true},        {"w.BGS", false, false, true},
        {"w.Bgs", false, false, false},       {"prg", false, false, false},
        {"/x.prg/file", false, false, false}, {"a.prg.bak", false, false, false},
        {".prg", true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(IsProgramFileName(c.path), c.program);
        EXPECT_EQ(IsFirmwareFileName(c.path), c.firmware);
        EXPECT_EQ(IsWelcomePageFileName(c.path), c.welcome);
    }
}

} // namespace
} // namespace qbx

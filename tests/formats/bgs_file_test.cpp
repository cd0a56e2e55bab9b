#include "formats/bgs_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(BgsFile, SavesExactly88Bytes) {
    TempFolder folder;
    ASSERT_TRUE(SaveBgsFile(folder.File("p.bgs"), {"ABC", "", "", ""}));
    EXPECT_EQ(folder.Read("p.bgs"), "ABC" + std::string(85, ' '));
    ASSERT_TRUE(SaveBgsFile(folder.File("p.bgs"), {std::string(30, 'a'), "\xD6l", "", "end"}));
    std::string text = folder.Read("p.bgs");
    ASSERT_EQ(text.size(), kBgsFileSize);
    EXPECT_EQ(text.substr(22, 3), "\xD6l ");
    EXPECT_EQ(text.substr(66), "end" + std::string(19, ' '));
    EXPECT_FALSE(SaveBgsFile(folder.File("none/p.bgs"), {}));
}

TEST(BgsFile, ReadsFourPiecesOfAtMost22Characters) {
    struct {
        std::string text;
        WelcomeLines lines;
    } cases[] = {
        {"ABC" + std::string(85, ' '), {"ABC", "", "", ""}},
        {std::string(22, 'a') + std::string(22, 'b') + "c  ",
         {std::string(22, 'a'), std::string(22, 'b'), "c", "old4"}},
        {"one\ntwo\r\nthree   \n", {"one", "two", "three", "old4"}},
        {std::string(21, 'x') + "\r\nnext", {std::string(21, 'x'), "next", "old3", "old4"}},
        {"", {"old1", "old2", "old3", "old4"}},
    };
    for (const auto& c : cases) {
        WelcomeLines lines = {"old1", "old2", "old3", "old4"};
        ParseBgs(c.text, lines);
        EXPECT_EQ(lines, c.lines) << c.text;
    }
    TempFolder folder;
    WelcomeLines lines = {"keep", "", "", ""};
    EXPECT_FALSE(LoadBgsFile(folder.File("none.bgs"), lines));
    EXPECT_EQ(lines[0], "keep");
}

TEST(BgsFile, ExtensionIsAppendedUnlessItIsExactlyBgs) {
    struct {
        std::string chosen, path;
    } cases[] = {{"/w/page.bgs", "/w/page.bgs"},     {"/w/page.txt", "/w/page.txt.bgs"},
                 {"/w/page.BGS", "/w/page.BGS.bgs"}, {"/w/page", "/w/page.bgs"},
                 {"/w.bgs/page", "/w.bgs/page.bgs"}, {"/w/page.bgsx", "/w/page.bgsx.bgs"}};
    for (const auto& c : cases)
        EXPECT_EQ(WithBgsExtension(c.chosen), c.path);
}

} // namespace
} // namespace qbx

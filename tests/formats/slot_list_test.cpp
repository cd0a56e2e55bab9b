#include "formats/slot_list.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(SlotList, LinesAreAFlagAndARightAlignedPath) {
    SlotList slots;
    slots[0] = {1, "/data/twenty_chars.d"};
    slots[1] = {0, ""};
    slots[2] = {1, std::string(255, 'p') + "q"};
    std::string text;
    ASSERT_TRUE(FormatSlotList(slots, text));
    ASSERT_EQ(text.size(), 7u * 259);
    EXPECT_EQ(text.substr(0, 259), "1" + std::string(236, ' ') + "/data/twenty_chars.d\r\n");
    EXPECT_EQ(text.substr(259, 259), "0" + std::string(256, ' ') + "\r\n");
    EXPECT_EQ(text.substr(518, 2), "1p");

    SlotList back = ParseSlotList(text);
    for (int i = 0; i < kSlotCount; ++i) {
        EXPECT_EQ(back[i].flag, slots[i].flag) << i;
        EXPECT_EQ(back[i].path, slots[i].path) << i;
    }
}

TEST(SlotList, OverlongPathsAndHandWrittenFiles) {
    SlotList slots;
    slots[0] = {1, std::string(300, 'x')};
    slots[1] = {1, "/next"};
    std::string text;
    ASSERT_TRUE(FormatSlotList(slots, text));
    EXPECT_EQ(text.find("\r\n"), 301u); // written whole, read back cut without shifting slot 2
    SlotList back = ParseSlotList(text);
    EXPECT_EQ(back[0].path, std::string(256, 'x'));
    EXPECT_EQ(back[1].path, "/next");
    slots[2].path = "two\nlines";
    EXPECT_FALSE(FormatSlotList(slots, text));

    // LF line ends, a blank line, a path with blanks, a flag without path, the rest missing.
    back = ParseSlotList("1   /a b/c.dat\n\n0/old.dat\r\n2\n");
    EXPECT_EQ(back[0].path, "/a b/c.dat");
    EXPECT_EQ(back[1].flag, 0);
    EXPECT_EQ(back[1].path, "/old.dat");
    EXPECT_EQ(back[2].flag, 2);
    EXPECT_EQ(back[2].path, "");
    EXPECT_TRUE(back[3].flag == 0 && back[6].path.empty());

    // The verify line counts only right after seven slots.
    EXPECT_FALSE(ParseVerifyLine("1/a\nverify=1\n"));
    EXPECT_TRUE(ParseVerifyLine(text + "verify=1\r\n"));
    EXPECT_FALSE(ParseVerifyLine(text + "verify=0\r\n"));
    EXPECT_FALSE(ParseVerifyLine(text));
}

TEST(SlotList, UploadDropsThePathsOfUnflaggedSlotsAndDownloadKeepsThem) {
    TempFolder folder;
    SlotList slots;
    slots[0] = {1, "/one.dat"};
    slots[1] = {0, "/two.dat"};
    ASSERT_TRUE(WriteUploadSlotList(slots, folder.Path(), true));
    ASSERT_TRUE(WriteDownloadSlotList(slots, folder.Path()));
    // The upload's list remembers "Verify after writing" in an eighth line.
    EXPECT_EQ(folder.Read(kUploadSlotListName), folder.Read(kDownloadSlotListName) + "verify=1\r\n");

    SlotList up, down;
    bool verify = false;
    ASSERT_TRUE(ReadUploadSlotList(up, folder.Path(), &verify));
    EXPECT_TRUE(verify);
    ASSERT_TRUE(ReadDownloadSlotList(down, folder.Path()));
    EXPECT_EQ(up[0].path, "/one.dat");
    EXPECT_EQ(up[1].path, "");
    EXPECT_EQ(down[1].flag, 0);
    EXPECT_EQ(down[1].path, "/two.dat");

    TempFolder empty;
    up[0].path = "stale";
    EXPECT_FALSE(ReadUploadSlotList(up, empty.Path()));
    EXPECT_EQ(up[0].path, "");
    EXPECT_FALSE(WriteUploadSlotList(slots, empty.File("missing")));
}

} // namespace
} // namespace qbx

#include "formats/folder_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

const FolderLine kLines[] = {FolderLine::Upload, FolderLine::Download, FolderLine::OperatingSystem,
                             FolderLine::Bootloader, FolderLine::WelcomePages};

TEST(FolderFile, DefaultsAreSubfoldersOfTheProgramFolder) {
    struct {
        FolderLine line;
        int edition;
        std::string folder;
    } cases[] = {{FolderLine::Upload, 1, "/prog/Funktionsdaten"},
                 {FolderLine::Download, 2, "/prog/Funktionsdaten"},
                 {FolderLine::OperatingSystem, 1, "/prog/Betriebssystem_QRT5130"},
                 {FolderLine::OperatingSystem, 2, "/prog/Betriebssystem_OC"},
                 {FolderLine::Bootloader, 2, "/prog/Betriebssystem_BL"},
                 {FolderLine::WelcomePages, 1, "/prog/Begr\xC3\xBCssungsseiten"}};
    for (const auto& c : cases)
        EXPECT_EQ(ReadFolder(c.line, c.edition, "/prog"), c.folder); // no folder file there
}

TEST(FolderFile, PathsAreRightAlignedIn256CharactersAndReadBackExactly) {
    TempFolder folder;
    FolderPaths paths = {"/home/u/Data/Upload1", "", std::string(256, 'o'), "", std::string(300, 'w')};
    ASSERT_TRUE(WriteFolderFile(paths, folder.Path()));
    std::string text = folder.Read(kFolderFileName);
    EXPECT_EQ(text.substr(0, 258), std::string(236, ' ') + "/home/u/Data/Upload1\r\n");
    EXPECT_EQ(text.substr(258, 258), std::string(256, ' ') + "\r\n");
    EXPECT_EQ(text.size(), 4 * 258 + 302u);

    EXPECT_EQ(ReadFolder(FolderLine::Upload, 1, folder.Path()), "/home/u/Data/Upload1");
    EXPECT_EQ(ReadFolder(FolderLine::Download, 1, folder.Path()), folder.Path() + "/Funktionsdaten");
    EXPECT_EQ(ReadFolder(FolderLine::OperatingSystem, 2, folder.Path()), std::string(256, 'o'));
    EXPECT_EQ(ReadFolder(FolderLine::WelcomePages, 1, folder.Path()), std::string(300, 'w'));

    paths[1] = "/a\r\n/b";
    EXPECT_FALSE(WriteFolderFile(paths, folder.Path()));
    EXPECT_EQ(folder.Read(kFolderFileName), text);
}

TEST(FolderFile, EmptyShortAndMissingFilesFallBackToTheDefaults) {
    TempFolder folder;
    ASSERT_TRUE(WriteFolderFile(FolderPaths(), folder.Path()));
    EXPECT_EQ(folder.Read(kFolderFileName).size(), 5 * 258u);
    const std::string texts[] = {"", std::string(256, ' ') + "\r\n", "\n\n\n\n\n\n"};
    for (const std::string& text : texts) {
        folder.Write(kFolderFileName, text);
        for (FolderLine line : kLines)
            EXPECT_EQ(ReadFolder(line, 2, folder.Path()), DefaultFolder(line, 2, folder.Path()));
    }
    // Two lines only, LF ends from a hand edit: the other three take their defaults.
    folder.Write(kFolderFileName, "   /up\n/down\r\n");
    EXPECT_EQ(ReadFolder(FolderLine::Upload, 1, folder.Path()), "/up");
    EXPECT_EQ(ReadFolder(FolderLine::Download, 1, folder.Path()), "/down");
    EXPECT_EQ(ReadFolder(FolderLine::OperatingSystem, 2, folder.Path()),
              folder.Path() + "/Betriebssystem_OC");

    FolderPaths paths;
    paths[0] = "x";
    EXPECT_FALSE(ReadFolderFile(paths, folder.File("nothing")));
    EXPECT_EQ(paths[0], "");
}

} // namespace
} // namespace qbx

// The built program folder holds every default working folder, so that a
// fresh installation's choosers open where the files belong.
#include "formats/folder_file.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(DefaultFolders, TheBuiltProgramFolderHoldsEveryDefaultOfBothEditions) {
    for (int edition : {1, 2}) {
        for (FolderLine line : {FolderLine::Upload, FolderLine::Download, FolderLine::OperatingSystem,
                                FolderLine::Bootloader, FolderLine::WelcomePages}) {
            std::string folder = DefaultFolder(line, edition, QBX_PROGRAM_DIR);
            EXPECT_TRUE(std::filesystem::is_directory(folder)) << folder;
        }
    }
}

} // namespace
} // namespace qbx

#pragma once
#include "platform/program_folder.h"

#include <array>
#include <string>

// "directory.ini": the five folders the file choosers start in. The file
// holds only folders the user set; an empty line means the default, a
// subfolder of the program folder computed at the moment of use.
namespace qbx {

constexpr const char* kFolderFileName = "directory.ini";
constexpr std::size_t kFolderPathWidth = 256;

enum class FolderLine : int {
    Upload = 1,          // function data to write into the slots; bootloader data
    Download = 2,        // function data read from the slots
    OperatingSystem = 3, // controller program files
    Bootloader = 4,      // bootloader firmware files
    WelcomePages = 5,    // welcome-page files
};
constexpr int kFolderLineCount = 5;

// Default subfolders (UTF-8, as folder names are on disk).
constexpr const char* kFunctionDataFolder = "Funktionsdaten";
constexpr const char* kOperatingSystemFolder = "Betriebssystem_QRT5130";
constexpr const char* kOemOperatingSystemFolder = "Betriebssystem_OC";
constexpr const char* kBootloaderFolder = "Betriebssystem_BL";
constexpr const char* kWelcomePagesFolder = "Begr\xC3\xBCssungsseiten";

// Line n of the file is element n - 1; an empty path means "not set".
using FolderPaths = std::array<std::string, kFolderLineCount>;

// The default subfolder of a line; `edition` 2 (ORMAND) changes line 3.
const char* DefaultSubfolder(FolderLine line, int edition);
// The program folder, '/', and the line's default subfolder.
std::string DefaultFolder(FolderLine line, int edition, const std::string& folder = FilesFolder());

// Five lines "%256s" with CR LF; a path longer than 256 characters is
// written whole. False when a path holds a line end.
bool FormatFolderFile(const FolderPaths& paths, std::string& text);
// Per line: leading spaces removed, then the trailing line end (LF, CR).
// Missing lines are empty.
FolderPaths ParseFolderFile(const std::string& text);

// False when the file does not open or is no regular file (`paths` then all
// empty). Only the first lines that five paths can fill are read; a line cut
// there counts as missing.
bool ReadFolderFile(FolderPaths& paths, const std::string& folder = FilesFolder());
// Replaces the file as a whole; false when it cannot be written.
bool WriteFolderFile(const FolderPaths& paths, const std::string& folder = FilesFolder());

// The folder a file chooser starts in: the line of the folder file, or the
// default when the file is missing or the line is missing or empty. The
// folder's existence is not checked.
std::string ReadFolder(FolderLine line, int edition, const std::string& folder = FilesFolder());

} // namespace qbx

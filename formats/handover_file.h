#pragma once
#include "platform/program_folder.h"

#include <string>

// "config_bs_5130.ini": the OS update preparation hands the chosen welcome
// page and program file to the transfer through it. Two lines, each a path
// right-aligned in 256 characters, CR LF at each line end.
namespace qbx {

constexpr const char* kHandoverFileName = "config_bs_5130.ini";
constexpr std::size_t kHandoverPathWidth = 256;
// What the preparation writes for "no welcome page" in the standard edition.
constexpr const char* kNoWelcomePage = "0";

struct OsUpdateHandover {
    std::string welcomePage; // full path, kNoWelcomePage, or empty
    std::string programFile;
};

// True when `path` names no welcome page ("0" or empty); such a path is
// never looked up on disk.
bool IsNoWelcomePage(const std::string& path);

// The file's text; false when a path holds a line end, which would shift
// the program file into the wrong line.
bool FormatHandover(const OsUpdateHandover& handover, std::string& text);
// Reads the lines as they were written: at most 257 characters of each
// (the rest of a longer line is passed over), leading blanks removed, then
// the line end. Missing lines give empty paths.
OsUpdateHandover ParseHandover(const std::string& text);

// Reads the file in `folder`; false when it does not open.
bool ReadHandoverFile(OsUpdateHandover& handover, const std::string& folder = FilesFolder());
// Replaces the file in `folder` as a whole; false when it cannot be written.
bool WriteHandoverFile(const OsUpdateHandover& handover, const std::string& folder = FilesFolder());

} // namespace qbx

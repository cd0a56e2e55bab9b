#pragma once
#include "formats/welcome_page.h"

#include <cstddef>
#include <string>

// A welcome page kept on its own: 88 bytes, the four lines of 22 characters
// each, padded with spaces, in Windows-1252, without any separator.
namespace qbx {

constexpr const char* kBgsExtension = "bgs";
constexpr std::size_t kBgsFileSize = kWelcomeLineCount * kWelcomeLineLength;

// `path` with ".bgs" appended unless its extension is exactly "bgs" (so
// "page.BGS" becomes "page.BGS.bgs").
std::string WithBgsExtension(const std::string& path);

// Up to four reads of at most 22 characters; a read also ends after a line
// feed (a CR LF counts as one). Each read, without trailing spaces and line
// ends, replaces its line; the lines past the end of the text stay as they are.
void ParseBgs(const std::string& text, WelcomeLines& lines);
// The 88 bytes: each line cut or padded to 22 characters.
std::string FormatBgs(const WelcomeLines& lines);

// False when the file does not open or is no regular file; `lines` are then unchanged.
bool LoadBgsFile(const std::string& path, WelcomeLines& lines);
// Replaces the file as a whole; false when it cannot be written.
bool SaveBgsFile(const std::string& path, const WelcomeLines& lines);

} // namespace qbx

#pragma once
#include <string>

namespace qbx {

// Full path of the running executable ("" when the system cannot tell).
std::string ExecutablePath();

// Folder part of a path: everything before the last '/', searched backwards
// from the end without looking at the first character. "" when there is none.
std::string FolderOf(const std::string& path);

// File name part of a path (everything after the last '/').
std::string FileNameOf(const std::string& path);

} // namespace qbx

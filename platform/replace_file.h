#pragma once
#include <string>

namespace qbx {

// Writes `bytes` as the whole content of `path` so that the path holds
// either its old content or the complete new one, never a part: the bytes go
// to a temporary file in the same folder, which then takes the place of
// `path` (keeping the old file's permissions). False when any step fails;
// `path` is then untouched and the temporary file removed. A symbolic link
// keeps pointing at its (replaced) target.
bool ReplaceFileContents(const std::string& path, const std::string& bytes);

// The whole content of a file; false when it does not open or read.
bool ReadFileContents(const std::string& path, std::string& bytes);

} // namespace qbx

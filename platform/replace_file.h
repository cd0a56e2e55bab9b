#pragma once
#include <string>

namespace qbx {

// Writes `bytes` as the whole content of `path`, refusing (false) where an
// open for writing would refuse: a write-protected file, a folder that takes
// no new file, anything that is no regular file.
//
// Where it can, it replaces the file as a whole, so that the path holds
// either its old content or the complete new one: the bytes go to a
// temporary file beside it, which then takes its place with the old file's
// permissions and owner. The temporary file has a short hidden name of its
// own (".qbx" and twelve hexadecimal digits, ".tmp"), so that it never makes
// a name too long, never takes a user's file and matches no file filter of
// the program; a failed replacement removes it.
//
// It writes over the file itself where a new file cannot take its place
// without changing what users rely on: in a folder that takes no new file,
// for a file with more than one hard link, and for a file whose owner a new
// file could not keep. Such a write is not atomic. A symbolic link stays and
// its target gets the content.
bool ReplaceFileContents(const std::string& path, const std::string& bytes);

} // namespace qbx

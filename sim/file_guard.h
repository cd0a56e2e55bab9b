#pragma once
#include <string>

// What qbx-sim may put its files in place of. Run as root it could replace
// anything, a device node among them, so every path it writes is looked at
// before the first byte goes out, and the state's replacement looks again
// at the moment it happens.
namespace qbx::sim {

// True when `path` is a regular file itself (not a link to one) or does not
// exist: what a file replaced as a whole (the state) may take the place of.
bool MayReplace(const std::string& path);

// True when writing into `path` writes a regular file, links followed, or
// creates one: what a file written in place (the trace) may be.
bool MayWriteInto(const std::string& path);

// True when `path` is a symbolic link or does not exist: what --link may
// make its link.
bool MayLink(const std::string& path);

// Makes `bytes` the whole content of `path`: they go to a new file beside
// it, which then takes its place, so that a reader sees the old content or
// all of the new. Only a regular file or nothing is replaced: something
// else that took the name since the last look keeps it (false). No
// temporary file is left behind.
bool ReplaceFile(const std::string& path, const std::string& bytes);

} // namespace qbx::sim

#pragma once
#include <string>

namespace qbx {

// Whether a file can be saved under `path`, known before anything is done
// for it: a download or a device read should not cross the line first and
// fail at the end.
enum SaveTarget : int {
    kSaveTargetUsable = 0,      // a file the save may replace, or a name its folder takes
    kSaveTargetIsFolder = 1,    // `path` names a folder (or ends with '/')
    kSaveTargetNoFolder = 2,    // the folder it would go into does not exist
    kSaveTargetNotWritable = 3, // a protected file, no regular file, or a folder that takes no new file
};

// As the file replacement judges it: an existing file must be a regular
// file this user may write, a new one needs a folder this user may add to.
int CheckSaveTarget(const std::string& path);

} // namespace qbx

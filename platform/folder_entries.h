#pragma once

#include <string>
#include <vector>

namespace qbx {

// The names in `folder` without "." and "..", sorted; empty when it cannot be
// read.
std::vector<std::string> SortedFolderEntries(const std::string& folder);

} // namespace qbx

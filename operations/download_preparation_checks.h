#pragma once
#include "formats/slot_list.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace qbx {

// What the download makes of the name chosen for a slot's file.
enum class DownloadName {
    Accepted,  // extension "dat" or "DAT"
    AppendDat, // no extension: ".dat" is added
    Refused,   // any other extension, "Dat" included
};
DownloadName CheckDownloadName(const std::string& path);
// The path to store for an accepted name: ".dat" appended where it has none.
std::string DownloadPath(const std::string& path);

// The first pair of ticked slots (higher, lower; 1-based) that would write
// the same file, taking the pairs (2,1), (3,1), (3,2), (4,1) ... in order.
// Paths are compared exactly, so names differing in case are different files.
std::optional<std::pair<int, int>> FindSameFile(const SlotList& slots);

// For each ticked slot in slot order whose file exists, asks `mayOverwrite`
// (slot 1-based, path); false at the first No, true when every existing file
// may be replaced (or none exists).
bool ConfirmOverwrites(const SlotList& slots,
                       const std::function<bool(int slot, const std::string& path)>& mayOverwrite);

} // namespace qbx

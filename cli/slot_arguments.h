#pragma once
#include "formats/slot_list.h"

#include <string>
#include <vector>

namespace qbx {

// "N=FILE" arguments, N a storage slot 1 to 7, each slot at most once. The
// entries of the given slots get flag 1 and the file, made absolute against
// `startFolder`; the others stay unticked and empty. False, with the reason,
// for anything else or no argument at all (a usage error). A path too long
// for the slot list is the preparation checks' to refuse.
bool ParseSlotArguments(const std::vector<std::string>& arguments, const std::string& startFolder,
                        SlotList& slots, std::string& reason);

} // namespace qbx

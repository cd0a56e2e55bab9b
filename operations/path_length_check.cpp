#include "operations/path_length_check.h"

#include "formats/slot_list.h"
#include "operations/string_ids.h"

namespace qbx {

static_assert(kMaxStoredPathBytes == kSlotPathWidth, "the slot lists read back this many characters");

bool PathFitsField(const std::string& path) {
    return path.size() <= kMaxStoredPathBytes;
}

void ReportOverlongPath(COperationHost& host, int number, const std::string& path) {
    host.ShowMessage(number, str::kPathTooLong,
                     {static_cast<long long>(path.size()), static_cast<long long>(kMaxStoredPathBytes)});
}

} // namespace qbx

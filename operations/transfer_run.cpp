#include "operations/transfer_run.h"

#include "operations/transfer_steps.h"

namespace qbx {

std::string SlotFileText(const std::string& label, const std::string& path) {
    return label + ": " + transfer::PathTitle(path);
}

TransferRunResult RunSlotList(COperationHost& host, bool listRead, const SlotList& slots, int fileStringId,
                              const SlotTransfer& transfer) {
    if (!listRead) return TransferRunResult::NoSlotList;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const SlotListEntry& entry = slots[slot - 1];
        host.SetFileText(SlotFileText(host.String(fileStringId), entry.path));
        if (entry.flag == 1 && !transfer(slot, entry.path)) return TransferRunResult::SlotFailed;
    }
    host.Beep();
    return TransferRunResult::Finished;
}

} // namespace qbx

#include "operations/transfer_run.h"

#include "operations/transfer_steps.h"

namespace qbx {

TransferRunResult RunSlotList(COperationHost& host, bool listRead, const SlotList& slots, int fileStringId,
                              const SlotTransfer& transfer) {
    if (!listRead) return TransferRunResult::NoSlotList;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const SlotListEntry& entry = slots[slot - 1];
        host.SetFileText(host.String(fileStringId) + ": " + transfer::PathTitle(entry.path));
        if (entry.flag == 1 && !transfer(slot, entry.path)) return TransferRunResult::SlotFailed;
    }
    host.Beep();
    return TransferRunResult::Finished;
}

} // namespace qbx

#include "operations/transfer_run.h"

#include "operations/transfer_steps.h"

namespace qbx {

std::string SlotFileText(const std::string& label, const std::string& path) {
    return label + ": " + transfer::PathTitle(path);
}

TransferRunResult RunSlotList(COperationHost& host, bool listRead, const SlotList& slots, int fileStringId,
                              const SlotTransfer& transfer, SlotOutcome doneAs) {
    if (!listRead) return TransferRunResult::NoSlotList;
    bool failed = false;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const SlotListEntry& entry = slots[slot - 1];
        if (failed) {
            if (entry.flag == 1) host.SetSlotOutcome(slot, entry.path, SlotOutcome::NotTried);
            continue;
        }
        host.SetFileText(SlotFileText(host.String(fileStringId), entry.path));
        host.SetFilePath(entry.path);
        if (entry.flag != 1) continue;
        failed = !transfer(slot, entry.path);
        host.SetSlotOutcome(slot, entry.path, failed ? SlotOutcome::Failed : doneAs);
    }
    if (failed) return TransferRunResult::SlotFailed;
    host.Beep();
    return TransferRunResult::Finished;
}

} // namespace qbx

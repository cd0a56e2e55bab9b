#pragma once
#include "formats/slot_list.h"
#include "operations/operation_host.h"

#include <functional>
#include <string>

namespace qbx {

// How a run over the slot list ended, which tells the transfer dialog what
// to do next.
enum class TransferRunResult {
    Finished,   // every ticked slot went through (or none was ticked); the beep sounded
    SlotFailed, // a slot failed after its message; later slots were not tried
    NoSlotList, // the slot list file did not open; nothing was shown
};

// The dialog closes at once after a failure or without a slot list; after a
// finished run it enables its close button and waits for the person.
inline bool ClosesAtOnce(TransferRunResult result) {
    return result != TransferRunResult::Finished;
}

// The file text a run shows for a slot: `label` (string 11508 or 11509),
// ": ", and the title of the slot's file.
std::string SlotFileText(const std::string& label, const std::string& path);

// One slot's transfer: true when it went through; false after its message.
using SlotTransfer = std::function<bool(int slot, const std::string& path)>;

// Passes the seven slots in order: shows each slot's file text (string
// `fileStringId`, ": ", the file title), runs `transfer` for the ticked ones,
// stops at the first failure, and beeps when nothing failed. Each ticked
// slot's outcome goes to the host: `doneAs` when it went through, the ones
// after a failure not tried. `listRead` false means the slot list did not
// open.
TransferRunResult RunSlotList(COperationHost& host, bool listRead, const SlotList& slots, int fileStringId,
                              const SlotTransfer& transfer, SlotOutcome doneAs = SlotOutcome::Transferred);

} // namespace qbx

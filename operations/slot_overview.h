#pragma once
#include "formats/slot_list.h"
#include "link/slot_header.h"
#include "operations/connection.h"

#include <array>

namespace qbx {

// What the bootloader's seven storage slots hold.
struct SlotOverview {
    std::array<SlotHeader, kSlotCount> headers;
    // A slot holds data when its header's kind is not 0.
    bool HoldsData(int slot) const { return headers[slot - 1].kind != 0; }
};

// Reads the header of every slot over an open link (SelectSlot, then
// ReadSlotHeader). False at the first slot that fails.
bool ReadSlotOverview(CTransport& transport, SlotOverview& overview);

// Connects and checks the bootloader as before an upload, then reads the
// overview; the link is closed again. False after the failure's message
// (`slotHeaderFailed` with string 11012 when a slot cannot be read), or
// when the person declined the mode switch.
bool ConnectAndReadSlots(COperationHost& host, const ConnectMessages& messages, int slotHeaderFailed,
                         SlotOverview& overview, const ConnectOptions& options = {});

// Empties bootloader slot `slot` (1..7) over a link of its own, without
// identification: settings, link, ClearSlot. The messages are the caller's.
struct ClearSlotMessages {
    int settingsUnreadable = 0;
    int invalidInterface = 0;
    int openNotFound = 0;
    int openDenied = 0;
    int openFailed = 0;
    int clearFailed = 0; // string 11052
};
bool ClearSlotOperation(COperationHost& host, const ClearSlotMessages& messages, int slot,
                        ConnectOptions options = {});

} // namespace qbx

#include "operations/slot_overview.h"

#include "link/slot_commands.h"
#include "operations/string_ids.h"

namespace qbx {

bool ReadSlotOverview(CTransport& transport, SlotOverview& overview) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        SlotHeader header;
        if (!SelectSlot(transport, static_cast<std::uint8_t>(slot)) || !ReadSlotHeader(transport, header))
            return false;
        overview.headers[slot - 1] = header;
    }
    return true;
}

bool ConnectAndReadSlots(COperationHost& host, const ConnectMessages& messages, int slotHeaderFailed,
                         SlotOverview& overview, const ConnectOptions& options) {
    std::unique_ptr<CTransport> transport;
    BootloaderId id;
    if (Connect(host, messages, options, transport, id) != ConnectResult::Connected) return false;
    if (!ReadSlotOverview(*transport, overview)) {
        host.ShowMessage(slotHeaderFailed, str::kNoAnswer);
        return false;
    }
    return true;
}

bool ClearSlotOperation(COperationHost& host, const ClearSlotMessages& m, int slot, ConnectOptions options) {
    ConnectMessages connect;
    connect.settingsUnreadable = m.settingsUnreadable;
    connect.invalidInterface = m.invalidInterface;
    connect.openNotFound = m.openNotFound;
    connect.openDenied = m.openDenied;
    connect.openFailed = m.openFailed;
    options.identify = false;
    options.check = false;
    std::unique_ptr<CTransport> transport;
    BootloaderId id;
    if (Connect(host, connect, options, transport, id) != ConnectResult::Connected) return false;
    if (!ClearSlot(*transport, static_cast<std::uint8_t>(slot))) {
        host.ShowMessage(m.clearFailed, str::kSlotNotCleared);
        return false;
    }
    return true;
}

} // namespace qbx

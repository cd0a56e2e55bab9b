// identify, slots, clear: the commands that look at the bootloader itself.
#include "cli/commands.h"
#include "operations/slot_overview.h"
#include "operations/string_ids.h"
#include "operations/upload_preparation_messages.h"

#include <QString>
#include <cstdio>

namespace qbx {
namespace {

std::string Utf8FromDevice(const std::string& pcText) {
    return QString::fromLatin1(pcText).toStdString();
}

} // namespace

int RunIdentify(CommandContext& context) {
    if (!context.arguments.empty()) return kExitUsage;
    context.host.SetGroup(upload_preparation::kGroup);
    ConnectOptions options;
    options.modeCheck = false;
    options.check = false;
    std::unique_ptr<CTransport> transport;
    BootloaderId id;
    if (Connect(context.host, upload_preparation::kConnect, options, transport, id) !=
        ConnectResult::Connected) {
        return kExitFailed;
    }
    std::fprintf(context.events.HumanOut(), "family 0x%02X\nrawType 0x%02X\nversion %d\n", id.family,
                 id.rawType, id.version);
    context.events.Emit(CJsonEvents::Event("device")
                            .Number("family", id.family)
                            .Number("rawType", id.rawType)
                            .Number("version", id.version));
    return kExitOk;
}

int RunSlots(CommandContext& context) {
    if (!context.arguments.empty()) return kExitUsage;
    context.host.SetGroup(upload_preparation::kGroup);
    SlotOverview overview;
    if (!ConnectAndReadSlots(context.host, upload_preparation::kConnect,
                             upload_preparation::kSlotHeaderFailed, overview)) {
        return kExitFailed;
    }
    std::string empty = context.host.String(str::kEmptySlot);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const SlotHeader& header = overview.headers[slot - 1];
        const bool holdsData = overview.HoldsData(slot);
        const std::string description = Utf8FromDevice(header.description);
        std::FILE* out = context.events.HumanOut();
        if (holdsData) {
            std::fprintf(out, "%d: %s (%u bytes)\n", slot, description.c_str(), header.size);
        } else {
            std::fprintf(out, "%d: %s\n", slot, empty.c_str());
        }
        CJsonObject event =
            CJsonEvents::Event("slot").Number("slot", slot).String("state", holdsData ? "data" : "empty");
        if (holdsData) {
            event.Number("kind", header.kind)
                .Number("size", header.size)
                .String("description", description)
                .String("textA", Utf8FromDevice(header.textA))
                .String("textB", Utf8FromDevice(header.textB));
        }
        context.events.Emit(event);
    }
    return kExitOk;
}

// As in the upload preparation: the slots are read first, and a slot that
// holds data is emptied only after Yes (--yes answers it; a script without
// a terminal gets No).
int RunClear(CommandContext& context) {
    if (context.arguments.size() != 1) return kExitUsage;
    const std::string& text = context.arguments[0];
    if (text.size() != 1 || text[0] < '1' || text[0] > '7') return kExitUsage;
    const int slot = text[0] - '0';
    CConsoleHost& host = context.host;
    host.SetGroup(upload_preparation::kGroup);
    SlotOverview overview;
    if (!ConnectAndReadSlots(host, upload_preparation::kConnect, upload_preparation::kSlotHeaderFailed,
                             overview)) {
        return kExitFailed;
    }
    if (overview.HoldsData(slot)) {
        const std::string description = Utf8FromDevice(overview.headers[slot - 1].description);
        if (!host.AskQuestion(upload_preparation::kAskEmptySlot, str::kAskEmptySlot,
                              {static_cast<long long>(slot), description})) {
            host.Note("storage slot " + text + " was not emptied");
            return kExitFailed;
        }
    }
    return ClearSlotOperation(host, upload_preparation::kClearSlot, slot) ? kExitOk : kExitFailed;
}

} // namespace qbx

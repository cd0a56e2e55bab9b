// upload, download: function data between files and the storage slots, with
// the checks of the preparation dialogs and then the transfer itself.
#include "cli/commands.h"
#include "cli/slot_arguments.h"
#include "core/settings_store.h"
#include "formats/function_data_image.h"
#include "operations/download_preparation_checks.h"
#include "operations/download_preparation_messages.h"
#include "operations/download_transfer.h"
#include "operations/download_transfer_messages.h"
#include "operations/path_length_check.h"
#include "operations/slot_overview.h"
#include "operations/string_ids.h"
#include "operations/upload_preparation_messages.h"
#include "operations/upload_transfer.h"
#include "operations/upload_transfer_messages.h"

#include <cstdio>

namespace qbx {
namespace {

// The preparation messages do not name the file; with several files given, this says which.
void NameFile(CConsoleHost& host, int slot, const std::string& path) {
    host.Note("slot " + std::to_string(slot) + ": " + path);
}

int Finish(CConsoleHost& host, TransferRunResult result) {
    host.EndProgressLine();
    return result == TransferRunResult::Finished ? kExitOk : kExitFailed;
}

// The slot list keeps 256 bytes of a path; a longer one would come back cut.
// The dialogs refuse it when it is chosen, with the same message.
bool PathsFitTheSlotList(CConsoleHost& host, const SlotList& slots, int message) {
    bool all = true;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const SlotListEntry& entry = slots[slot - 1];
        if (entry.flag != 1 || PathFitsField(entry.path)) continue;
        ReportOverlongPath(host, message, entry.path);
        NameFile(host, slot, entry.path);
        all = false;
    }
    return all;
}

// The file check of the upload preparation, with its messages.
bool FilesAreFunctionData(CConsoleHost& host, const SlotList& slots) {
    bool all = true;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const SlotListEntry& entry = slots[slot - 1];
        if (entry.flag != 1) continue;
        FunctionDataImage image;
        int loaded = image.Load(entry.path);
        if (loaded == kDatLoaded) continue;
        if (loaded == kDatCannotOpen) {
            host.ShowMessage(upload_preparation::kFileNotOpened, str::kCannotOpen);
        } else {
            host.ShowMessage(upload_preparation::kFileNotValid, str::kNotValidForFunction);
        }
        NameFile(host, slot, entry.path);
        all = false;
    }
    return all;
}

// The download preparation's rule for names: ".dat" or ".DAT", or none (".dat" is added).
bool NamesAreDatFiles(CConsoleHost& host, SlotList& slots) {
    const int edition = ReadEdition();
    bool all = true;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        SlotListEntry& entry = slots[slot - 1];
        if (entry.flag != 1) continue;
        if (CheckDownloadName(entry.path) == DownloadName::Refused) {
            host.ShowMessage(download_preparation::ExtensionMessage(slot, edition),
                             str::kWrongDownloadExtension);
            NameFile(host, slot, entry.path);
            all = false;
            continue;
        }
        const std::string typed = entry.path;
        entry.path = DownloadPath(typed);
        if (!CheckSaveTarget(host, download_preparation::kSlotListNotWritten, typed, entry.path)) all = false;
    }
    return all;
}

// The download preparation reads what the slots hold and lets only those
// with data be chosen.
bool SlotsHoldData(CConsoleHost& host, const SlotList& slots) {
    SlotOverview overview;
    if (!ConnectAndReadSlots(host, download_preparation::kConnect, download_preparation::kSlotHeaderFailed,
                             overview))
        return false;
    bool all = true;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (slots[slot - 1].flag == 1 && !overview.HoldsData(slot)) {
            host.Note("storage slot " + std::to_string(slot) +
                      " of the bootloader is empty; there is nothing to download");
            all = false;
        }
    }
    return all;
}

} // namespace

int RunUpload(CommandContext& context) {
    CConsoleHost& host = context.host;
    SlotList slots;
    std::string reason;
    std::vector<std::string> arguments = context.arguments;
    const bool verify = TakeVerifyOption(arguments);
    if (!ParseSlotArguments(arguments, context.startFolder, slots, reason)) return UsageError(host, reason);

    host.SetGroup(upload_preparation::kGroup);
    if (!PathsFitTheSlotList(host, slots, upload_preparation::kPathTooLong)) return kExitFailed;
    if (!FilesAreFunctionData(host, slots)) return kExitFailed;
    if (!WriteUploadSlotList(slots, FilesFolder(), verify)) {
        host.ShowMessage(upload_preparation::kSlotListNotWritten, str::kCannotWrite);
        host.NoteString(str::kFileNotWritable, {FilesFolder() + "/" + kUploadSlotListName});
        return kExitFailed;
    }
    host.SetGroup(upload_transfer::kGroup);
    host.WatchInterrupts(str::kUploadInterrupted);
    return Finish(host, RunUploadList(host, slots, {}, verify));
}

int RunDownload(CommandContext& context) {
    CConsoleHost& host = context.host;
    SlotList slots;
    std::string reason;
    if (!ParseSlotArguments(context.arguments, context.startFolder, slots, reason))
        return UsageError(host, reason);

    host.SetGroup(download_preparation::kGroup);
    if (!NamesAreDatFiles(host, slots)) return kExitFailed;
    if (!PathsFitTheSlotList(host, slots, download_preparation::kPathTooLong)) return kExitFailed;
    if (auto same = FindSameFile(slots)) {
        auto [higher, lower] = *same;
        host.ShowMessage(
            download_preparation::DuplicateMessage(higher, lower), str::kSameFileTwice,
            {slots[higher - 1].path, static_cast<long long>(higher), static_cast<long long>(lower)});
        return kExitFailed;
    }
    if (!SlotsHoldData(host, slots)) return kExitFailed;
    bool overwrite = ConfirmOverwrites(slots, [&](int slot, const std::string& path) {
        return host.AskQuestion(download_preparation::OverwriteMessage(slot), str::kAskOverwrite,
                                {path, static_cast<long long>(slot)});
    });
    if (!overwrite) return kExitFailed;
    if (!WriteDownloadSlotList(slots)) {
        host.ShowMessage(download_preparation::kSlotListNotWritten, str::kCannotWrite);
        host.NoteString(str::kFileNotWritable, {FilesFolder() + "/" + kDownloadSlotListName});
        return kExitFailed;
    }
    host.SetGroup(download_transfer::kGroup);
    host.WatchInterrupts(str::kNothingSavedInterrupted);
    return Finish(host, RunDownloadList(host, slots));
}

} // namespace qbx

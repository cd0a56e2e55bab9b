#include "gui/functiondata/download_preparation_dialog.h"

#include "core/app_state.h"
#include "formats/folder_file.h"
#include "operations/download_preparation_checks.h"
#include "operations/download_preparation_messages.h"
#include "operations/path_length_check.h"
#include "operations/slot_overview.h"
#include "operations/string_ids.h"
#include "ui/dialog_host.h"

namespace qbx {
namespace {

using namespace download_preparation;

} // namespace

CDownloadPreparationDialog::CDownloadPreparationDialog(CUiContext& context, QWidget* parent)
    : CSlotPreparationDialog(context, kDownloadPreparationTemplate, kGroup, kSlotHeaderFailed, parent) {}

bool CDownloadPreparationDialog::OnInitDialog() {
    for (int i = 0; i < kSlotCount; ++i) {
        OnCommand(kSlotEnableBox + i, [this, i] { SlotTicked(i); });
        OnCommand(kSlotBrowseButton + i, [this, i] { Browse(i); });
    }
    OnCommand(kSlotClearAllButton, [this] { ClearAll(); });

    BeginWaitCursor();
    bool listed = ReadDownloadSlotList(choices);
    for (int i = 0; i < kSlotCount; ++i) {
        fileNames[i] = FileTitle(choices[i].path);
        EnableItem(kSlotBrowseButton + i, listed && !fileNames[i].isEmpty());
    }
    bool connected = LookAtBootloader();
    EndWaitCursor();
    if (!connected) {
        EndDialog(kIdCancel);
        return true;
    }
    ShowValues();
    UpdateOk();
    return true;
}

bool CDownloadPreparationDialog::LookAtBootloader() {
    SlotOverview overview;
    if (!ReadBootloaderSlots(overview)) return false;
    for (int i = 0; i < kSlotCount; ++i) {
        bool holds = overview.HoldsData(i + 1);
        EnableItem(kSlotEnableBox + i, holds);
        if (!holds) ForgetSlot(i); // an empty slot has nothing to save, whatever the list said
    }
    return true;
}

void CDownloadPreparationDialog::ForgetSlot(int i) {
    choices[i] = SlotListEntry{};
    fileNames[i].clear();
    EnableItem(kSlotBrowseButton + i, false);
}

void CDownloadPreparationDialog::Browse(int i) {
    QString folder = QString::fromStdString(ReadFolder(FolderLine::Download, AppState().edition));
    const QString title = QString::fromStdString(
        FormatMessage(String(str::kChooseDownloadFile).toStdString(), {static_cast<long long>(i + 1)}));
    QString chosen = Context().ui.ChooseSaveFile(this, title, folder, String(kFunctionDataFilter));
    if (!chosen.isEmpty()) {
        std::string path = chosen.toStdString();
        if (CheckDownloadName(path) == DownloadName::Refused) {
            Message(kGroup, ExtensionMessage(i + 1, AppState().edition), str::kWrongDownloadExtension);
            ForgetSlot(i);
        } else if (!PathFitsField(DownloadPath(path))) {
            CDialogHost host(*this, kGroup);
            ReportOverlongPath(host, kPathTooLong, DownloadPath(path));
            ForgetSlot(i);
        } else {
            choices[i].path = DownloadPath(path);
            fileNames[i] = FileTitle(choices[i].path);
        }
    } else if (choices[i].path.empty()) {
        ForgetSlot(i);
    }
    ShowValues();
    UpdateOk();
}

void CDownloadPreparationDialog::SlotTicked(int i) {
    TakeValues();
    if (choices[i].flag == 1) {
        EnableItem(kSlotBrowseButton + i, true);
        Browse(i);
        return;
    }
    ForgetSlot(i);
    ShowValues();
    UpdateOk();
}

void CDownloadPreparationDialog::ClearAll() {
    for (int i = 0; i < kSlotCount; ++i)
        ForgetSlot(i);
    ShowValues();
    UpdateOk();
}

void CDownloadPreparationDialog::UpdateOk() {
    EnableItem(kIdOk, AnyPath());
}

void CDownloadPreparationDialog::OnOK() {
    TakeValues();
    if (auto same = FindSameFile(choices)) {
        auto [higher, lower] = *same;
        Message(kGroup, DuplicateMessage(higher, lower), str::kSameFileTwice,
                {choices[higher - 1].path, static_cast<long long>(higher), static_cast<long long>(lower)});
        return;
    }
    bool overwrite = ConfirmOverwrites(choices, [this](int slot, const std::string& path) {
        return Message(kGroup, OverwriteMessage(slot), str::kAskOverwrite,
                       {path, static_cast<long long>(slot)}, MessageKind::Caution) == MessageAnswer::Yes;
    });
    if (!overwrite) return;
    if (!WriteDownloadSlotList(choices)) {
        Message(kGroup, kSlotListNotWritten, str::kCannotWrite);
        return;
    }
    EndDialog(kIdOk);
}

} // namespace qbx

#include "functiondata/download_preparation_dialog.h"

#include "app/app_state.h"
#include "functiondata/upload_preparation_dialog.h"
#include "functiondata/windows1252.h"
#include "operations/download_preparation_checks.h"
#include "operations/download_preparation_messages.h"
#include "operations/slot_overview.h"
#include "operations/string_ids.h"
#include "settings/folder_file.h"
#include "ui/dialog_host.h"


namespace qbx {
namespace {

using namespace download_preparation;

constexpr int kEnableBox = 1037; // + slot index
constexpr int kContentText = 1028;
constexpr int kFileNameText = 1045;
constexpr int kBrowseButton = 1054;
constexpr int kClearAllButton = 1062;
constexpr int kFileFilter = 11660;

} // namespace

CDownloadPreparationDialog::CDownloadPreparationDialog(CUiContext& context, QWidget* parent)
    : CDialog(context, kDownloadPreparationTemplate, parent) {}

bool CDownloadPreparationDialog::OnInitDialog() {
    for (int i = 0; i < kSlotCount; ++i) {
        OnCommand(kEnableBox + i, [this, i] { SlotTicked(i); });
        OnCommand(kBrowseButton + i, [this, i] { Browse(i); });
    }
    OnCommand(kClearAllButton, [this] { ClearAll(); });

    BeginWaitCursor();
    bool listed = ReadDownloadSlotList(choices);
    for (int i = 0; i < kSlotCount; ++i) {
        fileNames[i] = FileTitle(choices[i].path);
        EnableItem(kBrowseButton + i, listed && !fileNames[i].isEmpty());
    }
    bool connected = ReadBootloaderSlots();
    EndWaitCursor();
    if (!connected) {
        EndDialog(kIdCancel);
        return true;
    }
    ShowValues();
    UpdateOk();
    return true;
}

bool CDownloadPreparationDialog::ReadBootloaderSlots() {
    CDialogHost host(*this, kGroup);
    SlotOverview overview;
    if (!ConnectAndReadSlots(host, kConnect, kSlotHeaderFailed, overview)) return false;
    for (int i = 0; i < kSlotCount; ++i) {
        bool holds = overview.HoldsData(i + 1);
        EnableItem(kEnableBox + i, holds);
        contents[i] = SlotContent(overview, i, String(str::kEmptySlot));
        if (!holds) ForgetSlot(i); // an empty slot has nothing to save, whatever the list said
    }
    return true;
}

void CDownloadPreparationDialog::ForgetSlot(int i) {
    choices[i] = SlotListEntry{};
    fileNames[i].clear();
    EnableItem(kBrowseButton + i, false);
}

void CDownloadPreparationDialog::Browse(int i) {
    QString folder = QString::fromStdString(ReadFolder(FolderLine::Download, AppState().edition));
    QString chosen = Context().ui.ChooseSaveFile(this, folder, String(kFileFilter));
    if (!chosen.isEmpty()) {
        std::string path = chosen.toStdString();
        if (CheckDownloadName(path) == DownloadName::Refused) {
            Message(kGroup, ExtensionMessage(i + 1, AppState().edition), str::kWrongDownloadExtension);
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
        EnableItem(kBrowseButton + i, true);
        Browse(i);
        return;
    }
    ForgetSlot(i);
    ShowValues();
    UpdateOk();
}

void CDownloadPreparationDialog::ClearAll() {
    for (int i = 0; i < kSlotCount; ++i) ForgetSlot(i);
    ShowValues();
    UpdateOk();
}

void CDownloadPreparationDialog::TakeValues() {
    for (int i = 0; i < kSlotCount; ++i) choices[i].flag = IsChecked(kEnableBox + i) ? 1 : 0;
}

void CDownloadPreparationDialog::ShowValues() {
    for (int i = 0; i < kSlotCount; ++i) {
        SetCheck(kEnableBox + i, choices[i].flag == 1);
        SetItemText(kContentText + i, contents[i]);
        SetItemText(kFileNameText + i, fileNames[i]);
    }
}

void CDownloadPreparationDialog::UpdateOk() {
    bool any = false;
    for (const SlotListEntry& slot : choices) any = any || !slot.path.empty();
    EnableItem(kIdOk, any);
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
        return Message(kGroup, OverwriteMessage(slot), str::kAskOverwrite, {path, static_cast<long long>(slot)},
                       MessageKind::Caution) == MessageAnswer::Yes;
    });
    if (!overwrite) return;
    if (!WriteDownloadSlotList(choices)) {
        Message(kGroup, kSlotListNotWritten, str::kCannotWrite);
        return;
    }
    EndDialog(kIdOk);
}

} // namespace qbx

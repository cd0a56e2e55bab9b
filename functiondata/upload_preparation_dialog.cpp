#include "functiondata/upload_preparation_dialog.h"

#include "app/app_state.h"
#include "functiondata/function_data_image.h"
#include "functiondata/windows1252.h"
#include "operations/slot_overview.h"
#include "operations/string_ids.h"
#include "operations/upload_preparation_messages.h"
#include "settings/folder_file.h"
#include "ui/dialog_host.h"
#include "welcome/welcome_editor_dialog.h"

#include <QFileInfo>

namespace qbx {
namespace {

using namespace upload_preparation;

constexpr int kEnableBox = 1037;      // + slot index
constexpr int kContentText = 1028;
constexpr int kFileNameText = 1045;
constexpr int kBrowseButton = 1054;
constexpr int kWelcomeButton = 1125;
constexpr int kEmptySlotButton = 1132;
constexpr int kClearAllButton = 1062;
constexpr int kFileFilter = 11660;
constexpr std::uint8_t kControllerDevice = 0x80;

} // namespace

QString FileTitle(const std::string& path) { return QFileInfo(QString::fromStdString(path)).completeBaseName(); }

QString SlotContent(const SlotOverview& overview, int index, const QString& emptyText) {
    if (!overview.HoldsData(index + 1)) return emptyText;
    return QString::fromStdString(Windows1252ToUtf8(overview.headers[index].description));
}

CUploadPreparationDialog::CUploadPreparationDialog(CUiContext& context, QWidget* parent)
    : CDialog(context, kUploadPreparationTemplate, parent) {}

bool CUploadPreparationDialog::OnInitDialog() {
    for (int i = 0; i < kSlotCount; ++i) {
        OnCommand(kEnableBox + i, [this, i] { SlotTicked(i); });
        OnCommand(kBrowseButton + i, [this, i] { Browse(i); });
        OnCommand(kWelcomeButton + i, [this, i] { EditWelcomePage(i); });
        OnCommand(kEmptySlotButton + i, [this, i] { EmptySlot(i); });
    }
    OnCommand(kClearAllButton, [this] { ClearAll(); });

    BeginWaitCursor();
    if (ReadUploadSlotList(choices)) {
        for (int i = 0; i < kSlotCount; ++i) CheckFile(i, false);
    } else {
        for (int i = 0; i < kSlotCount; ++i) SetSlotButtons(i, false, false);
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

bool CUploadPreparationDialog::ReadBootloaderSlots() {
    CDialogHost host(*this, kGroup);
    SlotOverview overview;
    if (!ConnectAndReadSlots(host, kConnect, kSlotHeaderFailed, overview)) return false;
    for (int i = 0; i < kSlotCount; ++i) {
        bool holds = overview.HoldsData(i + 1);
        contents[i] = SlotContent(overview, i, String(str::kEmptySlot));
        EnableItem(kEmptySlotButton + i, holds);
    }
    return true;
}

void CUploadPreparationDialog::SetSlotButtons(int i, bool browse, bool welcome) {
    EnableItem(kBrowseButton + i, browse);
    EnableItem(kWelcomeButton + i, welcome);
}

void CUploadPreparationDialog::CheckFile(int i, bool withMessages) {
    FunctionDataImage image;
    int result = choices[i].path.empty() ? kDatCannotOpen : image.Load(choices[i].path);
    if (result == kDatLoaded) {
        fileNames[i] = FileTitle(choices[i].path);
        choices[i].flag = 1;
        const FunctionDataHeader& header = image.Header();
        SetSlotButtons(i, true, header.deviceCode == kControllerDevice && header.fileFormat > 1);
        return;
    }
    if (withMessages) {
        CDialogHost host(*this, kGroup);
        if (result == kDatCannotOpen) host.ShowMessage(kFileNotOpened, str::kCannotOpen);
        else host.ShowMessage(kFileNotValid, str::kNotValidForFunction);
    }
    fileNames[i].clear();
    choices[i].flag = 0;
    SetSlotButtons(i, false, false);
}

void CUploadPreparationDialog::Browse(int i) {
    QString folder = QString::fromStdString(ReadFolder(FolderLine::Upload, AppState().edition));
    QString chosen = Context().ui.ChooseOpenFile(this, folder, String(kFileFilter));
    if (!chosen.isEmpty()) {
        choices[i].path = chosen.toStdString();
        CheckFile(i, true);
    } else if (choices[i].path.empty()) {
        choices[i].flag = 0;
        fileNames[i].clear();
        SetSlotButtons(i, false, false);
    }
    ShowValues();
    UpdateOk();
}

void CUploadPreparationDialog::SlotTicked(int i) {
    TakeValues();
    if (choices[i].flag == 1) {
        Browse(i);
        return;
    }
    SetSlotButtons(i, false, false);
    fileNames[i].clear();
    choices[i].path.clear();
    ShowValues();
    UpdateOk();
}

void CUploadPreparationDialog::EmptySlot(int i) {
    CDialogHost host(*this, kGroup);
    BeginWaitCursor();
    bool cleared = ClearSlotOperation(host, kClearSlot, i + 1);
    EndWaitCursor();
    if (!cleared) return;
    contents[i] = String(str::kEmptySlot);
    EnableItem(kEmptySlotButton + i, false);
    ShowValues();
}

void CUploadPreparationDialog::ClearAll() {
    for (int i = 0; i < kSlotCount; ++i) {
        choices[i] = SlotListEntry{};
        fileNames[i].clear();
        SetSlotButtons(i, false, false);
    }
    ShowValues();
    UpdateOk();
}

void CUploadPreparationDialog::EditWelcomePage(int i) {
    CWelcomeEditorDialog editor(Context(), choices[i].path, this);
    editor.DoModal();
}

void CUploadPreparationDialog::TakeValues() {
    for (int i = 0; i < kSlotCount; ++i) choices[i].flag = IsChecked(kEnableBox + i) ? 1 : 0;
}

void CUploadPreparationDialog::ShowValues() {
    for (int i = 0; i < kSlotCount; ++i) {
        SetCheck(kEnableBox + i, choices[i].flag == 1);
        SetItemText(kContentText + i, contents[i]);
        SetItemText(kFileNameText + i, fileNames[i]);
    }
}

void CUploadPreparationDialog::UpdateOk() {
    bool any = false;
    for (const SlotListEntry& slot : choices) any = any || !slot.path.empty();
    EnableItem(kIdOk, any);
    EnableItem(kClearAllButton, any);
}

void CUploadPreparationDialog::OnOK() {
    TakeValues();
    if (!WriteUploadSlotList(choices)) {
        Message(kGroup, kSlotListNotWritten, str::kCannotWrite);
        return;
    }
    EndDialog(kIdOk);
}

} // namespace qbx

#include "gui/functiondata/upload_preparation_dialog.h"

#include "core/app_state.h"
#include "formats/folder_file.h"
#include "formats/function_data_image.h"
#include "gui/welcome/welcome_editor_dialog.h"
#include "operations/path_length_check.h"
#include "operations/slot_overview.h"
#include "operations/string_ids.h"
#include "operations/upload_preparation_messages.h"
#include "ui/dialog_host.h"

namespace qbx {
namespace {

using namespace upload_preparation;

constexpr int kWelcomeButton = 1125;
constexpr int kEmptySlotButton = 1132;
constexpr int kVerifyBox = 1950;
constexpr std::uint8_t kControllerDevice = 0x80;

} // namespace

CUploadPreparationDialog::CUploadPreparationDialog(CUiContext& context, QWidget* parent)
    : CSlotPreparationDialog(context, kUploadPreparationTemplate, kGroup, kSlotHeaderFailed, parent) {}

bool CUploadPreparationDialog::OnInitDialog() {
    for (int i = 0; i < kSlotCount; ++i) {
        OnCommand(kSlotEnableBox + i, [this, i] { SlotTicked(i); });
        OnCommand(kSlotBrowseButton + i, [this, i] { Browse(i); });
        OnCommand(kWelcomeButton + i, [this, i] { EditWelcomePage(i); });
        OnCommand(kEmptySlotButton + i, [this, i] { EmptySlot(i); });
    }
    OnCommand(kSlotClearAllButton, [this] { ClearAll(); });

    BeginWaitCursor();
    bool verifyBefore = false;
    if (ReadUploadSlotList(choices, FilesFolder(), &verifyBefore)) {
        SetCheck(kVerifyBox, verifyBefore);
        for (int i = 0; i < kSlotCount; ++i)
            CheckFile(i, false);
    } else {
        for (int i = 0; i < kSlotCount; ++i)
            SetSlotButtons(i, false, false);
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

bool CUploadPreparationDialog::LookAtBootloader() {
    SlotOverview overview;
    if (!ReadBootloaderSlots(overview)) return false;
    for (int i = 0; i < kSlotCount; ++i)
        EnableItem(kEmptySlotButton + i, overview.HoldsData(i + 1));
    return true;
}

void CUploadPreparationDialog::SetSlotButtons(int i, bool browse, bool welcome) {
    EnableItem(kSlotBrowseButton + i, browse);
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
        if (result == kDatCannotOpen)
            host.ShowMessage(kFileNotOpened, str::kCannotOpen);
        else
            host.ShowMessage(kFileNotValid, str::kNotValidForFunction);
    }
    fileNames[i].clear();
    choices[i].flag = 0;
    SetSlotButtons(i, false, false);
}

void CUploadPreparationDialog::Browse(int i) {
    QString folder = QString::fromStdString(ReadFolder(FolderLine::Upload, AppState().edition));
    const QString title = QString::fromStdString(
        FormatMessage(String(str::kChooseUploadFile).toStdString(), {static_cast<long long>(i + 1)}));
    QString chosen = Context().ui.ChooseOpenFile(this, title, folder, String(kFunctionDataFilter), "dat");
    if (!chosen.isEmpty() && !PathFitsField(chosen.toStdString())) {
        CDialogHost host(*this, kGroup);
        ReportOverlongPath(host, kPathTooLong, chosen.toStdString());
        choices[i] = SlotListEntry{};
        fileNames[i].clear();
        SetSlotButtons(i, false, false);
    } else if (!chosen.isEmpty()) {
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
    // One click must not lose what the device holds.
    if (!host.AskQuestion(kAskEmptySlot, str::kAskEmptySlot,
                          {static_cast<long long>(i + 1), contents[i].toStdString()}))
        return;
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

void CUploadPreparationDialog::UpdateOk() {
    bool any = AnyPath();
    EnableItem(kIdOk, any);
    EnableItem(kSlotClearAllButton, any);
}

void CUploadPreparationDialog::OnOK() {
    TakeValues();
    verify = IsChecked(kVerifyBox);
    if (!WriteUploadSlotList(choices, FilesFolder(), verify)) {
        Message(kGroup, kSlotListNotWritten, str::kCannotWrite);
        return;
    }
    EndDialog(kIdOk);
}

} // namespace qbx

#include "gui/settings/folders_dialog.h"

#include "core/app_state.h"
#include "core/edition.h"
#include "operations/path_length_check.h"
#include "ui/dialog_host.h"

namespace qbx {
namespace {

constexpr int kPathEdit = 1064; // + line index
constexpr int kOwnFolderBox = 1087;
constexpr int kBrowseButton = 1054;
constexpr int kOsFolderLabel = 1100;
constexpr int kOsFolderNote = 1099;
constexpr int kSettingsGroup = 5;
constexpr int kFolderTooLong = 37; // string 11910

static_assert(kFolderPathWidth == kMaxStoredPathBytes, "directory.ini keeps this many bytes of a folder");

FolderLine LineOf(int index) {
    return static_cast<FolderLine>(index + 1);
}

} // namespace

CFoldersDialog::CFoldersDialog(CUiContext& context, QWidget* parent)
    : CDialog(context, kFoldersTemplate, parent) {}

bool CFoldersDialog::OnInitDialog() {
    int edition = AppState().edition;
    SetItemText(kOsFolderLabel, String(edition == kCustomerEdition ? 11600 : 11602));
    SetItemText(kOsFolderNote, String(edition == kCustomerEdition ? 11601 : 11603));
    FolderPaths stored;
    bool read = ReadFolderFile(stored);
    for (int i = 0; i < kFolderLineCount; ++i) {
        own[i] = read && !stored[i].empty();
        paths[i] = own[i] ? stored[i] : DefaultFolder(LineOf(i), edition);
        saved[i].clear();
        OnCommand(kOwnFolderBox + i, [this, i] { OwnFolderToggled(i); });
        OnCommand(kBrowseButton + i, [this, i] { Browse(i); });
    }
    ShowValues();
    return true;
}

void CFoldersDialog::TakeValues() {
    for (int i = 0; i < kFolderLineCount; ++i) {
        paths[i] = ItemText(kPathEdit + i).toStdString();
        own[i] = IsChecked(kOwnFolderBox + i);
    }
}

void CFoldersDialog::ShowValues() {
    for (int i = 0; i < kFolderLineCount; ++i) {
        SetItemText(kPathEdit + i, QString::fromStdString(paths[i]));
        SetCheck(kOwnFolderBox + i, own[i]);
        // A default folder is shown, not edited: only an own folder is typed.
        EnableItem(kPathEdit + i, own[i]);
        EnableItem(kBrowseButton + i, own[i]);
    }
}

void CFoldersDialog::OwnFolderToggled(int i) {
    TakeValues();
    if (own[i]) {
        paths[i] = saved[i];
    } else {
        saved[i] = paths[i];
        paths[i] = DefaultFolder(LineOf(i), AppState().edition);
    }
    ShowValues();
}

void CFoldersDialog::Browse(int i) {
    // Starts from the path last shown; text typed since then is not taken over.
    std::string scratch = paths[i];
    QString chosen = Context().ui.ChooseFolder(this, kFolderChooserTitle, QString::fromStdString(scratch));
    paths[i] = chosen.isEmpty() || !FolderFits(i, chosen.toStdString()) ? scratch : chosen.toStdString();
    ShowValues();
}

bool CFoldersDialog::FolderFits(int i, const std::string& path) {
    if (PathFitsField(path)) return true;
    CDialogHost host(*this, kSettingsGroup);
    ReportOverlongPath(host, kFolderTooLong, path);
    SetFocusTo(kPathEdit + i);
    return false;
}

void CFoldersDialog::OnOK() {
    TakeValues();
    for (int i = 0; i < kFolderLineCount; ++i) {
        if (own[i] && !FolderFits(i, paths[i])) return; // the person shortens it or clears the box
    }
    for (int i = 0; i < kFolderLineCount; ++i) {
        if (!own[i]) paths[i].clear();
    }
    WriteFolderFile(paths); // a file that cannot be written is not reported
    EndDialog(kIdOk);
}

} // namespace qbx

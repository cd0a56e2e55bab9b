#include "gui/firmware/os_update_preparation_dialog.h"

#include "core/app_state.h"
#include "core/windows1252.h"
#include "formats/bgs_file.h"
#include "formats/folder_file.h"
#include "operations/os_update_preparation.h"
#include "operations/string_ids.h"
#include "operations/transfer_steps.h"
#include "ui/dialog_host.h"

#include <QLineEdit>
#include <filesystem>

namespace qbx {
namespace {

using namespace os_preparation;

constexpr int kStandardPageBox = 1083;
constexpr int kWelcomeGroup = 1098;
constexpr int kWelcomeTitle = 1074;
constexpr int kLineEdits[kWelcomeLineCount] = {1075, 1076, 1077, 1078};
constexpr int kChoosePageButton = 1079;
constexpr int kNewButton = 1080;
constexpr int kEditButton = 1081;
constexpr int kProgramTitle = 1082;
constexpr int kSaveButton = 1084;
constexpr int kCancelEditButton = 1085;
constexpr int kChooseProgramButton = 1086;

QString Title(const std::string& path) {
    return QString::fromStdString(transfer::PathTitle(path));
}

// The chooser of a new page appends ".bgs" to a name without extension.
std::string WithDefaultExtension(const std::string& path) {
    std::string name = std::filesystem::path(path).filename().string();
    return name.find('.') == std::string::npos ? path + "." + kBgsExtension : path;
}

} // namespace

COsUpdatePreparationDialog::COsUpdatePreparationDialog(CUiContext& context, QWidget* parent)
    : CDialog(context, kOsUpdatePreparationTemplate, parent), edition(AppState().edition) {}

bool COsUpdatePreparationDialog::OnInitDialog() {
    const bool oem = edition == kCustomerEdition;
    SetItemText(kStandardPageBox, String(oem ? kStringOemStandardPageBox : kStringStandardPageBox));
    SetItemText(kWelcomeGroup, String(oem ? kStringOemWelcomeGroup : kStringWelcomeGroup));
    for (int id : kLineEdits)
        if (auto* edit = ItemAs<QLineEdit>(id)) edit->setMaxLength(static_cast<int>(kWelcomeLineLength));
    OnCommand(kStandardPageBox, [this] { StandardPageToggled(); });
    OnCommand(kChoosePageButton, [this] { ChooseWelcomePage(); });
    OnCommand(kEditButton, [this] { EditPage(); });
    OnCommand(kNewButton, [this] { NewPage(); });
    OnCommand(kSaveButton, [this] { SavePage(); });
    OnCommand(kCancelEditButton, [this] { CancelEditing(); });
    OnCommand(kChooseProgramButton, [this] { ChooseProgramFile(); });

    ReadHandoverFile(paths); // the last choices; none without the file
    LoadPage();
    EndEditing();
    return true;
}

// The page of the chosen file, or the edition's standard page when there is
// none or it does not open.
void COsUpdatePreparationDialog::LoadPage() {
    WelcomeLines read{};
    if (IsNoWelcomePage(paths.welcomePage) || !LoadBgsFile(paths.welcomePage, read)) {
        UseStandardPage();
        return;
    }
    lines = read;
    standardPage = false;
    EnableItem(kChoosePageButton, true);
    EnableItem(kNewButton, true);
    EnableItem(kEditButton, true);
    ShowValues();
}

void COsUpdatePreparationDialog::UseStandardPage() {
    standardPage = true;
    paths.welcomePage.clear();
    lines = DefaultWelcomeLines(edition);
    for (int id : {kChoosePageButton, kEditButton, kSaveButton, kCancelEditButton, kNewButton})
        EnableItem(id, false);
    ShowValues();
}

void COsUpdatePreparationDialog::ShowValues() {
    SetCheck(kStandardPageBox, standardPage);
    SetItemText(kWelcomeTitle, Title(paths.welcomePage));
    SetItemText(kProgramTitle, Title(paths.programFile));
    SetItemToolTip(kWelcomeTitle, QString::fromStdString(paths.welcomePage));
    SetItemToolTip(kProgramTitle, QString::fromStdString(paths.programFile));
    for (std::size_t i = 0; i < kWelcomeLineCount; ++i)
        SetItemText(kLineEdits[i], QString::fromStdString(Windows1252ToUtf8(lines[i])));
}

void COsUpdatePreparationDialog::TakeValues() {
    standardPage = IsChecked(kStandardPageBox);
    if (!editing) return; // the lines show what the members hold
    for (std::size_t i = 0; i < kWelcomeLineCount; ++i)
        lines[i] = Utf8ToWindows1252(ItemText(kLineEdits[i]).left(kWelcomeLineLength).toStdString());
}

void COsUpdatePreparationDialog::StandardPageToggled() {
    TakeValues();
    if (standardPage) {
        // Ticking the box ends any editing: its page is not a file.
        editing = false;
        newPage = false;
        UseStandardPage();
        EndEditing();
        return;
    }
    EnableItem(kChoosePageButton, true);
    EnableItem(kNewButton, true);
    paths.welcomePage.clear();
    ShowValues();
}

// A name for the page: an existing file to open, or for a new page a name
// to save under. Empty when the person cancelled or the name was refused.
std::string COsUpdatePreparationDialog::ChoosePageName() {
    const QString folder = QString::fromStdString(ReadFolder(FolderLine::WelcomePages, edition));
    const QString filter = String(str::kWelcomePageFilter);
    CDialogHost host(*this, kGroup);
    if (!newPage) {
        std::string chosen =
            Context()
                .ui.ChooseOpenFile(this, String(str::kChooseWelcomePage), folder, filter, kBgsExtension)
                .toStdString();
        if (chosen.empty() || !CheckWelcomePageFile(host, chosen, kWrongWelcomeExtension)) return {};
        return chosen;
    }
    std::string chosen = Context()
                             .ui.ChooseSaveFile(this, String(str::kChooseWelcomePageTarget), folder, filter)
                             .toStdString();
    if (chosen.empty()) return {};
    chosen = WithDefaultExtension(chosen);
    if (!CheckWelcomePageFile(host, chosen, kWrongNewPageExtension)) return {};
    return chosen;
}

void COsUpdatePreparationDialog::ChooseWelcomePage() {
    TakeValues();
    std::string chosen = ChoosePageName();
    if (chosen.empty()) return;
    paths.welcomePage = chosen;
    if (newPage) {
        ShowValues();
        return;
    }
    LoadPage();
}

void COsUpdatePreparationDialog::BeginEditing(bool forNewPage) {
    TakeValues();
    backup = {paths.welcomePage, lines};
    editing = true;
    newPage = forNewPage;
    EnableItem(kSaveButton, true);
    EnableItem(kCancelEditButton, true);
    EnableItem(kIdOk, false);
    // A second Edit or New would take the edited lines as the backup.
    EnableItem(kEditButton, false);
    EnableItem(kNewButton, false);
    EnableItem(kChoosePageButton, forNewPage); // it names the new file
    for (int id : kLineEdits)
        if (auto* edit = ItemAs<QLineEdit>(id)) edit->setReadOnly(false);
}

// Back to choosing: lines read-only, the choice buttons and OK usable.
void COsUpdatePreparationDialog::EndEditing() {
    editing = false;
    newPage = false;
    for (int id : kLineEdits)
        if (auto* edit = ItemAs<QLineEdit>(id)) edit->setReadOnly(true);
    EnableItem(kSaveButton, false);
    EnableItem(kCancelEditButton, false);
    EnableItem(kIdOk, true);
    if (!standardPage) {
        EnableItem(kChoosePageButton, true);
        EnableItem(kNewButton, true);
        // Editing needs a file to write back to.
        EnableItem(kEditButton, !paths.welcomePage.empty());
    }
}

void COsUpdatePreparationDialog::EditPage() {
    BeginEditing(false);
}

void COsUpdatePreparationDialog::NewPage() {
    BeginEditing(true);
    paths.welcomePage.clear();
    ShowValues();
}

void COsUpdatePreparationDialog::CancelEditing() {
    paths.welcomePage = backup.welcomePage;
    lines = backup.lines;
    EndEditing();
    ShowValues();
}

void COsUpdatePreparationDialog::SavePage() {
    TakeValues();
    if (paths.welcomePage.empty()) {
        paths.welcomePage = ChoosePageName();
        if (paths.welcomePage.empty()) return;
        ShowValues();
    }
    std::error_code error;
    if (newPage && std::filesystem::exists(paths.welcomePage, error) &&
        Message(kGroup, kAskOverwritePage, kStringAskOverwritePage, {paths.welcomePage},
                MessageKind::Caution) != MessageAnswer::Yes) {
        paths.welcomePage.clear();
        ShowValues();
        return;
    }
    if (!SaveBgsFile(paths.welcomePage, lines)) {
        // Still editing, so that the page can go under another name.
        Message(kGroup, kPageNotSaved, str::kCannotWrite);
        return;
    }
    EndEditing();
    ShowValues();
}

void COsUpdatePreparationDialog::ChooseProgramFile() {
    TakeValues();
    const QString folder = QString::fromStdString(ReadFolder(FolderLine::OperatingSystem, edition));
    std::string chosen = Context()
                             .ui
                             .ChooseOpenFile(this, String(str::kChooseProgramFile), folder,
                                             String(kStringProgramFilter), "prg")
                             .toStdString();
    if (chosen.empty()) return;
    CDialogHost host(*this, kGroup);
    if (!CheckProgramFile(host, chosen, edition)) return;
    paths.programFile = chosen;
    ShowValues();
}

void COsUpdatePreparationDialog::OnOK() {
    if (editing) return; // OK is disabled while a page is edited
    TakeValues();
    if (paths.welcomePage.empty() && !standardPage) {
        Message(kGroup, kNoWelcomePageChosen, kStringNoWelcomePage);
        return;
    }
    if (paths.programFile.empty()) {
        Message(kGroup, kNoProgramFileChosen, kStringNoProgramFile);
        return;
    }
    OsUpdateHandover handover = paths;
    if (standardPage) handover.welcomePage = StandardPagePath(edition);
    CDialogHost host(*this, kGroup);
    if (!CheckWelcomePageOpens(host, handover)) return;
    // A file that was not replaced would hand an earlier choice to the
    // transfer, so the dialog stays open.
    if (!WriteHandover(host, handover)) return;
    EndDialog(kIdOk);
}

} // namespace qbx

#include "gui/welcome/welcome_editor_dialog.h"

#include "core/app_state.h"
#include "core/device_charset.h"
#include "core/windows1252.h"
#include "formats/bgs_file.h"
#include "formats/folder_file.h"
#include "operations/string_ids.h"

#include <QComboBox>
#include <QLineEdit>

namespace qbx {
namespace {

constexpr int kOwnPageBox = 1223;
constexpr int kLineEdits[kWelcomeLineCount] = {1075, 1225, 1226, 1227};
constexpr int kValueLists[4] = {1141, 1140, 1139, 1138}; // A, B, C, D
constexpr int kLoadButton = 1228;
constexpr int kSaveButton = 1229;
constexpr int kValueCount = 16;
constexpr int kFilePath = 1961;
constexpr int kNotShownNote = 1962;

// The characters of `text` that the device shows as a blank, each once.
QString CharactersShownAsBlanks(const QString& text) {
    QString found;
    for (const QChar c : text) {
        const std::string pc = Utf8ToWindows1252(QString(c).toStdString(), '\x01');
        const bool blank =
            pc.size() != 1 || (pc[0] != ' ' && ToDeviceChar(static_cast<std::uint8_t>(pc[0])) == ' ');
        if (blank && !found.contains(c)) found += c;
    }
    return found;
}

// Message numbers of the editor.
constexpr int kNotFunctionData = 1;    // 11027
constexpr int kFileNotUsable = 2;      // 11044 with the path
constexpr int kFileNotSaved = 3;       // 11032
constexpr int kPageFileNotOpened = 4;  // 11031
constexpr int kPageFileNotWritten = 5; // 11032
// Function data of another device, too small to hold a welcome page.
constexpr int kNoWelcomeArea = 6; // 11051

} // namespace

CWelcomeEditorDialog::CWelcomeEditorDialog(CUiContext& context, std::string path, QWidget* parent)
    : CDialog(context, kWelcomeEditorTemplate, parent), path(std::move(path)) {}

bool CWelcomeEditorDialog::OnInitDialog() {
    int result = model.Open(path, AppState().edition);
    if (result != kDatLoaded) {
        if (result == kDatNoMagic)
            Message(kWelcomeGroup, kNotFunctionData, str::kNotFunctionData);
        else if (result == kWelcomeImageTooSmall)
            Message(kWelcomeGroup, kNoWelcomeArea, str::kNotValidForFunction);
        else
            Message(kWelcomeGroup, kFileNotUsable, str::kFileNotUsable, {path});
        EndDialog(kIdCancel);
        return true;
    }
    for (int id : kLineEdits) {
        auto* edit = ItemAs<QLineEdit>(id);
        if (!edit) continue;
        edit->setMaxLength(static_cast<int>(kWelcomeLineLength));
        connect(edit, &QLineEdit::textChanged, this, [this] { LinesEdited(); });
    }
    for (int id : kValueLists) {
        auto* list = ItemAs<QComboBox>(id);
        if (!list) continue;
        if (list->count() == 0) {
            for (int value = 0; value < kValueCount; ++value)
                list->addItem(QString::number(value));
        }
        connect(list, QOverload<int>::of(&QComboBox::activated), this, [this] { ValuesChosen(); });
    }
    // Titles alike can stand for files of different program folders.
    SetItemText(kFilePath,
                QString::fromStdString(FormatMessage(String(str::kEditedFile).toStdString(), {path})));
    OnCommand(kOwnPageBox, [this] { OwnPageToggled(); });
    OnCommand(kLoadButton, [this] { LoadPageFile(); });
    OnCommand(kSaveButton, [this] { SavePageFile(); });
    ShowValues();
    return true;
}

void CWelcomeEditorDialog::ShowValues() {
    showing = true;
    const WelcomePage& page = model.page;
    for (int i = 0; i < 4; ++i) {
        if (auto* list = ItemAs<QComboBox>(kValueLists[i])) list->setCurrentIndex(page.values[i]);
    }
    SetCheck(kOwnPageBox, page.ownPage);
    for (size_t i = 0; i < kWelcomeLineCount; ++i) {
        SetItemText(kLineEdits[i],
                    page.ownPage ? QString::fromStdString(Windows1252ToUtf8(page.lines[i])) : QString());
        EnableItem(kLineEdits[i], page.ownPage);
    }
    EnableItem(kLoadButton, page.ownPage);
    EnableItem(kSaveButton, page.ownPage);
    ShowCharactersNotShown();
    showing = false;
}

void CWelcomeEditorDialog::LinesEdited() {
    ShowCharactersNotShown();
    if (showing) return;
    for (size_t i = 0; i < kWelcomeLineCount; ++i) {
        model.page.lines[i] =
            Utf8ToWindows1252(ItemText(kLineEdits[i]).left(kWelcomeLineLength).toStdString());
    }
}

// "ß" became a blank on the device without a word; the note says so while it is typed.
void CWelcomeEditorDialog::ShowCharactersNotShown() {
    QString typed;
    for (int id : kLineEdits)
        typed += ItemText(id);
    const QString blanks = CharactersShownAsBlanks(typed);
    QWidget* note = Item(kNotShownNote);
    if (!note) return;
    SetItemText(kNotShownNote,
                blanks.isEmpty()
                    ? QString()
                    : QString::fromStdString(FormatMessage(String(str::kNotShownByDevice).toStdString(),
                                                           {blanks.toStdString()})));
    note->setVisible(!blanks.isEmpty());
}

void CWelcomeEditorDialog::ValuesChosen() {
    for (int i = 0; i < 4; ++i) {
        if (auto* list = ItemAs<QComboBox>(kValueLists[i]))
            model.page.values[i] = std::max(0, list->currentIndex());
    }
}

void CWelcomeEditorDialog::OwnPageToggled() {
    model.page.ownPage = IsChecked(kOwnPageBox);
    ShowValues();
}

QString CWelcomeEditorDialog::ChooserFolder() const {
    return QString::fromStdString(ReadFolder(FolderLine::WelcomePages, AppState().edition));
}

void CWelcomeEditorDialog::LoadPageFile() {
    QString chosen = Context().ui.ChooseOpenFile(this, String(str::kChooseWelcomePage), ChooserFolder(),
                                                 String(str::kWelcomePageFilter));
    if (chosen.isEmpty()) return;
    if (!LoadBgsFile(WithBgsExtension(chosen.toStdString()), model.page.lines)) {
        Message(kWelcomeGroup, kPageFileNotOpened, str::kCannotOpen);
        return;
    }
    ShowValues();
}

void CWelcomeEditorDialog::SavePageFile() {
    QString chosen = Context().ui.ChooseSaveFile(this, String(str::kChooseWelcomePageTarget), ChooserFolder(),
                                                 String(str::kWelcomePageFilter));
    if (chosen.isEmpty()) return;
    if (!SaveBgsFile(WithBgsExtension(chosen.toStdString()), model.page.lines)) {
        Message(kWelcomeGroup, kPageFileNotWritten, str::kCannotWrite);
    }
}

void CWelcomeEditorDialog::OnOK() {
    ValuesChosen();
    if (!model.Save()) {
        Message(kWelcomeGroup, kFileNotSaved, str::kCannotWrite);
        return;
    }
    EndDialog(kIdOk);
}

} // namespace qbx

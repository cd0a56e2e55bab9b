#include "gui/language_dialog.h"

#include "core/app_state.h"
#include "core/settings_store.h"
#include "gui/startup_messages.h"
#include "platform/program_folder.h"

namespace qbx {
namespace {

constexpr int kLanguageChanged = 1;
constexpr int kLanguageNotSaved = 2;
constexpr int kLanguageNotSavedText = 11901; // with the settings file's path

} // namespace

CLanguageDialog::CLanguageDialog(CUiContext& context, QWidget* parent)
    : CDialog(context, kLanguageTemplate, parent) {}

bool CLanguageDialog::OnInitDialog() {
    SetRadioIndex(kLanguageGroup, AppState().selectedLanguage);
    return true;
}

void CLanguageDialog::OnOK() {
    int chosen = RadioIndex(kLanguageGroup);
    CAppState& state = AppState();
    if (chosen < 0 || chosen == state.selectedLanguage) {
        EndDialog(kIdOk);
        return;
    }
    CSettings settings;
    settings.Load();
    settings.language = static_cast<std::uint8_t>(chosen);
    if (!settings.Save()) {
        // Nothing changes at the next start: say so in the language of now,
        // and stay open for another try or Cancel.
        Message(kLanguageGroupNumber, kLanguageNotSaved, kLanguageNotSavedText,
                {FilesFolder() + "/" + kSettingsFileName});
        return;
    }
    state.selectedLanguage = chosen;
    // The running module speaks the old language; this one is built in.
    MessageText(kLanguageGroupNumber, kLanguageChanged, QString::fromStdString(LanguageChangedText(chosen)),
                MessageKind::Information);
    EndDialog(kIdOk);
}

} // namespace qbx

#include "app/language_dialog.h"

#include "app/app_state.h"
#include "app/settings_store.h"
#include "app/startup_messages.h"

namespace qbx {

CLanguageDialog::CLanguageDialog(CUiContext& context, QWidget* parent) : CDialog(context, kLanguageTemplate, parent) {}

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
    state.selectedLanguage = chosen;
    CSettings settings;
    settings.Load();
    settings.language = static_cast<std::uint8_t>(chosen);
    settings.Save();
    // The running module speaks the old language; this one is built in.
    MessageText(kLanguageGroupNumber, 1, QString::fromStdString(LanguageChangedText(chosen)));
    EndDialog(kIdOk);
}

} // namespace qbx

#pragma once
#include "formats/handover_file.h"
#include "formats/welcome_page.h"
#include "ui/dialog.h"

#include <string>

namespace qbx {

constexpr int kOsUpdatePreparationTemplate = 160;

// Chooses the program file and the welcome page of an OS update, and edits
// welcome-page files on the way. OK hands both over in config_bs_5130.ini,
// which the transfer dialog reads.
class COsUpdatePreparationDialog : public CDialog {
  public:
    COsUpdatePreparationDialog(CUiContext& context, QWidget* parent = nullptr);

    bool IsEditing() const { return editing; }
    bool IsNewPage() const { return newPage; }
    const WelcomeLines& Lines() const { return lines; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    void ShowValues();
    void TakeValues();
    void UseStandardPage();
    void LoadPage();
    void StandardPageToggled();
    void ChooseWelcomePage();
    std::string ChoosePageName();
    void EditPage();
    void NewPage();
    void CancelEditing();
    void SavePage();
    void ChooseProgramFile();
    void BeginEditing(bool forNewPage);
    void EndEditing();

    int edition;
    OsUpdateHandover paths;
    WelcomeLines lines;
    bool standardPage = false;
    bool newPage = false;
    bool editing = false;
    struct Backup {
        std::string welcomePage;
        WelcomeLines lines;
    } backup;
};

} // namespace qbx

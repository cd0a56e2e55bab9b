#pragma once
#include "formats/welcome_editor_model.h"
#include "ui/dialog.h"

namespace qbx {

constexpr int kWelcomeEditorTemplate = 253;
constexpr int kWelcomeGroup = 10;

// Edits the welcome page inside a function-data file: the four lines, the
// own-page switch and the four values; loads and saves ".bgs" files. OK
// writes the file back.
class CWelcomeEditorDialog : public CDialog {
  public:
    CWelcomeEditorDialog(CUiContext& context, std::string path, QWidget* parent = nullptr);

    const WelcomePage& Page() const { return model.page; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    void ShowValues();
    void LinesEdited();
    void ValuesChosen();
    void OwnPageToggled();
    void LoadPageFile();
    void SavePageFile();
    QString ChooserFolder() const;

    std::string path;
    CWelcomeEditorModel model;
    void ShowCharactersNotShown();
    bool showing = false; // the edits change under our own hand, not the user's
};

} // namespace qbx

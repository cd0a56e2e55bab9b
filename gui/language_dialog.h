#pragma once
#include "ui/dialog.h"

namespace qbx {

constexpr int kLanguageTemplate = 163;
constexpr int kLanguageGroup = 1108;
constexpr int kLanguageGroupNumber = 9;

// Picks the language for the next start (German, English, Italian).
class CLanguageDialog : public CDialog {
  public:
    CLanguageDialog(CUiContext& context, QWidget* parent = nullptr);

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
};

} // namespace qbx

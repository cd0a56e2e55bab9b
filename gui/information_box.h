#pragma once
#include "ui/dialog.h"

namespace qbx {

constexpr int kInformationTemplate = 148;
constexpr int kInformationText = 1101;

// The edition's information text.
class CInformationBox : public CDialog {
  public:
    CInformationBox(CUiContext& context, QWidget* parent = nullptr);

  protected:
    bool OnInitDialog() override;
};

} // namespace qbx

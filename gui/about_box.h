#pragma once
#include "ui/dialog.h"

namespace qbx {

constexpr int kAboutTemplate = 100;
constexpr int kAboutProductLine = 1018;
constexpr int kAboutHomePageLink = 1022;

// Product line and a link to the edition's home page.
class CAboutBox : public CDialog {
  public:
    CAboutBox(CUiContext& context, QWidget* parent = nullptr);

  protected:
    bool OnInitDialog() override;
};

} // namespace qbx

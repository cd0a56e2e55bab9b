#pragma once
#include <QString>

class QWidget;

namespace qbx {

class CDialog;

// A dialog that talks to the device while it opens shows at once, with a
// status line and a moving busy bar under its controls (which wait,
// disabled), instead of appearing only once the device has answered. The
// link's waits keep it painting. Destroying the view takes both away again.
class CConnectingView {
  public:
    CConnectingView(CDialog& dialog, const QString& status);
    ~CConnectingView();
    CConnectingView(const CConnectingView&) = delete;
    CConnectingView& operator=(const CConnectingView&) = delete;

  private:
    CDialog& dialog;
    QWidget* panel;
    bool contentWasEnabled;
};

} // namespace qbx

#pragma once
#include "link/link_timing.h"
#include "operations/tcp_status.h"
#include "ui/dialog.h"

#include <QString>

namespace qbx {

constexpr int kTcpStatusTemplate = 167;

// Shows, as it opens, what answers at the address typed in the settings
// dialog; to check again the person closes it and asks again.
class CTcpStatusDialog : public CDialog {
  public:
    CTcpStatusDialog(CUiContext& context, QString ipText, unsigned port, QWidget* parent = nullptr,
                     TcpTiming timing = {});

    const TcpStatus& Status() const { return status; }

  protected:
    bool OnInitDialog() override;
    void OnTimer(int id) override;
    void OnCancel() override;

  private:
    void Show(int id, const QString& text);

    QString ipText;
    unsigned port;
    TcpTiming timing;
    TcpStatus status;
    bool checking = false;
};

} // namespace qbx

#pragma once
#include "operations/port_scan.h"
#include "ui/dialog.h"

namespace qbx {

constexpr int kPortScanTemplate = 144;
constexpr int kScanTimer = 101;

// Looks for a bootloader on COM1 to COM6 as it opens. OK takes the highest
// port on which one answered (the dialog's result is that port number, 0
// when closed without one) or, when none did, searches again.
class CPortScanDialog : public CDialog {
  public:
    CPortScanDialog(CUiContext& context, QWidget* parent = nullptr, PortScanOptions options = {});

    // The port OK took, 0 when the dialog was closed without one.
    int Port() const { return port; }
    const PortScanRows& Rows() const { return rows; }
    bool RescanPending() const { return rescan; }

  protected:
    bool OnInitDialog() override;
    void OnTimer(int id) override;
    void OnOK() override;
    void OnCancel() override;

  private:
    friend class CDialogScanView;
    void RunScan();
    void StartScan();
    void ClearRow(int portNumber);
    void ShowRow(int portNumber, const PortScanRow& row);
    void Show(int id, const QString& text);

    PortScanOptions options;
    PortScanRows rows;
    bool rescan = true;
    bool scanning = false;
    int port = 0;
};

} // namespace qbx

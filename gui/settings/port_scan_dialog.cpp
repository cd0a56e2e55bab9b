#include "gui/settings/port_scan_dialog.h"

#include "gui/settings/scan_dialog_texts.h"
#include "link/serial_transport.h"
#include "operations/scan_strings.h"
#include "ui/dialog_host.h"

#include <QApplication>

namespace qbx {
namespace {

constexpr int kCloseButton = kIdCancel;
constexpr int kProgressHint = 1102;
constexpr int kResultHint = 1103;
constexpr int kTimerPeriod = 100;

struct RowControls {
    int label, type, version, status;
};
constexpr RowControls kRows[kScanPortCount] = {
    {1011, 1118, 1122, 1025}, {1012, 1119, 1123, 1026}, {1013, 1120, 1124, 1027},
    {1014, 1121, 1125, 1028}, {1015, 1126, 1127, 1029}, {1016, 1128, 1129, 1030},
};

// Repaints the dialog and the main window behind it while the link blocks.
class CScanHost : public CDialogHost {
  public:
    using CDialogHost::CDialogHost;
    void PumpEvents() override {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible()) window->repaint();
        CDialog::PumpMessages();
    }
};

} // namespace

class CDialogScanView : public CPortScanView {
  public:
    explicit CDialogScanView(CPortScanDialog& dialog) : dialog(dialog) {}
    void PortStarted(int portNumber) override { dialog.ClearRow(portNumber); }
    void PortFinished(int portNumber, const PortScanRow& row) override { dialog.ShowRow(portNumber, row); }

  private:
    CPortScanDialog& dialog;
};

CPortScanDialog::CPortScanDialog(CUiContext& context, QWidget* parent, PortScanOptions options)
    : CDialog(context, kPortScanTemplate, parent), options(std::move(options)) {}

bool CPortScanDialog::OnInitDialog() {
    LoadEditionLabels(*this, {1092, 1095, 1096, 1093, 1094}, str::kScanLabelsEdition1,
                      str::kScanLabelsEdition2);
    // The window takes its size now; what the scan writes later must fit.
    ReserveCaptionWidth(*this, kIdOk, {String(str::kScanUsePort), String(str::kScanAgain)});
    ReserveTextRoom(*this, kProgressHint, {String(str::kScanRunning), String(str::kScanFinished)});
    ReserveTextRoom(*this, kResultHint, {String(str::kScanFound), String(str::kScanNothingFound)});
    for (const RowControls& row : kRows) {
        ReserveTextWidth(row.version, {String(str::kScanTesting), QString(kNoDeviceText)});
        ReserveTextWidth(row.type, {QString(kNoDeviceText)});
        ReserveTextWidth(row.status,
                         {QString(kStatusUpdateState), QString(kStatusDenied), QString("E.N.: 99999")});
    }
    StartTimer(kScanTimer, kTimerPeriod);
    return true;
}

void CPortScanDialog::OnTimer(int id) {
    if (id != kScanTimer || scanning) return;
    KillTimer(kScanTimer);
    RunScan();
}

void CPortScanDialog::Show(int id, const QString& text) {
    SetItemText(id, text);
    FitItem(id);
}

void CPortScanDialog::StartScan() {
    rescan = true;
    Show(kIdOk, String(str::kScanUsePort));
    EnableItem(kIdOk, false);
    EnableItem(kCloseButton, false);
    Show(kProgressHint, String(str::kScanRunning));
    Show(kResultHint, {});
    for (const RowControls& row : kRows) {
        for (int id : {row.label, row.type, row.version, row.status}) {
            EnableItem(id, true);
            SetItemToolTip(id, {});
        }
        for (int id : {row.type, row.version, row.status})
            SetItemText(id, {});
    }
    BeginWaitCursor();
}

void CPortScanDialog::RunScan() {
    scanning = true;
    StartScan();
    {
        CScanHost host(*this, 0);
        CDialogScanView view(*this);
        rows = ScanPorts(host, view, options);
    }
    Show(kProgressHint, String(str::kScanFinished));
    EnableItem(kCloseButton, true);
    if (ChosenPort(rows) == 0) {
        Show(kResultHint, String(str::kScanNothingFound));
        Show(kIdOk, String(str::kScanAgain));
        EnableItem(kIdOk, true);
        SetFocusTo(kCloseButton);
    } else {
        Show(kResultHint, String(str::kScanFound));
        EnableItem(kIdOk, true);
        SetFocusTo(kIdOk);
        rescan = false;
    }
    EndWaitCursor();
    scanning = false;
}

void CPortScanDialog::ClearRow(int portNumber) {
    const RowControls& row = kRows[portNumber - 1];
    SetItemText(row.type, {});
    SetItemText(row.status, {});
    Show(row.version, String(str::kScanTesting));
}

void CPortScanDialog::ShowRow(int portNumber, const PortScanRow& row) {
    const RowControls& controls = kRows[portNumber - 1];
    SetItemText(controls.type, QString::fromStdString(row.texts.type));
    SetItemText(controls.version, QString::fromStdString(row.texts.version));
    Show(controls.status, QString::fromStdString(row.texts.status));
    QString diagnosis = QString::fromStdString(row.diagnosis);
    for (int id : {controls.label, controls.type, controls.version, controls.status}) {
        SetItemToolTip(id, diagnosis);
        if (!row.found && row.state == kPortMissing) EnableItem(id, false);
    }
}

void CPortScanDialog::OnOK() {
    if (scanning) return;
    if (rescan) {
        StartTimer(kScanTimer, kTimerPeriod);
        return;
    }
    port = ChosenPort(rows);
    EndDialog(port);
}

void CPortScanDialog::OnCancel() {
    // Neither the close button nor the close box interrupts a scan.
    if (scanning) return;
    port = 0;
    EndDialog(0);
}

} // namespace qbx

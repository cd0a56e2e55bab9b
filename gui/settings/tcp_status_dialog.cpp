#include "gui/settings/tcp_status_dialog.h"

#include "gui/settings/port_scan_dialog.h"
#include "gui/settings/scan_dialog_texts.h"
#include "operations/scan_strings.h"

namespace qbx {
namespace {

constexpr int kCloseButton = kIdCancel;
constexpr int kTypeField = 1120;
constexpr int kVersionField = 1117;
constexpr int kStatusField = 1119;
constexpr int kProgressHint = 1102;
constexpr int kResultHint = 1103;
constexpr int kTimerPeriod = 100;

} // namespace

CTcpStatusDialog::CTcpStatusDialog(CUiContext& context, QString ipText, unsigned port, QWidget* parent,
                                   TcpTiming timing)
    : CDialog(context, kTcpStatusTemplate, parent), ipText(std::move(ipText)), port(port), timing(timing) {}

bool CTcpStatusDialog::OnInitDialog() {
    // The first label of each edition's block belongs to the scan alone.
    LoadEditionLabels(*this, {1095, 1096, 1093, 1094}, str::kScanLabelsEdition1 + 1,
                      str::kScanLabelsEdition2 + 1);
    ReserveTextRoom(*this, kProgressHint, {String(str::kScanRunning), String(str::kScanFinished)});
    ReserveTextRoom(*this, kResultHint, {String(str::kScanFound), String(str::kScanNothingFound)});
    ReserveTextWidth(kVersionField, {String(str::kScanTesting), QString(kNoDeviceText)});
    ReserveTextWidth(kTypeField, {QString(kNoDeviceText)});
    ReserveTextWidth(kStatusField,
                     {QString(kStatusUpdateState), QString(kStatusDenied), QString("E.N.: 99999")});
    StartTimer(kScanTimer, kTimerPeriod);
    return true;
}

void CTcpStatusDialog::Show(int id, const QString& text) {
    SetItemText(id, text);
    FitItem(id);
}

void CTcpStatusDialog::OnTimer(int id) {
    if (id != kScanTimer || checking) return;
    KillTimer(kScanTimer);
    checking = true;
    EnableItem(kCloseButton, false);
    Show(kProgressHint, String(str::kScanRunning));
    Show(kResultHint, {});
    Show(kTypeField, {});
    Show(kStatusField, {});
    Show(kVersionField, String(str::kScanTesting));
    BeginWaitCursor();
    repaint();
    PumpMessages();

    status = CheckTcpStatus(ipText.toStdString(), port, timing, [] { PumpWhileWaiting(); });

    Show(kTypeField, QString::fromStdString(status.texts.type));
    Show(kVersionField, QString::fromStdString(status.texts.version));
    Show(kStatusField, QString::fromStdString(status.texts.status));
    Show(kResultHint, String(status.found ? str::kScanFound : str::kScanNothingFound));
    Show(kProgressHint, String(str::kScanFinished));
    EnableItem(kCloseButton, true);
    SetFocusTo(kCloseButton);
    EndWaitCursor();
    checking = false;
}

void CTcpStatusDialog::OnCancel() {
    if (checking) return;
    EndDialog(kIdCancel);
}

} // namespace qbx

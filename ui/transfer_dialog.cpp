#include "ui/transfer_dialog.h"

#include "formats/slot_list.h"
#include "operations/download_transfer.h"
#include "operations/string_ids.h"
#include "operations/transfer_steps.h"
#include "operations/upload_transfer.h"
#include "platform/monotonic_clock.h"
#include "ui/dialog_host.h"

#include <QStringList>

namespace qbx {
namespace {

constexpr int kCloseButton = kIdCancel;
constexpr int kProgressBar = 1007;
constexpr int kStatusText = 1008;
constexpr int kProgressText = 1009;
constexpr int kFileText = 1023;
constexpr int kSlotNumber = 1073;
constexpr int kSlotReports = 1960;
constexpr const char* kSlotLabel = "labelSlot";
constexpr int kTimerPeriod = 100;
constexpr int kUploadGroup = 2;
constexpr int kDownloadGroup = 1;

// The transfer's displays are the dialog's controls. Each change is laid out
// and painted at once: the interface thread is busy with the link between
// blocks.
class CTransferHost : public CDialogHost {
  public:
    // A wait `stalledAfterMs` long without progress turns the bar into a
    // moving busy bar until the next block comes.
    CTransferHost(CDialog& dialog, int group, int stalledAfterMs, std::vector<SlotReport>& reports)
        : CDialogHost(dialog, group), stalledAfterMs(stalledAfterMs), reports(reports) {}

    void SetStatusString(int stringId) override { Show(kStatusText, dialog.String(stringId)); }
    void SetProgressRange(std::uint32_t low, std::uint32_t high) override {
        rangeLow = static_cast<int>(low);
        rangeHigh = static_cast<int>(high);
        hasRange = true;
        busy = false;
        lastProgressMs = MonotonicMilliseconds();
        dialog.SetProgressRange(kProgressBar, rangeLow, rangeHigh);
    }
    void SetProgressPosition(std::uint32_t position) override {
        if (busy) dialog.SetProgressRange(kProgressBar, rangeLow, rangeHigh);
        busy = false;
        lastProgressMs = MonotonicMilliseconds();
        dialog.SetProgressPos(kProgressBar, static_cast<int>(position));
    }
    WaitHook LinkWaitHook() override {
        return [this] {
            if (hasRange && !busy && MonotonicMilliseconds() - lastProgressMs >= stalledAfterMs) {
                busy = true;
                dialog.SetProgressRange(kProgressBar, 0, 0);
            }
            CDialog::PumpWhileWaiting();
        };
    }
    void SetProgressText(const std::string& text) override {
        Show(kProgressText, QString::fromStdString(text));
    }
    void SetFileText(const std::string& text) override { Show(kFileText, QString::fromStdString(text)); }
    void SetFilePath(const std::string& path) override {
        dialog.SetItemToolTip(kFileText, QString::fromStdString(path));
    }
    void SetSlotNumber(const std::string& text) override { Show(kSlotNumber, QString::fromStdString(text)); }
    void SetSlotOutcome(int slot, const std::string& path, SlotOutcome outcome) override {
        reports.push_back({slot, path, outcome});
    }
    void SetWaitCursor(bool on) override {
        if (on && !waiting) dialog.BeginWaitCursor();
        if (!on && waiting) dialog.EndWaitCursor();
        waiting = on;
    }
    ~CTransferHost() override { SetWaitCursor(false); }

  private:
    void Show(int id, const QString& text) {
        dialog.SetItemText(id, text);
        if (dialog.FitItem(id))
            dialog.repaint(); // the other controls moved too
        else if (QWidget* item = dialog.Item(id))
            item->repaint();
    }
    bool waiting = false;
    int stalledAfterMs;
    // The bar's own range, kept while it shows the busy bar.
    int rangeLow = 0;
    int rangeHigh = 0;
    bool hasRange = false;
    bool busy = false;
    std::int64_t lastProgressMs = 0;
    std::vector<SlotReport>& reports;
};

QString FileName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return QString::fromStdString(slash == std::string::npos ? path : path.substr(slash + 1));
}

} // namespace

CTransferDialog::CTransferDialog(CUiContext& context, int templateId, int group, TransferTexts texts,
                                 QWidget* parent)
    : CDialog(context, templateId, parent), group(group), texts(std::move(texts)) {}

bool CTransferDialog::OnInitDialog() {
    EnableItem(kCloseButton, false);
    if (QWidget* list = Item(kSlotReports)) list->hide();
    MakeRoomForTexts();
    // Busy until the run knows its size; the window shows at once what it
    // is doing while the link still connects.
    SetProgressRange(kProgressBar, 0, 0);
    if (!texts.statusIds.empty()) SetItemText(kStatusText, String(texts.statusIds.front()));
    StartTimer(kTransferTimer, kTimerPeriod);
    return true;
}

// The window takes its size when it opens, with its texts still empty; the
// run's texts must fit into that.
void CTransferDialog::MakeRoomForTexts() {
    std::vector<QString> statuses;
    for (int id : texts.statusIds)
        statuses.push_back(String(id));
    ReserveTextWidth(kStatusText, statuses);

    std::vector<QString> progress; // which hexadecimal digit is widest depends on the font
    for (char digit : std::string("0123456789ABCDEF")) {
        std::string digits(static_cast<std::size_t>(texts.progressDigits), digit);
        progress.push_back(QString::fromStdString(digits + " / " + digits));
    }
    ReserveTextWidth(kProgressText, progress);
    ReserveTextWidth(kSlotNumber, {QString::fromStdString(transfer::SlotNumberText(kSlotCount))});
    ReserveTextWidth(kFileText, FileTexts());
}

std::vector<QString> CTransferDialog::FileTexts() {
    std::vector<QString> files;
    SlotList slots;
    if (!texts.slotListName) return files;
    ReadSlotList(texts.slotListName, slots);
    const std::string label = String(texts.fileStringId).toStdString();
    for (const SlotListEntry& slot : slots)
        files.push_back(QString::fromStdString(SlotFileText(label, slot.path)));
    return files;
}

bool CTransferDialog::RunStep(const std::function<bool(COperationHost&)>& step) {
    CTransferHost host(*this, group, stalledAfterMs, reports);
    return step(host);
}

void CTransferDialog::OnTimer(int id) {
    if (id != kTransferTimer || running) return;
    KillTimer(kTransferTimer);
    running = true;
    {
        CTransferHost host(*this, group, stalledAfterMs, reports);
        runResult = Run(host);
    }
    running = false;
    if (ClosesAfter(runResult) && !AnySlotWentThrough()) {
        EndDialog(kIdCancel);
        return;
    }
    ShowSlotReports();
    EnableItem(kCloseButton, true);
    SetFocusTo(kCloseButton);
}

bool CTransferDialog::AnySlotWentThrough() const {
    for (const SlotReport& report : reports)
        if (report.outcome == SlotOutcome::Transferred || report.outcome == SlotOutcome::Verified)
            return true;
    return false;
}

// The list takes the place of the last slot's row, which named only that
// one (or an unticked slot after it); the full paths are its tooltip.
void CTransferDialog::ShowSlotReports() {
    QWidget* list = Item(kSlotReports);
    if (reports.empty() || !list) return;
    QStringList lines, paths;
    for (const SlotReport& report : reports) {
        int line = str::kSlotFailed;
        if (report.outcome == SlotOutcome::Transferred) line = texts.slotDoneString;
        if (report.outcome == SlotOutcome::Verified) line = str::kSlotWrittenAndChecked;
        if (report.outcome == SlotOutcome::NotTried) line = str::kSlotNotTried;
        const std::vector<MessageArg> args = {static_cast<long long>(report.slot),
                                              FileName(report.path).toStdString()};
        lines << QString::fromStdString(FormatMessage(String(line).toStdString(), args));
        paths << QString::fromStdString(
            FormatMessage(String(line).toStdString(), {static_cast<long long>(report.slot), report.path}));
    }
    if (runResult != TransferRunResult::Finished)
        SetItemText(kStatusText, String(str::kStatusStoppedAfterError));
    for (QWidget* row : {Item(kSlotNumber), Item(kFileText), findChild<QWidget*>(kSlotLabel)})
        if (row) row->hide();
    SetItemText(kSlotReports, lines.join('\n'));
    SetItemToolTip(kSlotReports, paths.join('\n'));
    list->show();
    FitItem(kSlotReports);
}

void CTransferDialog::OnCancel() {
    // Neither the close button nor the window's close box ends a running transfer.
    if (running || !IsItemEnabled(kCloseButton)) return;
    EndDialog(kIdCancel);
}

CUploadTransferDialog::CUploadTransferDialog(CUiContext& context, QWidget* parent)
    : CTransferDialog(context, kUploadTransferTemplate, kUploadGroup,
                      {kUploadSlotListName,
                       transfer::kSourceFile,
                       {transfer::kStatusConnecting, transfer::kStatusSwitchingMode,
                        transfer::kStatusStarting, transfer::kStatusSending, transfer::kStatusFinished},
                       4,
                       str::kSlotWritten},
                      parent) {}

TransferRunResult CUploadTransferDialog::Run(COperationHost& host) {
    return RunUploadTransfer(host, {}, FilesFolder(), verify);
}

CDownloadTransferDialog::CDownloadTransferDialog(CUiContext& context, QWidget* parent)
    : CTransferDialog(context, kDownloadTransferTemplate, kDownloadGroup,
                      {kDownloadSlotListName,
                       transfer::kTargetFile,
                       {transfer::kStatusConnecting, transfer::kStatusSwitchingMode,
                        transfer::kStatusStarting, transfer::kStatusReceiving, transfer::kStatusAllReceived},
                       4,
                       str::kSlotSaved},
                      parent) {}

TransferRunResult CDownloadTransferDialog::Run(COperationHost& host) {
    return RunDownloadTransfer(host);
}

} // namespace qbx

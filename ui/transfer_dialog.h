#pragma once
#include "operations/transfer_run.h"
#include "ui/dialog.h"

#include <functional>
#include <vector>

namespace qbx {

constexpr int kUploadTransferTemplate = 133;
constexpr int kDownloadTransferTemplate = 134;
constexpr int kTransferTimer = 101;

// What a transfer dialog will show while it runs, so that it can make room
// for every text before the link holds up the interface thread.
struct TransferTexts {
    const char* slotListName; // its entries give the file texts; none when null
    int fileStringId;         // 11508 or 11509
    std::vector<int> statusIds;
    int progressDigits = 4; // of each number in the progress text
    // The line of a slot that went through without a read-back check (12002
    // or 12004); 0 for dialogs that do not run over the slot list.
    int slotDoneString = 0;
};

// What became of one ticked slot of the run.
struct SlotReport {
    int slot;
    std::string path;
    SlotOutcome outcome;
};

// A transfer dialog: opens, starts timer 101, and on its first tick runs the
// whole transfer with progress; closes at once after a failure, else waits
// with its close button enabled. A run over the slot list ends by listing
// every ticked slot with its file and outcome, and stays open after a
// failure once a slot has gone through, so that the person sees which did.
class CTransferDialog : public CDialog {
  public:
    CTransferDialog(CUiContext& context, int templateId, int group, TransferTexts texts,
                    QWidget* parent = nullptr);

    bool IsRunning() const { return running; }
    // How long a wait of the link may hold up progress before the bar turns
    // into a moving busy bar again; tests shorten it.
    void SetStalledAfter(int milliseconds) { stalledAfterMs = milliseconds; }
    TransferRunResult RunResult() const { return runResult; }
    const std::vector<SlotReport>& SlotReports() const { return reports; }

  protected:
    bool OnInitDialog() override;
    void OnTimer(int id) override;
    void OnCancel() override;
    virtual TransferRunResult Run(COperationHost& host) = 0;
    // The file texts the run may show; by default those of the slot list.
    virtual std::vector<QString> FileTexts();
    // Whether the dialog ends by itself once the run is over.
    virtual bool ClosesAfter(TransferRunResult result) const { return ClosesAtOnce(result); }
    // Runs a step of the dialog's own before the transfer (a preparation),
    // with the dialog's displays and messages as its host.
    bool RunStep(const std::function<bool(COperationHost&)>& step);

  private:
    void MakeRoomForTexts();
    bool AnySlotWentThrough() const;
    void ShowSlotReports();

    int group;
    TransferTexts texts;
    std::vector<SlotReport> reports;
    bool running = false;
    int stalledAfterMs = 1000;
    TransferRunResult runResult = TransferRunResult::NoSlotList;
};

class CUploadTransferDialog : public CTransferDialog {
  public:
    CUploadTransferDialog(CUiContext& context, QWidget* parent = nullptr);

    // Read each slot back after its upload and compare it with its file.
    void SetVerify(bool on) { verify = on; }

  protected:
    TransferRunResult Run(COperationHost& host) override;

  private:
    bool verify = false;
};

class CDownloadTransferDialog : public CTransferDialog {
  public:
    CDownloadTransferDialog(CUiContext& context, QWidget* parent = nullptr);

  protected:
    TransferRunResult Run(COperationHost& host) override;
};

} // namespace qbx

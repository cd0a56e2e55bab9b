#pragma once
#include "operations/transfer_run.h"
#include "ui/dialog.h"

namespace qbx {

constexpr int kUploadTransferTemplate = 133;
constexpr int kDownloadTransferTemplate = 134;
constexpr int kTransferTimer = 101;

// A transfer dialog: opens, starts timer 101, and on its first tick runs the
// whole transfer with progress; closes at once after a failure, else waits
// with its close button enabled.
class CTransferDialog : public CDialog {
public:
    CTransferDialog(CUiContext& context, int templateId, int group, QWidget* parent = nullptr);

    bool IsRunning() const { return running; }
    TransferRunResult RunResult() const { return runResult; }

protected:
    bool OnInitDialog() override;
    void OnTimer(int id) override;
    void OnCancel() override;
    virtual TransferRunResult Run(COperationHost& host) = 0;

private:
    int group;
    bool running = false;
    TransferRunResult runResult = TransferRunResult::NoSlotList;
};

class CUploadTransferDialog : public CTransferDialog {
public:
    CUploadTransferDialog(CUiContext& context, QWidget* parent = nullptr);

protected:
    TransferRunResult Run(COperationHost& host) override;
};

class CDownloadTransferDialog : public CTransferDialog {
public:
    CDownloadTransferDialog(CUiContext& context, QWidget* parent = nullptr);

protected:
    TransferRunResult Run(COperationHost& host) override;
};

} // namespace qbx

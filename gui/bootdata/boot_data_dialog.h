#pragma once
#include "operations/boot_data_transfer.h"
#include "ui/transfer_dialog.h"

namespace qbx {

constexpr int kBootDataTemplate = 255;

// The LINKBOX's own data image between the device and a ".dat" file. As it
// opens it prepares its mode (write: choose and check the file; read: read
// the device's header and choose the target), closing at once when that
// fails; the transfer follows from the timer. It stays open after success.
class CBootDataDialog : public CTransferDialog {
  public:
    // `mode`: kBootDataWriteMode or kBootDataReadMode.
    CBootDataDialog(CUiContext& context, int mode, QWidget* parent = nullptr);

    int Mode() const { return mode; }
    const std::string& Path() const { return job.path; }

  protected:
    bool OnInitDialog() override;
    TransferRunResult Run(COperationHost& host) override;
    std::vector<QString> FileTexts() override;

  private:
    bool Prepare(COperationHost& host);
    QString StartFolder() const;

    const int mode;
    BootDataJob job;
};

} // namespace qbx

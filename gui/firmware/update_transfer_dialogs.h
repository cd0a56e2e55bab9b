#pragma once
#include "ui/transfer_dialog.h"

#include <string>

namespace qbx {

constexpr int kOsUpdateTransferTemplate = 130;
constexpr int kFirmwareUpdateTemplate = 147;

// Writes the operating system that config_bs_5130.ini names into the
// controller. Stays open with its close button after success.
class COsUpdateTransferDialog : public CTransferDialog {
  public:
    COsUpdateTransferDialog(CUiContext& context, QWidget* parent = nullptr);

  protected:
    TransferRunResult Run(COperationHost& host) override;
    std::vector<QString> FileTexts() override;
};

// Asks for a firmware file as it opens, then writes it into the bootloader.
// Closes at once after a failure; after success it stays open with its
// finished state and close button, as the other transfers do: a beep alone
// goes unheard on many PCs, and a window that vanishes looks like a crash.
class CFirmwareUpdateDialog : public CTransferDialog {
  public:
    CFirmwareUpdateDialog(CUiContext& context, QWidget* parent = nullptr);

    const std::string& Path() const { return path; }

  protected:
    bool OnInitDialog() override;
    TransferRunResult Run(COperationHost& host) override;
    std::vector<QString> FileTexts() override;

  private:
    QString FileText() const;

    std::string path;
};

} // namespace qbx

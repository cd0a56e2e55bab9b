#pragma once
#include "formats/web_page_file.h"
#include "ui/transfer_dialog.h"

namespace qbx {

constexpr int kWebPageUploadTemplate = 254;

// Asks for an HTML page or a GIF picture as it opens and checks it, then
// sends it into the LINKBOX. Closes at once after a failure; after success
// it waits with its close button.
class CWebPageUploadDialog : public CTransferDialog {
  public:
    CWebPageUploadDialog(CUiContext& context, QWidget* parent = nullptr);

    const WebPageFile& Page() const { return page; }

  protected:
    bool OnInitDialog() override;
    TransferRunResult Run(COperationHost& host) override;
    std::vector<QString> FileTexts() override;

  private:
    QString FileText() const;

    WebPageFile page;
};

} // namespace qbx

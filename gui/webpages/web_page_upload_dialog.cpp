#include "gui/webpages/web_page_upload_dialog.h"

#include "operations/string_ids.h"
#include "operations/transfer_messages.h"
#include "operations/transfer_steps.h"
#include "operations/web_page_upload.h"
#include "operations/web_page_upload_messages.h"
#include "platform/program_folder.h"
#include "ui/dialog_host.h"

namespace qbx {
namespace {

constexpr int kProgressBar = 1007;
constexpr int kStatusText = 1008;
constexpr int kProgressText = 1009;
constexpr int kFileText = 1023;
constexpr int kProgressDigits = 5;

} // namespace

CWebPageUploadDialog::CWebPageUploadDialog(CUiContext& context, QWidget* parent)
    : CTransferDialog(context, kWebPageUploadTemplate, web_page::kGroup,
                      {nullptr,
                       transfer::kSourceFile,
                       {transfer::kStatusConnecting, transfer::kStatusSending, transfer::kStatusFinished},
                       kProgressDigits},
                      parent) {}

QString CWebPageUploadDialog::FileText() const {
    return String(transfer::kSourceFile) + ": " + QString::fromStdString(transfer::PathTitle(page.path));
}

bool CWebPageUploadDialog::OnInitDialog() {
    const QString path =
        Context().ui.ChooseOpenFile(this, String(str::kChooseWebPage),
                                    QString::fromStdString(ProgramFolder()), String(web_page::kStringFilter));
    if (path.isEmpty()) {
        EndDialog(kIdCancel);
        return true;
    }
    CDialogHost host(*this, web_page::kGroup);
    if (!PrepareWebPage(host, path.toStdString(), page)) {
        EndDialog(kIdCancel);
        return true;
    }
    setWindowTitle(String(web_page::kStringCaption));
    SetProgressRange(kProgressBar, 1, static_cast<int>(page.size));
    SetProgressPos(kProgressBar, 0);
    SetItemText(kStatusText, String(transfer::kStatusConnecting));
    SetItemText(kFileText, FileText());
    SetItemToolTip(kFileText, QString::fromStdString(page.path));
    SetItemText(kProgressText, QString::fromStdString(WebPageProgressText(0, page.size)));
    return CTransferDialog::OnInitDialog();
}

std::vector<QString> CWebPageUploadDialog::FileTexts() {
    return {FileText()};
}

TransferRunResult CWebPageUploadDialog::Run(COperationHost& host) {
    return RunWebPageUpload(host, page) ? TransferRunResult::Finished : TransferRunResult::SlotFailed;
}

} // namespace qbx

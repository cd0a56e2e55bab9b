#include "gui/bootdata/boot_data_dialog.h"

#include "core/app_state.h"
#include "formats/folder_file.h"
#include "operations/boot_data_messages.h"
#include "operations/string_ids.h"
#include "operations/transfer_messages.h"

namespace qbx {
namespace {

constexpr const char* kDefaultExtension = "dat";

TransferTexts TextsOf(int mode) {
    if (mode == kBootDataWriteMode)
        return {nullptr,
                transfer::kSourceFile,
                {transfer::kStatusConnecting, transfer::kStatusStarting, transfer::kStatusSending,
                 transfer::kStatusFinished}};
    return {nullptr,
            transfer::kTargetFile,
            {transfer::kStatusConnecting, transfer::kStatusStarting, transfer::kStatusReceiving,
             transfer::kStatusAllReceived}};
}

QString FileName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return QString::fromStdString(slash == std::string::npos ? path : path.substr(slash + 1));
}

} // namespace

CBootDataDialog::CBootDataDialog(CUiContext& context, int mode, QWidget* parent)
    : CTransferDialog(context, kBootDataTemplate, boot_data::kGroup, TextsOf(mode), parent), mode(mode) {}

// Both choosers start in the first folder of the folder file.
QString CBootDataDialog::StartFolder() const {
    return QString::fromStdString(ReadFolder(FolderLine::Upload, AppState().edition));
}

bool CBootDataDialog::Prepare(COperationHost& host) {
    const QString filter = String(boot_data::kStringFilter);
    if (mode == kBootDataWriteMode) {
        const std::string path = Context()
                                     .ui
                                     .ChooseOpenFile(this, String(str::kChooseBootDataSource), StartFolder(),
                                                     filter, kDefaultExtension)
                                     .toStdString();
        return !path.empty() && PrepareBootDataWrite(host, path, job);
    }
    const auto choose = [&](const std::string& offered, std::string& path) {
        const QString chosen =
            Context().ui.ChooseSaveFileNamed(this, String(str::kChooseBootDataTarget), StartFolder(), filter,
                                             QString::fromStdString(offered), kDefaultExtension);
        if (chosen.isEmpty()) return false;
        path = ConfirmBootDataTarget(host, chosen.toStdString());
        return !path.empty();
    };
    return PrepareBootDataRead(host, choose, job);
}

bool CBootDataDialog::OnInitDialog() {
    setWindowTitle(
        String(mode == kBootDataWriteMode ? boot_data::kStringWriteCaption : boot_data::kStringReadCaption));
    if (!RunStep([this](COperationHost& host) { return Prepare(host); })) {
        EndDialog(kIdCancel);
        return true;
    }
    return CTransferDialog::OnInitDialog();
}

std::vector<QString> CBootDataDialog::FileTexts() {
    const int label = mode == kBootDataWriteMode ? transfer::kSourceFile : transfer::kTargetFile;
    return {String(label) + ": " + FileName(job.path)};
}

TransferRunResult CBootDataDialog::Run(COperationHost& host) {
    const bool done = mode == kBootDataWriteMode ? RunBootDataWrite(host, job, {}, false, true)
                                                 : RunBootDataRead(host, job);
    return done ? TransferRunResult::Finished : TransferRunResult::SlotFailed;
}

} // namespace qbx

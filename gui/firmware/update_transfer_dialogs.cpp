#include "gui/firmware/update_transfer_dialogs.h"

#include "core/app_state.h"
#include "formats/folder_file.h"
#include "formats/handover_file.h"
#include "formats/update_file_names.h"
#include "operations/firmware_update.h"
#include "operations/firmware_update_messages.h"
#include "operations/os_update_messages.h"
#include "operations/os_update_transfer.h"
#include "operations/string_ids.h"
#include "operations/transfer_messages.h"
#include "operations/transfer_steps.h"

namespace qbx {
namespace {

constexpr int kFileText = 1023;
constexpr int kFirmwareFilter = 11663;
constexpr int kOsProgressDigits = 5;

TransferRunResult Outcome(bool done) {
    return done ? TransferRunResult::Finished : TransferRunResult::SlotFailed;
}

} // namespace

COsUpdateTransferDialog::COsUpdateTransferDialog(CUiContext& context, QWidget* parent)
    : CTransferDialog(context, kOsUpdateTransferTemplate, os_update::kGroup,
                      {nullptr,
                       0,
                       {transfer::kStatusConnecting, transfer::kStatusSwitchingMode,
                        transfer::kStatusStarting, transfer::kStatusSending, transfer::kStatusFinished},
                       kOsProgressDigits},
                      parent) {}

std::vector<QString> COsUpdateTransferDialog::FileTexts() {
    OsUpdateHandover paths;
    if (!ReadHandoverFile(paths)) return {};
    return {QString::fromStdString(transfer::PathTitle(paths.programFile))};
}

TransferRunResult COsUpdateTransferDialog::Run(COperationHost& host) {
    return Outcome(RunOsUpdateTransfer(host));
}

CFirmwareUpdateDialog::CFirmwareUpdateDialog(CUiContext& context, QWidget* parent)
    : CTransferDialog(context, kFirmwareUpdateTemplate, firmware_update::kGroup,
                      {nullptr,
                       transfer::kSourceFile,
                       {transfer::kStatusConnecting, transfer::kStatusStarting, transfer::kStatusSending,
                        transfer::kStatusFinished}},
                      parent) {}

QString CFirmwareUpdateDialog::FileText() const {
    return String(transfer::kSourceFile) + ": " + QString::fromStdString(transfer::PathTitle(path));
}

bool CFirmwareUpdateDialog::OnInitDialog() {
    const QString folder = QString::fromStdString(ReadFolder(FolderLine::Bootloader, AppState().edition));
    path =
        Context()
            .ui.ChooseOpenFile(this, String(str::kChooseFirmwareFile), folder, String(kFirmwareFilter), "frm")
            .toStdString();
    if (path.empty()) {
        EndDialog(kIdCancel);
        return true;
    }
    SetItemText(kFileText, FileText());
    SetItemToolTip(kFileText, QString::fromStdString(path));
    if (!IsFirmwareFileName(path)) {
        Message(firmware_update::kGroup, firmware_update::kWrongExtension,
                firmware_update::kStringWrongExtension);
        EndDialog(kIdCancel);
        return true;
    }
    return CTransferDialog::OnInitDialog();
}

std::vector<QString> CFirmwareUpdateDialog::FileTexts() {
    return {FileText()};
}

TransferRunResult CFirmwareUpdateDialog::Run(COperationHost& host) {
    return Outcome(RunFirmwareUpdate(host, path));
}

} // namespace qbx

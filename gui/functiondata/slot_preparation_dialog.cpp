#include "gui/functiondata/slot_preparation_dialog.h"

#include "core/windows1252.h"
#include "operations/slot_overview.h"
#include "operations/string_ids.h"
#include "operations/transfer_messages.h"
#include "ui/connecting_view.h"
#include "ui/dialog_host.h"

#include <QFileInfo>

namespace qbx {

QString FileTitle(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).completeBaseName();
}

CSlotPreparationDialog::CSlotPreparationDialog(CUiContext& context, int templateId, int group,
                                               int slotHeaderFailed, QWidget* parent)
    : CDialog(context, templateId, parent), group(group), slotHeaderFailed(slotHeaderFailed) {}

bool CSlotPreparationDialog::ReadBootloaderSlots(SlotOverview& overview) {
    CDialogHost host(*this, group);
    looking = true;
    bool read = false;
    {
        CConnectingView view(*this, String(transfer::kStatusConnecting));
        read = ConnectAndReadSlots(host, kConnectMessages, slotHeaderFailed, overview);
    }
    looking = false;
    if (!read) return false;
    for (int i = 0; i < kSlotCount; ++i) {
        contents[i] = overview.HoldsData(i + 1)
                          ? QString::fromStdString(Windows1252ToUtf8(overview.headers[i].description))
                          : String(str::kEmptySlot);
    }
    return true;
}

void CSlotPreparationDialog::OnCancel() {
    // The window's close box while the device is asked: the look ends first.
    if (!looking) CDialog::OnCancel();
}

void CSlotPreparationDialog::TakeValues() {
    for (int i = 0; i < kSlotCount; ++i)
        choices[i].flag = IsChecked(kSlotEnableBox + i) ? 1 : 0;
}

void CSlotPreparationDialog::ShowValues() {
    for (int i = 0; i < kSlotCount; ++i) {
        SetCheck(kSlotEnableBox + i, choices[i].flag == 1);
        SetItemText(kSlotContentText + i, contents[i]);
        SetItemText(kSlotFileNameText + i, fileNames[i]);
        // The title alone does not say which folder the file is in.
        SetItemToolTip(kSlotFileNameText + i,
                       fileNames[i].isEmpty() ? QString() : QString::fromStdString(choices[i].path));
        // Names change while the dialog is shown: a long one widens the window.
        FitItem(kSlotContentText + i);
        FitItem(kSlotFileNameText + i);
    }
}

bool CSlotPreparationDialog::AnyPath() const {
    for (const SlotListEntry& slot : choices) {
        if (!slot.path.empty()) return true;
    }
    return false;
}

} // namespace qbx

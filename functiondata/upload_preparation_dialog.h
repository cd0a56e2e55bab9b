#pragma once
#include "functiondata/slot_list.h"
#include "ui/dialog.h"

#include <array>

namespace qbx {

constexpr int kUploadPreparationTemplate = 153;

// Chooses, per bootloader slot, the ".dat" file to upload into it; shows
// what the choices hold now and can empty a slot. OK leaves the choice in
// config_up.ini for the upload transfer.
class CUploadPreparationDialog : public CDialog {
public:
    CUploadPreparationDialog(CUiContext& context, QWidget* parent = nullptr);

    const SlotList& Choices() const { return choices; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    bool ReadBootloaderSlots();
    void CheckFile(int index, bool withMessages);
    void SetSlotButtons(int index, bool browse, bool welcome);
    void Browse(int index);
    void SlotTicked(int index);
    void EmptySlot(int index);
    void ClearAll();
    void EditWelcomePage(int index);
    void TakeValues();
    void ShowValues();
    void UpdateOk();

    SlotList choices;
    std::array<QString, kSlotCount> fileNames;
    std::array<QString, kSlotCount> contents;
};

// A file's title: its name without folder and extension.
QString FileTitle(const std::string& path);

struct SlotOverview;
// What the preparation dialogs show for slot `index` (0-based): the
// description the bootloader keeps, or `emptyText`.
QString SlotContent(const SlotOverview& overview, int index, const QString& emptyText);

} // namespace qbx

#pragma once
#include "functiondata/slot_list.h"
#include "ui/dialog.h"

#include <array>

namespace qbx {

constexpr int kDownloadPreparationTemplate = 157;

// Chooses, per bootloader slot that holds data, the ".dat" file to save it
// in. OK refuses two slots with one file, asks before overwriting, and
// leaves the choice in config_do.ini for the download transfer.
class CDownloadPreparationDialog : public CDialog {
public:
    CDownloadPreparationDialog(CUiContext& context, QWidget* parent = nullptr);

    const SlotList& Choices() const { return choices; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    bool ReadBootloaderSlots();
    void Browse(int index);
    void SlotTicked(int index);
    void ClearAll();
    void ForgetSlot(int index);
    void TakeValues();
    void ShowValues();
    void UpdateOk();

    SlotList choices;
    std::array<QString, kSlotCount> fileNames;
    std::array<QString, kSlotCount> contents;
};

} // namespace qbx

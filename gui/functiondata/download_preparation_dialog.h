#pragma once
#include "gui/functiondata/slot_preparation_dialog.h"

namespace qbx {

constexpr int kDownloadPreparationTemplate = 157;

// Chooses, per bootloader slot that holds data, the ".dat" file to save it
// in. OK refuses two slots with one file, asks before overwriting, and
// leaves the choice in config_do.ini for the download transfer.
class CDownloadPreparationDialog : public CSlotPreparationDialog {
  public:
    CDownloadPreparationDialog(CUiContext& context, QWidget* parent = nullptr);

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    bool LookAtBootloader();
    void Browse(int index);
    void SlotTicked(int index);
    void ClearAll();
    void ForgetSlot(int index);
    void UpdateOk();
};

} // namespace qbx

#pragma once
#include "gui/functiondata/slot_preparation_dialog.h"

namespace qbx {

constexpr int kUploadPreparationTemplate = 153;

// Chooses, per bootloader slot, the ".dat" file to upload into it; shows
// what the choices hold now and can empty a slot. OK leaves the choice in
// config_up.ini for the upload transfer.
class CUploadPreparationDialog : public CSlotPreparationDialog {
  public:
    CUploadPreparationDialog(CUiContext& context, QWidget* parent = nullptr);

    // After OK: whether each slot is to be read back after its upload
    // (the check box, off whenever the dialog opens).
    bool VerifyAfterWriting() const { return verify; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    bool LookAtBootloader();
    void CheckFile(int index, bool withMessages);
    void SetSlotButtons(int index, bool browse, bool welcome);
    void Browse(int index);
    void SlotTicked(int index);
    void EmptySlot(int index);
    void ClearAll();
    void EditWelcomePage(int index);
    void UpdateOk();

    bool verify = false;
};

} // namespace qbx

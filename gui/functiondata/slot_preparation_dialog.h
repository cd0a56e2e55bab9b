#pragma once
#include "formats/slot_list.h"
#include "ui/dialog.h"

#include <array>

namespace qbx {

struct SlotOverview;

// Controls both preparation dialogs have per slot (+ slot index 0..6).
constexpr int kSlotEnableBox = 1037;
constexpr int kSlotContentText = 1028;
constexpr int kSlotFileNameText = 1045;
constexpr int kSlotBrowseButton = 1054;
constexpr int kSlotClearAllButton = 1062;
constexpr int kFunctionDataFilter = 11660;

// What the upload and download preparation share: seven slots, each with a
// tick, what the bootloader holds and the chosen file, and the look at the
// bootloader's slots while the dialog opens.
class CSlotPreparationDialog : public CDialog {
  public:
    const SlotList& Choices() const { return choices; }

  protected:
    CSlotPreparationDialog(CUiContext& context, int templateId, int group, int slotHeaderFailed,
                           QWidget* parent);

    // Connects and checks the bootloader and reads its slots into `contents`;
    // false after the failure's message (the caller then cancels).
    bool ReadBootloaderSlots(SlotOverview& overview);
    void OnCancel() override;
    void TakeValues();
    void ShowValues();
    bool AnyPath() const;

    SlotList choices;
    std::array<QString, kSlotCount> fileNames;
    std::array<QString, kSlotCount> contents;

  private:
    int group;
    int slotHeaderFailed;
    bool looking = false;
};

// A file's title: its name without folder and extension.
QString FileTitle(const std::string& path);

} // namespace qbx

#pragma once
#include "ui/dialog.h"

#include <cstdint>

namespace qbx {

constexpr int kConfigurationTemplate = 166;
constexpr int kConfigurationList = 1110;

// The configuration byte of a serial-family bootloader as a choice from a
// list: entry k stands for the value k + 1.
class CConfigurationDialog : public CDialog {
  public:
    CConfigurationDialog(CUiContext& context, std::uint8_t& value, QWidget* parent = nullptr);

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    std::uint8_t& value;
};

// The list entry a configuration value stands for, -1 when it has none.
int ConfigurationEntry(std::uint8_t value, int entries);
// The value the list's selection stands for. Without a selection (the
// device held a value the list does not offer) the value read is kept:
// pressing OK on a list left alone must not change the device.
std::uint8_t ConfigurationValue(int selected, std::uint8_t read);

} // namespace qbx

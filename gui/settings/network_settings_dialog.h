#pragma once
#include "link/network_settings.h"
#include "ui/dialog.h"

#include <cstdint>

namespace qbx {

constexpr int kNetworkSettingsTemplate = 168;

// The LINKBOX's configuration byte and network settings: three addresses,
// a parameter byte and two parameter words. Written back to the caller's
// records on OK only.
class CNetworkSettingsDialog : public CDialog {
  public:
    CNetworkSettingsDialog(CUiContext& context, std::uint8_t& configByte, NetworkSettings& settings,
                           QWidget* parent = nullptr);

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    bool AddressesAreAddresses();
    bool ShowClamped(int id, long long typed, long long kept);

    std::uint8_t& configByte;
    NetworkSettings& settings;
};

} // namespace qbx

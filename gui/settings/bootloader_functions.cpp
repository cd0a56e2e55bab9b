#include "gui/settings/bootloader_functions.h"

#include "gui/settings/configuration_dialog.h"
#include "gui/settings/network_settings_dialog.h"
#include "operations/bootloader_mode_messages.h"
#include "operations/bootloader_settings.h"
#include "operations/mode_switch.h"
#include "ui/dialog_host.h"

namespace qbx {

void ModeSwitchFromDialog(CDialog& owner, const CSettings& link, ConnectOptions options) {
    CDialogHost host(owner, bootloader_mode::kGroup);
    options.settings = &link;
    RunModeSwitch(host, options);
}

void BootloaderSettingsFromDialog(CDialog& owner, const CSettings& link, ConnectOptions options) {
    CDialogHost host(owner, bootloader_mode::kGroup);
    options.settings = &link;
    RunBootloaderSettings(host, options, [&owner](BootloaderConfig& config) {
        if (config.hasNetwork) {
            CNetworkSettingsDialog dialog(owner.Context(), config.configByte, config.network, &owner);
            return dialog.DoModal() == kIdOk;
        }
        CConfigurationDialog dialog(owner.Context(), config.configByte, &owner);
        return dialog.DoModal() == kIdOk;
    });
}

} // namespace qbx

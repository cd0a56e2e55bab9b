#include "gui/settings/bootloader_functions.h"

#include "gui/settings/configuration_dialog.h"
#include "gui/settings/network_settings_dialog.h"
#include "operations/bootloader_mode_messages.h"
#include "operations/bootloader_settings.h"
#include "operations/mode_switch.h"
#include "operations/transfer_messages.h"
#include "ui/connecting_view.h"
#include "ui/dialog_host.h"

#include <optional>

namespace qbx {

void ModeSwitchFromDialog(CDialog& owner, const CSettings& link, ConnectOptions options) {
    CDialogHost host(owner, bootloader_mode::kGroup);
    options.settings = &link;
    CConnectingView view(owner, owner.String(transfer::kStatusConnecting));
    RunModeSwitch(host, options);
}

void BootloaderSettingsFromDialog(CDialog& owner, const CSettings& link, ConnectOptions options) {
    CDialogHost host(owner, bootloader_mode::kGroup);
    options.settings = &link;
    // Busy while the link reads and while it writes, not while the person edits.
    const QString connecting = owner.String(transfer::kStatusConnecting);
    std::optional<CConnectingView> view(std::in_place, owner, connecting);
    RunBootloaderSettings(host, options, [&owner, &view, &connecting](BootloaderConfig& config) {
        view.reset();
        bool edited = false;
        if (config.hasNetwork) {
            CNetworkSettingsDialog dialog(owner.Context(), config.configByte, config.network, &owner);
            edited = dialog.DoModal() == kIdOk;
        } else {
            CConfigurationDialog dialog(owner.Context(), config.configByte, &owner);
            edited = dialog.DoModal() == kIdOk;
        }
        if (edited) view.emplace(owner, connecting);
        return edited;
    });
}

} // namespace qbx

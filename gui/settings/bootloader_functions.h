#pragma once
#include "operations/connection.h"
#include "ui/dialog.h"

namespace qbx {

// The settings dialog's two bootloader functions, over the link its
// controls describe (saved or not). Messages in the dialog's group 5.
// `options` lets tests shorten the link's waits; its settings are replaced.
void ModeSwitchFromDialog(CDialog& owner, const CSettings& link, ConnectOptions options = {});
void BootloaderSettingsFromDialog(CDialog& owner, const CSettings& link, ConnectOptions options = {});

} // namespace qbx

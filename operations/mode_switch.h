#pragma once
#include "operations/connection.h"

namespace qbx {

// Switches a bootloader of the serial family into the transfer mode and
// reports the mode it ends up in (group 5, operations/bootloader_mode_messages.h).
// The link is the one `options.settings` names: the settings dialog passes
// its controls as they stand, saved or not. A LINKBOX has no modes; it is
// only reported. True when the bootloader is in the transfer mode at the
// end; false otherwise, after the message that says why.
bool RunModeSwitch(COperationHost& host, const ConnectOptions& options);

// The link the settings dialog's controls describe: selection 0..5 for
// COM1..COM6, 6 for TCP to `ipText`:`port`; anything else is no link.
CSettings LinkFromControls(int selection, const std::string& ipText, std::uint16_t port);

} // namespace qbx

#include "operations/mode_switch.h"

#include "link/mode_commands.h"
#include "link/protocol_constants.h"
#include "operations/bootloader_mode_messages.h"
#include "operations/string_ids.h"
#include "operations/transfer_steps.h"

namespace qbx {
namespace {

using namespace bootloader_mode;

constexpr int kPauseBeforeQuery = 500;

bool Switch(COperationHost& host, const ConnectOptions& options) {
    ConnectOptions connect = options;
    connect.identify = true;
    connect.modeCheck = false; // this function is the mode check
    connect.check = false;
    std::unique_ptr<CTransport> transport;
    BootloaderId id;
    if (Connect(host, kSwitchConnect, connect, transport, id) != ConnectResult::Connected) return false;
    if (id.family == device::kNetworkFamily) {
        host.ShowSuccess(kSwitchLinkbox, str::kInTransferMode);
        return true;
    }
    switch (SwitchMode(*transport)) {
    case kSwitchDone:
        break;
    case kSwitchNoAnswer:
        host.ShowMessage(kSwitchNotAnswered, str::kSwitchNoAnswer);
        return false;
    default:
        host.ShowMessage(kSwitchWasRefused, str::kSwitchRefused);
        return false;
    }
    transport->Pause(kPauseBeforeQuery);
    std::uint8_t mode = 0;
    if (QueryMode(*transport, mode) != kModeAnswered) {
        host.ShowMessage(kSwitchQueryNoAnswer, str::kSwitchNoAnswer);
        return false;
    }
    if (mode == opmode::kTransfer)
        host.ShowSuccess(kSwitchTransferMode, str::kInTransferMode);
    else if (mode == opmode::kOther)
        host.ShowMessage(kSwitchOtherMode, str::kStillOtherMode);
    else
        host.ShowMessage(kSwitchUnknownMode, str::kNotTransferMode);
    return mode == opmode::kTransfer;
}

} // namespace

CSettings LinkFromControls(int selection, const std::string& ipText, std::uint16_t port) {
    CSettings link;
    // Out of range stays out of range: ChooseLink then names no link.
    link.interfaceIndex = selection >= 0 && selection <= 6 ? static_cast<std::uint8_t>(selection) : 0xFF;
    link.ipAddress = ipText;
    link.port = port;
    return link;
}

bool RunModeSwitch(COperationHost& host, const ConnectOptions& options) {
    transfer::CWaitCursor wait(host);
    return Switch(host, options);
}

} // namespace qbx

#include "operations/bootloader_settings.h"

#include "link/config_commands.h"
#include "link/mode_commands.h"
#include "link/protocol_constants.h"
#include "operations/bootloader_mode_messages.h"
#include "operations/string_ids.h"
#include "operations/transfer_steps.h"

#include <algorithm>
#include <optional>

namespace qbx {
namespace {

using namespace bootloader_mode;
using Result = BootloaderSettingsResult;

constexpr int kPauseBeforeQuery = 500;

bool IsLinkbox(const BootloaderId& id) {
    return id.family == device::kNetworkFamily;
}

// Firmware too old to keep settings; the gates of CheckBootloader.
bool TooOld(const BootloaderId& id) {
    if (id.family == device::kSerialFamily) return id.version < device::kMinSerialVersion;
    if (id.family == device::kNetworkFamily) return id.version < device::kMinNetworkVersion;
    return false;
}

// Each step either lets the function go on (no result yet) or ends it.
using Step = std::optional<Result>;
constexpr Step kGoOn = std::nullopt;

// Brings a mode-switching bootloader into the transfer mode, with consent.
Step SwitchToTransferMode(COperationHost& host, CTransport& transport) {
    if (!host.AskQuestion(kAskSwitch, str::kAskSwitchMode)) return Result::Unchanged;
    switch (SwitchMode(transport)) {
    case kSwitchDone:
        break;
    case kSwitchNoAnswer:
        host.ShowMessage(kSettingsSwitchNoAnswer, str::kSwitchNoAnswer);
        return Result::Failed;
    default:
        host.ShowMessage(kSettingsSwitchRefused, str::kSwitchRefused);
        return Result::Failed;
    }
    transport.Pause(kPauseBeforeQuery);
    std::uint8_t mode = 0;
    if (QueryMode(transport, mode) != kModeAnswered) {
        host.ShowMessage(kSettingsQueryNoAnswer, str::kSwitchNoAnswer);
        return Result::Failed;
    }
    if (mode == opmode::kTransfer) return kGoOn;
    if (mode == opmode::kOther)
        host.ShowMessage(kSettingsOtherMode, str::kStillOtherMode);
    else
        host.ShowMessage(kSettingsUnknownMode, str::kNotTransferMode);
    return Result::Failed;
}

// Identification done: the checks before the settings may be read.
Step CheckDevice(COperationHost& host, CTransport& transport, const BootloaderId& id) {
    if (id.version == 0) {
        host.ShowMessage(kNoFirmwareVersion, str::kNoFirmwareVersion);
        return Result::Failed;
    }
    if (TooOld(id)) {
        host.ShowMessage(kVersionTooOld, str::kOldVersion, {VersionText(id.family, id.version)});
        return Result::Failed;
    }
    if (IsLinkbox(id) || id.rawType == device::kSerialFamily) return kGoOn;
    if (id.rawType == device::kModeSwitchingA || id.rawType == device::kModeSwitchingB)
        return SwitchToTransferMode(host, transport);
    host.ShowMessage(kUnsupportedType, str::kNoAnswer);
    return Result::Failed;
}

bool ReadConfig(COperationHost& host, CTransport& transport, BootloaderConfig& config) {
    config.hasNetwork = false;
    if (ReadConfigByte(transport, config.configByte)) return true;
    host.ShowMessage(kReadConfig, str::kNoAnswer);
    return false;
}

bool ReadLinkboxConfig(COperationHost& host, CTransport& transport, BootloaderConfig& config) {
    config.hasNetwork = true;
    if (!ReadConfigByte(transport, config.configByte)) {
        host.ShowMessage(kReadLinkboxConfig, str::kNoAnswer);
        return false;
    }
    if (!ReadNetworkSettings(transport, config.network)) {
        host.ShowMessage(kReadNetwork, str::kNoAnswer);
        return false;
    }
    return true;
}

bool Reopen(COperationHost& host, CTransport& transport) {
    int error = 0;
    switch (transport.Open(error)) {
    case kOpenOk:
        return true;
    case kOpenNotFound:
        host.ShowMessage(kReopenNotFound, str::kPortNotFound);
        return false;
    case kOpenDenied:
        host.ShowMessage(kReopenDenied, str::kPortDenied);
        return false;
    default:
        host.ShowMessage(kReopenFailed, str::kOpenFailed, {static_cast<long long>(error)});
        return false;
    }
}

// The byte first, then the network settings: a failure between the two
// leaves the byte written, as the device has taken it.
bool Write(COperationHost& host, CTransport& transport, const BootloaderConfig& config) {
    if (!WriteConfigByte(transport, config.configByte)) {
        host.ShowMessage(config.hasNetwork ? kWriteLinkboxConfig : kWriteConfig, str::kNoAnswer);
        return false;
    }
    if (config.hasNetwork && !WriteNetworkSettings(transport, config.network)) {
        host.ShowMessage(kWriteNetwork, str::kNoAnswer);
        return false;
    }
    return true;
}

Result Run(COperationHost& host, const ConnectOptions& options, const EditBootloaderConfig& edit,
           transfer::CWaitCursor& wait) {
    ConnectOptions connect = options;
    connect.identify = true;
    connect.modeCheck = false; // done below, with this function's own messages
    connect.check = false;
    std::unique_ptr<CTransport> transport;
    BootloaderId id;
    if (Connect(host, kSettingsConnect, connect, transport, id) != ConnectResult::Connected)
        return Result::Failed;
    if (Step checked = CheckDevice(host, *transport, id)) return *checked;

    BootloaderConfig config;
    const bool read =
        IsLinkbox(id) ? ReadLinkboxConfig(host, *transport, config) : ReadConfig(host, *transport, config);
    if (!read) return Result::Failed;
    // Not held open while the person edits.
    transport->Close();
    host.SetWaitCursor(false);
    if (!edit(config)) return Result::Unchanged;
    wait.Again();
    if (!Reopen(host, *transport)) return Result::Failed;
    return Write(host, *transport, config) ? Result::Written : Result::Failed;
}

} // namespace

std::uint8_t ClampParameterByte(long long value) {
    return static_cast<std::uint8_t>(std::clamp<long long>(value, 0, 0xFF));
}

std::uint16_t ClampParameterWord(long long value) {
    return static_cast<std::uint16_t>(std::clamp<long long>(value, 0, 0xFFFF));
}

BootloaderSettingsResult RunBootloaderSettings(COperationHost& host, const ConnectOptions& options,
                                               const EditBootloaderConfig& edit) {
    transfer::CWaitCursor wait(host);
    return Run(host, options, edit, wait);
}

} // namespace qbx

#include "operations/connection.h"

#include "core/link_choice.h"
#include "link/mode_commands.h"
#include "link/protocol_constants.h"
#include "link/transport_factory.h"
#include "operations/adapter_latency_hint.h"
#include "operations/string_ids.h"
#include "platform/serial_port_path.h"

#include <cerrno>

namespace qbx {
namespace {

constexpr int kPauseBeforeRequery = 500;

ConnectResult Fail(COperationHost& host, int number, int stringId, std::unique_ptr<CTransport>& transport,
                   const std::vector<MessageArg>& args = {}) {
    transport.reset();
    if (number) host.ShowMessage(number, stringId, args);
    return ConnectResult::Failed;
}

// Brings a mode-switching bootloader into transfer mode.
ConnectResult EnsureTransferMode(COperationHost& host, const ConnectMessages& m,
                                 std::unique_ptr<CTransport>& transport) {
    std::uint8_t mode = 0;
    if (QueryMode(*transport, mode) != kModeAnswered)
        return Fail(host, m.queryNoAnswer, str::kNoModeAnswer, transport);
    if (mode == opmode::kTransfer) return ConnectResult::Connected;
    if (!host.AskQuestion(m.askSwitch, str::kAskSwitchMode)) {
        transport.reset();
        return ConnectResult::Declined;
    }
    int switched = SwitchMode(*transport);
    if (switched == kSwitchNoAnswer) return Fail(host, m.switchNoAnswer, str::kSwitchNoAnswer, transport);
    if (switched == kSwitchRefused) return Fail(host, m.switchRefused, str::kSwitchRefused, transport);
    transport->Pause(kPauseBeforeRequery);
    if (QueryMode(*transport, mode) != kModeAnswered)
        return Fail(host, m.requeryNoAnswer, str::kSwitchNoAnswer, transport);
    if (mode == opmode::kOther) return Fail(host, m.stillOtherMode, str::kStillOtherMode, transport);
    if (mode != opmode::kTransfer) return Fail(host, m.notTransferMode, str::kNotTransferMode, transport);
    return ConnectResult::Connected;
}

// Open result 3. A COM port that names something other than a terminal is
// a set-up mistake the person can only mend when told which file it is.
ConnectResult FailOpen(COperationHost& host, const ConnectMessages& m, const CSettings& settings, int error,
                       std::unique_ptr<CTransport>& transport) {
    LinkChoice link = ChooseLink(settings);
    if (error != ENOTTY || link.kind != LinkKind::Serial)
        return Fail(host, m.openFailed, str::kOpenFailed, transport, {static_cast<long long>(error)});
    const long long port = link.portNumber;
    return Fail(host, m.openFailed, str::kNotSerialPort, transport,
                {static_cast<long long>(error), port,
                 settings.portPath.empty() ? SerialPortPath(link.portNumber) : settings.portPath, port});
}

// Open result 1. On a serial line the person needs the path that was
// looked for: an adapter not plugged in, or a mapping naming the wrong one.
ConnectResult FailNotFound(COperationHost& host, int number, const CSettings& settings,
                           std::unique_ptr<CTransport>& transport) {
    LinkChoice link = ChooseLink(settings);
    if (link.kind != LinkKind::Serial) return Fail(host, number, str::kPortNotFound, transport);
    const long long port = link.portNumber;
    return Fail(host, number, str::kSerialPortMissing, transport,
                {port, SerialPortPath(link.portNumber), port});
}

} // namespace

bool NeedsModeCheck(const BootloaderId& id) {
    return id.family != device::kNetworkFamily && id.rawType != device::kSerialFamily;
}

ConnectResult Connect(COperationHost& host, const ConnectMessages& m, const ConnectOptions& options,
                      std::unique_ptr<CTransport>& transport, BootloaderId& id) {
    transport.reset();
    CSettings loaded;
    if (!options.settings) {
        const bool read = loaded.Load();
        // A link given for the run needs no settings file.
        if (!host.OverrideLink(loaded) && !read)
            return Fail(host, m.settingsUnreadable, str::kSettingsUnreadable, transport);
    }
    const CSettings& settings = options.settings ? *options.settings : loaded;

    int created = kTransportCreated;
    transport = options.createTransport
                    ? options.createTransport(settings, created)
                    : CreateTransport(settings, created, options.timing, host.TracePath());
    if (!transport) return Fail(host, m.invalidInterface, str::kInvalidInterface, transport);
    transport->SetWaitHook(host.LinkWaitHook());
    int error = 0;
    switch (transport->Open(error)) {
    case kOpenOk:
        NoteAdapterLatency(host, settings, *transport);
        break;
    case kOpenNotFound:
        return FailNotFound(host, m.openNotFound, settings, transport);
    case kOpenDenied:
        return Fail(host, m.openDenied, str::kPortDenied, transport);
    default:
        return FailOpen(host, m, settings, error, transport);
    }

    if (options.identify) {
        if (!IdentifyBootloader(*transport, id))
            return Fail(host, m.identifyFailed, str::kNoAnswer, transport);
        if (options.modeCheck && NeedsModeCheck(id)) {
            ConnectResult mode = EnsureTransferMode(host, m, transport);
            if (mode != ConnectResult::Connected) return mode;
        }
    }
    if (options.check) {
        BootloaderRefusal refusal;
        int checked = CheckBootloader(*transport, refusal);
        if (checked == kCheckNoAnswer) return Fail(host, m.checkNoAnswer, str::kNoAnswer, transport);
        if (checked != kCheckSupported) {
            std::string text = RefusalText(host, refusal);
            transport.reset();
            if (m.checkUnsupported) host.ShowMessageText(m.checkUnsupported, text);
            return ConnectResult::Failed;
        }
    }
    return ConnectResult::Connected;
}

std::string RefusalText(COperationHost& host, const BootloaderRefusal& refusal) {
    if (refusal.reason == kRefusedType)
        return FormatMessage(host.String(str::kUnsupportedType), {static_cast<long long>(refusal.type)});
    return FormatMessage(host.String(str::kOldVersion), {VersionText(refusal.type, refusal.version)});
}

} // namespace qbx

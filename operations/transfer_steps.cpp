#include "operations/transfer_steps.h"

#include "link/framing.h"
#include "link/identification.h"
#include "operations/forwarding_host.h"
#include "operations/string_ids.h"

#include <algorithm>
#include <cstdio>

namespace qbx::transfer {
namespace {

// Passes everything through to the dialog's host, and shows the status of
// the mode switch right after the person said Yes to it, while Connect goes
// on to send the switch.
class CSwitchStatusHost : public CForwardingHost {
  public:
    CSwitchStatusHost(COperationHost& inner, int askNumber) : CForwardingHost(inner), askNumber(askNumber) {}

    bool AskQuestion(int number, int stringId, const std::vector<MessageArg>& args = {}) override {
        bool yes = inner.AskQuestion(number, stringId, args);
        if (yes && number == askNumber) inner.SetStatusString(kStatusSwitchingMode);
        return yes;
    }

  private:
    int askNumber;
};

} // namespace

void ReportSendFailure(COperationHost& host, const SendMessages& m, int result) {
    switch (result) {
    case kSendIncomplete:
        host.ShowMessage(m.incomplete, str::kSendIncomplete);
        break;
    case kSendNoAnswer:
        host.ShowMessage(m.noAnswer, str::kSendNoAck);
        break;
    default:
        host.ShowMessage(m.rejected, str::kRepeatedErrors);
        break;
    }
}

void ReportSendFailure(COperationHost& host, const SendMessages& m, int result,
                       const ReceiveMessages& ackedBlock) {
    if (result == kSendAckFailed) {
        ReportReceiveFailure(host, ackedBlock, kBlockAckFailed);
    } else {
        ReportSendFailure(host, m, result);
    }
}

void ReportReceiveFailure(COperationHost& host, const ReceiveMessages& m, int result) {
    switch (result) {
    case kBlockShort:
        host.ShowMessage(m.shortBlock, str::kSwitchNoAnswer);
        break; // "does not answer"
    case kBlockNoChecksum:
        host.ShowMessage(m.noChecksum, str::kNoChecksum);
        break;
    case kBlockAckFailed:
        host.ShowMessage(m.ackFailed, str::kAckNotSent);
        break;
    default:
        host.ShowMessage(m.badChecksum, str::kRepeatedErrors);
        break;
    }
}

bool FlushHeldAck(CTransport& transport, COperationHost& host, const ReceiveMessages& ackedBlock) {
    if (transport.FlushHeld()) return true;
    ReportReceiveFailure(host, ackedBlock, kBlockAckFailed);
    return false;
}

void ReportDeviceError(COperationHost& host, const DeviceErrorMessages& m, std::uint8_t code) {
    auto known = std::find(kKnownDeviceErrors.begin(), kKnownDeviceErrors.end(), code);
    if (known == kKnownDeviceErrors.end()) {
        host.ShowMessage(m.other, str::kUnknownDeviceError);
        return;
    }
    host.ShowMessage(m.first + static_cast<int>(known - kKnownDeviceErrors.begin()), str::kDeviceError,
                     {static_cast<long long>(code)});
}

std::string ProgressText(std::uint32_t offset, std::uint32_t size) {
    char text[32];
    std::snprintf(text, sizeof text, "%04X / %04X", offset, size);
    return text;
}

std::string SlotNumberText(int slot) {
    char text[16];
    std::snprintf(text, sizeof text, "%4d", slot);
    return text;
}

std::string PathTitle(const std::string& path) {
    std::size_t slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

ConnectResult ConnectForTransfer(COperationHost& host, const ConnectMessages& messages,
                                 const ConnectOptions& options, std::unique_ptr<CTransport>& transport,
                                 BootloaderId& id) {
    CSwitchStatusHost switching(host, messages.askSwitch);
    return Connect(switching, messages, options, transport, id);
}

bool CheckConnectedBootloader(COperationHost& host, const ConnectMessages& messages, CTransport& transport) {
    BootloaderRefusal refusal;
    int checked = CheckBootloader(transport, refusal);
    if (checked == kCheckSupported) return true;
    if (checked == kCheckNoAnswer) {
        host.ShowMessage(messages.checkNoAnswer, str::kNoAnswer);
    } else {
        host.ShowMessageText(messages.checkUnsupported, RefusalText(host, refusal));
    }
    return false;
}

} // namespace qbx::transfer

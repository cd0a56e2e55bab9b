#include "link/identification.h"

#include "link/framing.h"
#include "link/protocol_constants.h"

#include <cstdio>

namespace qbx {
namespace {

// One request and up to five answer bytes; the count that arrived.
int AskIdentity(CTransport& transport, std::uint8_t (&answer)[device::kAnswerSize]) {
    auto request = IdentificationRequest();
    (void)transport.Write(request.data(), frame::kSize);
    return transport.Read(answer, device::kAnswerSize);
}

bool IsSerialKind(std::uint8_t type) {
    return type == device::kSerialFamily || type == device::kModeSwitchingA ||
           type == device::kModeSwitchingB;
}

} // namespace

std::array<std::uint8_t, 8> IdentificationRequest() {
    return RequestFrame(command::kIdentify);
}

BootloaderId NormaliseId(std::uint8_t type, std::uint8_t version) {
    BootloaderId id{type, type, version};
    if (version == 0) {
        if (type != device::kNetworkFamily) id.family = device::kSerialFamily;
    } else if (IsSerialKind(type)) {
        id.family = device::kSerialFamily;
    }
    return id;
}

bool IdentifyBootloader(CTransport& transport, BootloaderId& id) {
    for (int attempt = 0; attempt < AttemptCount(transport); ++attempt) {
        std::uint8_t answer[device::kAnswerSize] = {};
        int got = AskIdentity(transport, answer);
        if (got >= 1) {
            (void)WriteAck(transport);
            transport.Pause(exchange::kIdentifyPauseMs);
        }
        if (got >= device::kAnswerMinimum) {
            id = NormaliseId(answer[device::kTypeAt], answer[device::kVersionAt]);
            return true;
        }
    }
    return false;
}

int CheckBootloader(CTransport& transport, BootloaderRefusal& refusal) {
    std::uint8_t answer[device::kAnswerSize] = {};
    int got = 0;
    for (int attempt = 0; attempt < AttemptCount(transport); ++attempt) {
        got = AskIdentity(transport, answer);
        if (got >= device::kAnswerMinimum) break;
    }
    if (got < device::kAnswerMinimum) return kCheckNoAnswer;
    (void)WriteAck(transport);

    std::uint8_t type = answer[device::kTypeAt];
    std::uint8_t version = answer[device::kVersionAt];
    if (type != device::kSerialFamily && type != device::kNetworkFamily) {
        refusal = {kRefusedType, type, version};
        return kCheckUnsupported;
    }
    std::uint8_t minimum =
        type == device::kSerialFamily ? device::kMinSerialVersion : device::kMinNetworkVersion;
    if (version < minimum) {
        refusal = {kRefusedVersion, type, version};
        return kCheckUnsupported;
    }
    return kCheckSupported;
}

std::string VersionText(std::uint8_t type, std::uint8_t version) {
    char text[16];
    if (type == device::kNetworkFamily)
        std::snprintf(text, sizeof text, "%03.02f", version / 100.0);
    else
        std::snprintf(text, sizeof text, "%02.01f", version / 10.0);
    return text;
}

int ProbeBootloader(CTransport& transport, BootloaderId& id) {
    auto request = IdentificationRequest();
    std::uint8_t answer[device::kAnswerSize] = {};
    int got = AskIdentity(transport, answer);
    bool echo = got == device::kAnswerSize;
    for (int i = 0; echo && i < device::kAnswerSize; ++i)
        echo = answer[i] == request[i];
    if (echo || got < device::kAnswerMinimum) {
        id = BootloaderId{};
        return echo ? kProbeAnswered : kProbeNoAnswer;
    }
    (void)WriteAck(transport);
    transport.Pause(exchange::kIdentifyPauseMs);
    id = NormaliseId(answer[device::kTypeAt], answer[device::kVersionAt]);
    return kProbeAnswered;
}

} // namespace qbx

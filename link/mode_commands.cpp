#include "link/mode_commands.h"

#include "link/framing.h"
#include "link/protocol_constants.h"

namespace qbx {

int QueryMode(CTransport& transport, std::uint8_t& mode) {
    mode = 0;
    for (int attempt = 0; attempt < AttemptCount(transport); ++attempt) {
        const std::uint8_t query = opmode::kQuery;
        (void)transport.Write(&query, 1);
        std::uint8_t answer = 0;
        if (transport.Read(&answer, 1) == 1) {
            mode = answer;
            return kModeAnswered;
        }
    }
    return kModeNoAnswer;
}

int SwitchMode(CTransport& transport) {
    const std::uint8_t request[2] = {opmode::kSwitch, opmode::kTransfer};
    std::uint8_t answer = 0;
    int got = 0;
    for (int attempt = 0; attempt < AttemptCount(transport); ++attempt) {
        (void)transport.Write(request, 2);
        answer = 0;
        got = transport.Read(&answer, 1);
        // The command byte sent back is a refusal; asking again will not help.
        if (got == 1 && answer == opmode::kSwitch) break;
    }
    transport.Pause(exchange::kModeSwitchPauseMs);
    if (got != 1) return kSwitchNoAnswer;
    return answer == opmode::kTransfer ? kSwitchDone : kSwitchRefused;
}

} // namespace qbx

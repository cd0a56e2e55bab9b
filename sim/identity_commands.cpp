#include "sim/bootloader_commands.h"

namespace qbx::sim {

namespace {

constexpr std::size_t kIdentityAnswerSize = 5;

// Five bytes; the program reads the type from byte 2 and the version from
// byte 3. The rest looks like an answer frame so that it never matches the
// request (which is how the program spots a loop-back plug).
void Identify(CProtocolEngine& engine, const CFrame&) {
    const CIdentity id = engine.Faults().identity.value_or(engine.Profile().Identity(engine.State().mode));
    CBytes answer{kKindAnswer, kFrameMark, id.type, id.version, 0};
    answer[kIdentityAnswerSize - 1] = Sum8(answer.data(), kIdentityAnswerSize - 1);
    engine.Answer({answer, false, -1}, true);
}

void QueryMode(CProtocolEngine& engine) {
    engine.Answer({{engine.State().mode}, false, -1}, false);
}

// Only the transfer mode can be asked for; the refusal echoes the command.
// An injected landing mode grants the switch and comes up in another mode,
// as a device whose restart went wrong.
void SwitchMode(CProtocolEngine& engine, std::uint8_t wanted) {
    if (engine.Faults().refuseSwitch || wanted != kModeTransfer) {
        engine.Answer({{kModeSwitch}, false, -1}, false);
        return;
    }
    const std::uint8_t landed = engine.Faults().switchLands.value_or(wanted);
    if (engine.State().mode != landed) {
        engine.State().mode = landed;
        engine.Changed();
    }
    engine.Answer({{wanted}, false, -1}, false);
}

} // namespace

void RegisterIdentityCommands(CProtocolEngine& engine) {
    engine.Register(kCmdIdentify, Identify);
    engine.SetModeHandlers(QueryMode, SwitchMode);
}

} // namespace qbx::sim

#pragma once
#include "sim/protocol_engine.h"

// The commands of the emulated bootloader, registered into an engine by
// code. Later data phases add their start codes the same way.
namespace qbx::sim {

// Identification request, mode query and mode switch.
void RegisterIdentityCommands(CProtocolEngine& engine);
// Slots, headers, configuration byte, network settings.
void RegisterRecordCommands(CProtocolEngine& engine);

inline void RegisterBootloaderCommands(CProtocolEngine& engine) {
    RegisterIdentityCommands(engine);
    RegisterRecordCommands(engine);
}

} // namespace qbx::sim

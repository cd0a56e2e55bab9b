#pragma once
#include "sim/protocol_engine.h"

// The commands of the emulated bootloader, registered into an engine by
// code. Data phases register their start codes the same way.
namespace qbx::sim {

// Identification request, mode query and mode switch.
void RegisterIdentityCommands(CProtocolEngine& engine);
// Slots, headers, configuration byte, network settings.
void RegisterRecordCommands(CProtocolEngine& engine);
// Function data from the PC into the selected slot (the device drives).
void RegisterSlotUpload(CProtocolEngine& engine);
// Function data from the selected slot to the PC (the program drives).
void RegisterSlotDownload(CProtocolEngine& engine);
// OS images and the bootloader firmware from the PC (the device drives).
void RegisterImagePhases(CProtocolEngine& engine);
// The LINKBOX's own data image, written (the device drives) and read (the
// program drives).
void RegisterBootDataPhases(CProtocolEngine& engine);
// A web page from the PC (the device drives); a LINKBOX only.
void RegisterWebPageUpload(CProtocolEngine& engine);

inline void RegisterBootloaderCommands(CProtocolEngine& engine) {
    RegisterIdentityCommands(engine);
    RegisterRecordCommands(engine);
    RegisterSlotUpload(engine);
    RegisterSlotDownload(engine);
    RegisterImagePhases(engine);
    RegisterBootDataPhases(engine);
    RegisterWebPageUpload(engine);
}

} // namespace qbx::sim

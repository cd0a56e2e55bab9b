#include <memory>

#include "sim/bootloader_commands.h"
#include "sim/data_phase.h"

namespace qbx::sim {

namespace {

// "!C", then the reply body (the request as kind 0x40) and, once that is
// acknowledged, the requested bytes of the selected slot with their sum.
// Nothing is kept between the blocks: the program asks by address.
void ServeBlock(CProtocolEngine& engine, const CFrame& request, CBlockCounter& counter) {
    const int number = counter.Count(FrameAddress(request));
    if (!engine.SendAck()) return;
    if (SentRefusalOrError(engine, Reframed(kKindRefusal, request), number)) return;
    const CBytes& data = engine.State().Slot(engine.SelectedSlot()).data;
    CAnswer block = CheckedData(data, FrameAddress(request), request[kFrameCountAt]);
    engine.Answer(CheckedFrame(Reframed(kKindAnswer, request)), true,
                  [block = std::move(block)](CProtocolEngine& e) { e.Answer(block, true); });
}

} // namespace

void RegisterSlotDownload(CProtocolEngine& engine) {
    auto counter = std::make_shared<CBlockCounter>();
    engine.Register(kCmdSlotDownload, [counter](CProtocolEngine& e, const CFrame& request) {
        ServeBlock(e, request, *counter);
    });
}

} // namespace qbx::sim

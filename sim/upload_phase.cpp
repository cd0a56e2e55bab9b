#include <algorithm>
#include <memory>

#include "sim/block_intake.h"
#include "sim/bootloader_commands.h"

namespace qbx::sim {

namespace {

// One upload into the selected slot. The device asks for the size of the
// header the program has just written, block by block (ascending, or from
// the last block to the first), and keeps header and data apart until the
// program has acknowledged the end frame, so that a transfer that breaks
// off leaves the slot as it was.
class CUpload : public CBlockIntake {
  public:
    CUpload(int slotNumber, const CHeaderRecord& newHeader, std::uint8_t blockSize, bool backwards)
        : CBlockIntake(kCmdSlotUpload, false), slot(slotNumber), header(newHeader),
          size(header.status == kStatusHasData ? header.size : 0),
          block(std::max<std::uint8_t>(blockSize, 1)), blocks((size + block - 1) / block),
          descending(backwards), data(size, 0xFF) {}

  private:
    std::optional<CBlockPlan> Plan(CFaultPlan& faults, int frameNumber) override;
    void Received(std::span<const std::uint8_t> bytes) override;
    void Commit(CProtocolEngine& engine) override;
    // Block `index` of the order the device asks in.
    CBlockPlan Planned(std::uint32_t index) const;

    const int slot;
    const CHeaderRecord header;
    const std::uint32_t size;
    const std::uint8_t block;
    const std::uint32_t blocks;
    const bool descending;
    CBytes data;
    std::uint32_t done = 0; // planned blocks received
    CBlockPlan current;
    bool extra = false; // the current request is an injected extra one
};

CBlockPlan CUpload::Planned(std::uint32_t index) const {
    const std::uint32_t position = descending ? blocks - 1 - index : index;
    const std::uint32_t address = position * block;
    return {address, static_cast<std::uint8_t>(std::min<std::uint32_t>(block, size - address))};
}

// An injected extra request goes in front of the one that was due.
std::optional<CBlockPlan> CUpload::Plan(CFaultPlan& faults, int frameNumber) {
    const auto injected = faults.TakeExtraRequest(frameNumber);
    extra = injected.has_value();
    if (!extra && done >= blocks) return std::nullopt;
    current =
        extra ? CBlockPlan{injected->address, injected->count ? injected->count : block} : Planned(done);
    return current;
}

// Bytes of an extra request beyond the size have no place in the slot.
void CUpload::Received(std::span<const std::uint8_t> bytes) {
    for (std::size_t i = 0; i < bytes.size() && current.address + i < data.size(); ++i)
        data[current.address + i] = bytes[i];
    if (!extra) ++done;
}

void CUpload::Commit(CProtocolEngine& engine) {
    engine.Faults().TakeFlip(data);
    CSlot& target = engine.State().Slot(slot);
    target.header = header;
    target.data = std::move(data);
    engine.Faults().Stored(target.header);
    engine.DropHeldHeader(slot);
    engine.Changed();
}

// "!C", then the device takes over. The size comes from the header written
// for this upload (else the slot's own); a header without data gets the
// end frame at once.
void StartUpload(CProtocolEngine& engine, const CFrame&) {
    if (!engine.SendAck()) return;
    const int slot = engine.SelectedSlot();
    std::make_shared<CUpload>(slot, engine.HeaderForUpload(slot), engine.Profile().uploadBlock,
                              engine.Faults().descending)
        ->Next(engine);
}

} // namespace

void RegisterSlotUpload(CProtocolEngine& engine) {
    engine.Register(kCmdSlotUpload, StartUpload);
}

} // namespace qbx::sim

#include <algorithm>
#include <memory>

#include "sim/block_intake.h"
#include "sim/bootloader_commands.h"
#include "sim/data_phase.h"

// The LINKBOX's own data image. Written: after the program's start frame the
// device asks for the size of the header written just before, block by
// block, and keeps header and image apart until the program has
// acknowledged the end frame. Read: the program asks for blocks by address
// within the stored header's size; a request reaching beyond it is refused.
namespace qbx::sim {

namespace {

std::uint32_t DataSize(const CHeaderRecord& header) {
    return header.status == kStatusHasData ? header.size : 0;
}

class CBootDataWrite : public CBlockIntake {
  public:
    CBootDataWrite(const CHeaderRecord& newHeader, std::uint8_t blockSize)
        : CBlockIntake(kCmdBootDataWrite, false), header(newHeader), size(DataSize(newHeader)),
          block(std::max<std::uint8_t>(blockSize, 1)), image(size, 0xFF) {}

  private:
    // Ascending blocks; an injected extra request goes in front of the one due.
    std::optional<CBlockPlan> Plan(CFaultPlan& faults, int frameNumber) override {
        const auto injected = faults.TakeExtraRequest(frameNumber);
        extra = injected.has_value();
        if (extra) return current = CBlockPlan{injected->address, injected->count ? injected->count : block};
        if (address >= size) return std::nullopt;
        return current = CBlockPlan{
                   address, static_cast<std::uint8_t>(std::min<std::uint32_t>(block, size - address))};
    }
    // Bytes of an extra request beyond the size have no place in the image.
    void Received(std::span<const std::uint8_t> bytes) override {
        for (std::size_t i = 0; i < bytes.size() && current.address + i < image.size(); ++i)
            image[current.address + i] = bytes[i];
        if (!extra) address += current.count;
    }
    void Commit(CProtocolEngine& engine) override {
        engine.Faults().TakeFlip(image);
        engine.State().deviceHeader = header;
        engine.State().deviceImage = std::move(image);
        engine.Faults().Stored(engine.State().deviceHeader);
        engine.DropHeldDeviceHeader();
        engine.Changed();
    }

    const CHeaderRecord header;
    const std::uint32_t size;
    const std::uint8_t block;
    CBytes image;
    std::uint32_t address = 0;
    CBlockPlan current;
    bool extra = false;
};

void StartWrite(CProtocolEngine& engine, const CFrame& start) {
    if (!engine.Profile().HasDataImage()) {
        engine.Refuse(start);
        return;
    }
    if (!engine.SendAck()) return;
    std::make_shared<CBootDataWrite>(engine.DeviceHeaderForWrite(), engine.Profile().uploadBlock)
        ->Next(engine);
}

// "!C", then the reply body and, once that is acknowledged, the bytes with
// their sum; the refusal instead when the block lies outside the image.
void ServeRead(CProtocolEngine& engine, const CFrame& request, CBlockCounter& counter) {
    if (!engine.Profile().HasDataImage()) {
        engine.Refuse(request);
        return;
    }
    const std::uint32_t address = FrameAddress(request);
    const int number = counter.Count(address);
    if (!engine.SendAck()) return;
    const CFrame refusal = Reframed(kKindRefusal, request);
    if (SentRefusalOrError(engine, refusal, number)) return;
    const std::uint32_t count = request[kFrameCountAt];
    if (address + count > DataSize(engine.State().deviceHeader)) {
        engine.Answer(CheckedFrame(refusal), true);
        return;
    }
    CAnswer block = CheckedData(engine.State().deviceImage, address, count);
    engine.Answer(CheckedFrame(Reframed(kKindAnswer, request)), true,
                  [block = std::move(block)](CProtocolEngine& e) { e.Answer(block, true); });
}

} // namespace

void RegisterBootDataPhases(CProtocolEngine& engine) {
    engine.Register(kCmdBootDataWrite, StartWrite);
    auto counter = std::make_shared<CBlockCounter>();
    engine.Register(kCmdBootDataRead, [counter](CProtocolEngine& e, const CFrame& request) {
        ServeRead(e, request, *counter);
    });
}

} // namespace qbx::sim

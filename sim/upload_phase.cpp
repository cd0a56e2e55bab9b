#include <algorithm>
#include <memory>

#include "sim/bootloader_commands.h"
#include "sim/data_phase.h"

namespace qbx::sim {

namespace {

// One block the device asks for.
struct CRequestPlan {
    std::uint32_t address = 0;
    std::uint8_t count = 0;
};

// One upload into the selected slot. The device asks for the size of the
// header the program has just written, block by block (ascending, or from
// the last block to the first), and keeps header and data apart until the
// program has acknowledged the end frame, so that a transfer that breaks
// off leaves the slot as it was.
class CUpload : public std::enable_shared_from_this<CUpload> {
  public:
    CUpload(int slotNumber, const CHeaderRecord& newHeader, std::uint8_t blockSize, bool backwards)
        : slot(slotNumber), header(newHeader), size(header.status == kStatusHasData ? header.size : 0),
          block(std::max<std::uint8_t>(blockSize, 1)), blocks((size + block - 1) / block),
          descending(backwards), data(size, 0xFF) {}

    // The device's next frame: busy frames when they are due, then the next
    // request, or the end frame once the size is covered; a refusal or a
    // device error in its place ends the phase.
    void Next(CProtocolEngine& engine);

  private:
    void AwaitHeader(CProtocolEngine& engine);
    void AwaitData(CProtocolEngine& engine);
    void OnHeader(CProtocolEngine& engine, const CBytes& bytes);
    void OnData(CProtocolEngine& engine, const CBytes& bytes);
    void Commit(CProtocolEngine& engine);
    // Block `index` of the order the device asks in.
    CRequestPlan Planned(std::uint32_t index) const;

    const int slot;
    const CHeaderRecord header;
    const std::uint32_t size;
    const std::uint8_t block;
    const std::uint32_t blocks;
    const bool descending;
    CBytes data;
    std::uint32_t done = 0; // planned blocks received
    int frameNumber = 0;    // frames of this phase sent so far, busy frames not counted
    CRequestPlan current;
    bool extra = false; // the current request is an injected extra one
    CFrame request{};
};

CRequestPlan CUpload::Planned(std::uint32_t index) const {
    const std::uint32_t position = descending ? blocks - 1 - index : index;
    const std::uint32_t address = position * block;
    return {address, static_cast<std::uint8_t>(std::min<std::uint32_t>(block, size - address))};
}

void CUpload::Next(CProtocolEngine& engine) {
    const auto self = shared_from_this(); // the engine may drop its handlers meanwhile
    CFaultPlan& faults = engine.Faults();
    if (faults.TakeBusy(frameNumber + 1)) {
        engine.Answer(CheckedFrame(MakeFrame(kKindBusy, kCmdSlotUpload)), true,
                      [self](CProtocolEngine& e) { self->Next(e); });
        return;
    }
    ++frameNumber;
    if (faults.refuseData) {
        engine.Answer(CheckedFrame(MakeFrame(kKindRefusal, kCmdSlotUpload)), true);
        return;
    }
    if (const auto code = faults.TakeDeviceError(frameNumber)) {
        engine.Answer(CheckedFrame(ErrorFrame(*code)), true);
        return;
    }
    const auto injected = faults.TakeExtraRequest(frameNumber);
    extra = injected.has_value();
    if (!extra && done >= blocks) {
        CAnswer end = CheckedFrame(MakeFrame(kKindEnd, kCmdSlotUpload));
        end.uploadEnd = true;
        engine.Answer(std::move(end), true, [self](CProtocolEngine& e) { self->Commit(e); });
        return;
    }
    current = extra ? CRequestPlan{injected->address, injected->count ? injected->count : block} : Planned(done);
    request = MakeBlockFrame(kKindRequest, kCmdSlotUpload, current.address, current.count);
    engine.Answer(CheckedFrame(request), true, [self](CProtocolEngine& e) { self->AwaitHeader(e); });
}

void CUpload::AwaitHeader(CProtocolEngine& engine) {
    engine.ExpectBlock(kFrameSize, [self = shared_from_this()](CProtocolEngine& e, const CBytes& b) {
        self->OnHeader(e, b);
    });
}

void CUpload::AwaitData(CProtocolEngine& engine) {
    engine.ExpectBlock(current.count + 1u, [self = shared_from_this()](CProtocolEngine& e, const CBytes& b) {
        self->OnData(e, b);
    });
}

// Only the answer to this very request will do: anything else is refused
// like a damaged block, and the device waits for the same bytes again (as it
// does when its own acknowledgement was spoilt, since the program repeats).
void CUpload::OnHeader(CProtocolEngine& engine, const CBytes& bytes) {
    CFrame answer{};
    std::copy(bytes.begin(), bytes.end(), answer.begin());
    const bool sumOk = FrameSumOk(answer);
    if (sumOk && answer[0] == kKindRequest && answer[1] == kFrameMark) {
        engine.GiveBack(bytes); // the program has given up the upload
        return;
    }
    if (sumOk && !engine.Admit()) {
        AwaitHeader(engine);
        return;
    }
    if (!sumOk || answer != Reframed(kKindAnswer, request)) {
        engine.SendNak();
        AwaitHeader(engine);
        return;
    }
    if (engine.SendAck())
        AwaitData(engine);
    else
        AwaitHeader(engine);
}

// Bytes of an extra request beyond the size have no place in the slot.
void CUpload::OnData(CProtocolEngine& engine, const CBytes& bytes) {
    const std::size_t count = bytes.size() - 1;
    if (Sum8(bytes.data(), count) != bytes[count]) {
        engine.SendNak();
        AwaitData(engine);
        return;
    }
    if (!engine.Admit() || !engine.SendAck()) {
        AwaitData(engine);
        return;
    }
    for (std::size_t i = 0; i < count && current.address + i < data.size(); ++i)
        data[current.address + i] = bytes[i];
    if (!extra) ++done;
    Next(engine);
}

void CUpload::Commit(CProtocolEngine& engine) {
    CSlot& target = engine.State().Slot(slot);
    target.header = header;
    target.data = std::move(data);
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

#include <algorithm>
#include <memory>

#include "sim/bootloader_commands.h"
#include "sim/data_phase.h"

namespace qbx::sim {

namespace {

// One upload into the selected slot. The device asks for the slot's size
// (from the header the program has just written) block by block, and keeps
// what arrives apart until the program has acknowledged the end frame, so
// that a transfer that breaks off leaves the slot's old data alone.
class CUpload : public std::enable_shared_from_this<CUpload> {
  public:
    CUpload(int slotNumber, std::uint32_t dataSize, std::uint8_t blockSize)
        : slot(slotNumber), size(dataSize), block(std::max<std::uint8_t>(blockSize, 1)),
          data(dataSize, 0xFF) {}

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
    std::uint8_t Count() const {
        return static_cast<std::uint8_t>(std::min<std::uint32_t>(block, size - address));
    }

    const int slot;
    const std::uint32_t size;
    const std::uint8_t block;
    CBytes data;
    std::uint32_t address = 0;
    int frameNumber = 0; // frames of this phase sent so far, busy frames not counted
    CFrame request{};
};

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
    if (address >= size) {
        engine.Answer(CheckedFrame(MakeFrame(kKindEnd, kCmdSlotUpload)), true,
                      [self](CProtocolEngine& e) { self->Commit(e); });
        return;
    }
    request = MakeBlockFrame(kKindRequest, kCmdSlotUpload, address, Count());
    engine.Answer(CheckedFrame(request), true, [self](CProtocolEngine& e) { self->AwaitHeader(e); });
}

void CUpload::AwaitHeader(CProtocolEngine& engine) {
    engine.ExpectBlock(kFrameSize, [self = shared_from_this()](CProtocolEngine& e, const CBytes& b) {
        self->OnHeader(e, b);
    });
}

void CUpload::AwaitData(CProtocolEngine& engine) {
    engine.ExpectBlock(Count() + 1u, [self = shared_from_this()](CProtocolEngine& e, const CBytes& b) {
        self->OnData(e, b);
    });
}

// Only the answer to this very request will do: anything else is refused
// like a damaged block, and the device waits for the same bytes again (as it
// does when its own acknowledgement was spoilt, since the program repeats).
void CUpload::OnHeader(CProtocolEngine& engine, const CBytes& bytes) {
    CFrame header{};
    std::copy(bytes.begin(), bytes.end(), header.begin());
    const bool sumOk = FrameSumOk(header);
    if (sumOk && header[0] == kKindRequest && header[1] == kFrameMark) {
        engine.GiveBack(bytes); // the program has given up the upload
        return;
    }
    if (sumOk && !engine.Admit()) {
        AwaitHeader(engine);
        return;
    }
    if (!sumOk || header != Reframed(kKindAnswer, request)) {
        engine.SendNak();
        AwaitHeader(engine);
        return;
    }
    if (engine.SendAck())
        AwaitData(engine);
    else
        AwaitHeader(engine);
}

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
    std::copy_n(bytes.begin(), count, data.begin() + address);
    address += static_cast<std::uint32_t>(count);
    Next(engine);
}

void CUpload::Commit(CProtocolEngine& engine) {
    engine.State().Slot(slot).data = std::move(data);
    engine.Changed();
}

// "!C", then the device takes over. The size comes from the selected slot's
// header; a slot without data gets the end frame at once.
void StartUpload(CProtocolEngine& engine, const CFrame&) {
    if (!engine.SendAck()) return;
    const int slot = engine.SelectedSlot();
    const CHeaderRecord& header = engine.State().Slot(slot).header;
    const std::uint32_t size = header.status == kStatusHasData ? header.size : 0;
    std::make_shared<CUpload>(slot, size, engine.Profile().uploadBlock)->Next(engine);
}

} // namespace

void RegisterSlotUpload(CProtocolEngine& engine) {
    engine.Register(kCmdSlotUpload, StartUpload);
}

} // namespace qbx::sim

#include <algorithm>
#include <memory>

#include "sim/bootloader_commands.h"
#include "sim/data_phase.h"

// The device side of the update data phases: the program image and the boot
// sector image of an OS update (0x1F, 0x1E) and the bootloader's own
// firmware (0x3F). The device asks for the image block by block; the program
// answers each request with the bytes, or with the no-data answer when the
// file holds nothing there, and the device keeps what it received.
namespace qbx::sim {

namespace {

class CImageIntake : public std::enable_shared_from_this<CImageIntake> {
  public:
    CImageIntake(std::uint8_t phaseCode, std::uint32_t imageSize, const CDeviceProfile& profile)
        : code(phaseCode), size(imageSize), block(std::max<std::uint8_t>(profile.uploadBlock, 1)),
          askAgainAfter(profile.askAgainAfter), skipAfter(profile.skipAfter), image(imageSize, 0xFF) {}

    void Next(CProtocolEngine& engine);

  private:
    void AwaitHeader(CProtocolEngine& engine);
    void AwaitData(CProtocolEngine& engine);
    void OnHeader(CProtocolEngine& engine, const CBytes& bytes);
    void OnData(CProtocolEngine& engine, const CBytes& bytes);
    void Advance();
    void Commit(CProtocolEngine& engine);
    std::uint8_t Count() const {
        return static_cast<std::uint8_t>(std::min<std::uint32_t>(block, size - address));
    }

    const std::uint8_t code;
    const std::uint32_t size;
    const std::uint8_t block;
    const int askAgainAfter; // request number whose block is asked a second time; 0 = none
    const int skipAfter;     // request number after which one block is left out; 0 = none
    CBytes image;
    std::uint32_t address = 0;
    int frameNumber = 0; // frames of this phase sent so far, busy frames not counted
    int answered = 0;    // requests answered so far
    CFrame request{};
};

void CImageIntake::Next(CProtocolEngine& engine) {
    const auto self = shared_from_this();
    CFaultPlan& faults = engine.Faults();
    if (faults.TakeBusy(frameNumber + 1)) {
        engine.Answer(CheckedFrame(MakeFrame(kKindBusy, code)), true,
                      [self](CProtocolEngine& e) { self->Next(e); });
        return;
    }
    ++frameNumber;
    if (faults.refuseData) {
        engine.Answer(CheckedFrame(MakeFrame(kKindRefusal, code)), true);
        return;
    }
    if (const auto error = faults.TakeDeviceError(frameNumber)) {
        engine.Answer(CheckedFrame(ErrorFrame(*error)), true);
        return;
    }
    if (address >= size) {
        engine.Answer(CheckedFrame(MakeFrame(kKindEnd, code)), true,
                      [self](CProtocolEngine& e) { self->Commit(e); });
        return;
    }
    request = MakeBlockFrame(kKindRequest, code, address, Count());
    engine.Answer(CheckedFrame(request), true, [self](CProtocolEngine& e) { self->AwaitHeader(e); });
}

void CImageIntake::AwaitHeader(CProtocolEngine& engine) {
    engine.ExpectBlock(kFrameSize, [self = shared_from_this()](CProtocolEngine& e, const CBytes& b) {
        self->OnHeader(e, b);
    });
}

void CImageIntake::AwaitData(CProtocolEngine& engine) {
    engine.ExpectBlock(Count() + 1u, [self = shared_from_this()](CProtocolEngine& e, const CBytes& b) {
        self->OnData(e, b);
    });
}

// The answer to this very request, with data to follow or as the no-data
// answer; anything else is refused like a damaged block.
void CImageIntake::OnHeader(CProtocolEngine& engine, const CBytes& bytes) {
    CFrame header{};
    std::copy(bytes.begin(), bytes.end(), header.begin());
    const bool sumOk = FrameSumOk(header);
    if (sumOk && header[0] == kKindRequest && header[1] == kFrameMark) {
        engine.GiveBack(bytes); // the program has given up the phase
        return;
    }
    if (sumOk && !engine.Admit()) {
        AwaitHeader(engine);
        return;
    }
    CFrame noData = Reframed(kKindAnswer, request);
    noData[2] = kCodeNoData;
    noData[kFrameSumAt] = Sum8(noData.data(), kFrameSumAt);
    const bool withData = sumOk && header == Reframed(kKindAnswer, request);
    if (!withData && !(sumOk && header == noData)) {
        engine.SendNak();
        AwaitHeader(engine);
        return;
    }
    if (!engine.SendAck()) {
        AwaitHeader(engine);
    } else if (withData) {
        AwaitData(engine);
    } else {
        Advance();
        Next(engine);
    }
}

void CImageIntake::OnData(CProtocolEngine& engine, const CBytes& bytes) {
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
    std::copy_n(bytes.begin(), count, image.begin() + address);
    Advance();
    Next(engine);
}

void CImageIntake::Advance() {
    ++answered;
    if (answered == askAgainAfter) return; // the same block once more
    address += Count();
    if (answered == skipAfter) address += std::min<std::uint32_t>(block, size - std::min(size, address));
}

void CImageIntake::Commit(CProtocolEngine& engine) {
    engine.State().images[code] = std::move(image);
    engine.Changed();
}

// "!C", then the device asks. The OS images are as large as the last short
// header announced, unless the command line fixed their size.
void StartImage(CProtocolEngine& engine, const CFrame& start) {
    if (!engine.SendAck()) return;
    const CDeviceProfile& profile = engine.Profile();
    const std::uint8_t code = start[2];
    std::uint32_t size = profile.firmwareSize;
    if (code != kCmdFirmwareUpdate)
        size = profile.osImageSize ? profile.osImageSize : engine.State().shortHeader.size;
    std::make_shared<CImageIntake>(code, size, profile)->Next(engine);
}

} // namespace

void RegisterImagePhases(CProtocolEngine& engine) {
    for (std::uint8_t code : {kCmdOsImage, kCmdOsBootSector, kCmdFirmwareUpdate})
        engine.Register(code, StartImage);
}

} // namespace qbx::sim

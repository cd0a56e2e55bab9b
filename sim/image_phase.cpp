#include <algorithm>
#include <memory>

#include "sim/block_intake.h"
#include "sim/bootloader_commands.h"

// The device side of the update data phases: the program image and the boot
// sector image of an OS update (0x1F, 0x1E) and the bootloader's own
// firmware (0x3F). The device asks for the image block by block; the program
// answers each request with the bytes, or with the no-data answer when the
// file holds nothing there, and the device keeps what it received.
namespace qbx::sim {

namespace {

class CImageIntake : public CBlockIntake {
  public:
    CImageIntake(std::uint8_t phaseCode, std::uint32_t imageSize, const CDeviceProfile& profile)
        : CBlockIntake(phaseCode, true), size(imageSize),
          block(std::max<std::uint8_t>(profile.uploadBlock, 1)), askAgainAfter(profile.askAgainAfter),
          skipAfter(profile.skipAfter), image(imageSize, 0xFF) {}

  private:
    std::optional<CBlockPlan> Plan(CFaultPlan&, int) override;
    void Received(std::span<const std::uint8_t> bytes) override;
    void Commit(CProtocolEngine& engine) override;
    std::uint8_t Count() const {
        return static_cast<std::uint8_t>(std::min<std::uint32_t>(block, size - address));
    }

    const std::uint32_t size;
    const std::uint8_t block;
    const int askAgainAfter; // request number whose block is asked a second time; 0 = none
    const int skipAfter;     // request number after which one block is left out; 0 = none
    CBytes image;
    std::uint32_t address = 0;
    int answered = 0; // requests answered so far
};

std::optional<CBlockPlan> CImageIntake::Plan(CFaultPlan&, int) {
    if (address >= size) return std::nullopt;
    return CBlockPlan{address, Count()};
}

// The bytes (none for the no-data answer) land where they were asked for;
// then the next block, unless a fault asks this one again or skips one.
void CImageIntake::Received(std::span<const std::uint8_t> bytes) {
    std::copy(bytes.begin(), bytes.end(), image.begin() + address);
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

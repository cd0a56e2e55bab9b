#include <algorithm>
#include <memory>

#include "sim/block_intake.h"
#include "sim/bootloader_commands.h"
#include "sim/data_phase.h"

// The LINKBOX's web page upload: the program announces a page's size and
// type, the device asks for it block by block and keeps it, one page per
// type, once the program has acknowledged the end frame.
namespace qbx::sim {

namespace {

// Device error codes for a start the device will not take.
constexpr std::uint8_t kErrorPageType = 21;
constexpr std::uint8_t kErrorPageSize = 22;

class CPageIntake : public CBlockIntake {
  public:
    CPageIntake(std::uint8_t pageType, std::uint32_t pageSize, std::uint8_t blockSize)
        : CBlockIntake(kCmdWebPageUpload, false), type(pageType), size(pageSize),
          block(std::max<std::uint8_t>(blockSize, 1)), page(pageSize, 0xFF) {}

  private:
    std::optional<CBlockPlan> Plan(CFaultPlan&, int) override {
        if (address >= size) return std::nullopt;
        return CBlockPlan{address, static_cast<std::uint8_t>(std::min<std::uint32_t>(block, size - address))};
    }
    void Received(std::span<const std::uint8_t> bytes) override {
        std::copy(bytes.begin(), bytes.end(), page.begin() + address);
        address += static_cast<std::uint32_t>(bytes.size());
    }
    void Commit(CProtocolEngine& engine) override {
        engine.State().pages[type] = std::move(page);
        engine.Changed();
    }

    const std::uint8_t type;
    const std::uint32_t size;
    const std::uint8_t block;
    CBytes page;
    std::uint32_t address = 0;
};

// "!C", then either a device error for a page it cannot take, or its first
// request.
void StartWebPage(CProtocolEngine& engine, const CFrame& start) {
    if (!engine.SendAck()) return;
    const std::uint8_t type = start[kFrameCountAt];
    const std::uint32_t size = FrameAddress(start);
    if (type != kWebPageHtml && type != kWebPageGif) {
        engine.Answer(CheckedFrame(ErrorFrame(kErrorPageType)), true);
    } else if (size == 0 || size > kMaxWebPageSize) {
        engine.Answer(CheckedFrame(ErrorFrame(kErrorPageSize)), true);
    } else {
        std::make_shared<CPageIntake>(type, size, engine.Profile().uploadBlock)->Next(engine);
    }
}

} // namespace

// Other kinds do not know the code and refuse it, as they do any unknown request.
void RegisterWebPageUpload(CProtocolEngine& engine) {
    if (engine.Profile().kind == kDeviceLinkbox) engine.Register(kCmdWebPageUpload, StartWebPage);
}

} // namespace qbx::sim

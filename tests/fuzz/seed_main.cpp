// Makes the seed corpus of a receive-path target: runs the target once per
// flag byte and device kind with the simulator's engine answering, and writes
// the flag byte and what the device answered as one input file each.
//   fuzz_seed_<target> OUTPUT_FOLDER
#include "fuzz_link.h"
#include "sim/bootloader_commands.h"
#include "sim/protocol_engine.h"

#include <cstdio>
#include <fstream>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using namespace qbx;
namespace sim = qbx::sim;

class CSimDevice : public fuzz::ISeedDevice, public sim::IDeviceLine {
  public:
    explicit CSimDevice(std::uint8_t kind) {
        state.mode = sim::CDeviceProfile::DefaultMode(kind);
        Fill();
        sim::CDeviceProfile profile{kind, sim::CDeviceProfile::DefaultVersion(kind), 32};
        // Images as small as the targets' files, so that an update goes through in a short input.
        profile.osImageSize = 256;
        profile.firmwareSize = 256;
        engine = std::make_unique<sim::CProtocolEngine>(profile, state, faults, *this);
        sim::RegisterBootloaderCommands(*engine);
    }

    void NewLine() override {
        engine->OnNewLine();
        pending.clear();
    }
    void Receive(const std::uint8_t* data, std::size_t len) override { engine->Feed(data, len); }
    int Answer(std::uint8_t* data, int len) override {
        if (pending.empty() && engine->WantsQuietCall()) engine->OnQuiet();
        int n = 0;
        while (n < len && !pending.empty()) {
            data[n++] = pending.front();
            recorded.push_back(pending.front());
            pending.erase(pending.begin());
        }
        return n;
    }
    void Send(const sim::CBytes& bytes) override {
        pending.insert(pending.end(), bytes.begin(), bytes.end());
    }
    void Cut() override {}

    std::vector<std::uint8_t> recorded;

  private:
    // Data in every slot and in the device image, so that reads have something to move.
    void Fill() {
        for (int n = 1; n <= sim::kSlotCount; ++n) {
            sim::CSlot& slot = state.Slot(n);
            slot.header.status = sim::kStatusHasData;
            slot.header.kind = 0x85;
            slot.header.size = 40 + 10 * static_cast<std::uint32_t>(n);
            slot.header.textA = {'F', 'W'};
            slot.header.description = {'S', 'l', 'o', 't'};
            slot.data.assign(slot.header.size, static_cast<std::uint8_t>(n));
        }
        state.deviceHeader.status = sim::kStatusHasData;
        state.deviceHeader.kind = sim::kDeviceLinkbox;
        state.deviceHeader.size = 100;
        state.deviceHeader.description = {'B', 'o', 'x'};
        state.deviceImage.assign(100, 0x5A);
    }

    sim::CDeviceState state;
    sim::CFaultPlan faults;
    std::unique_ptr<sim::CProtocolEngine> engine;
    std::vector<std::uint8_t> pending;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    int written = 0;
    for (std::uint8_t kind : {sim::kDeviceSerial, sim::kDeviceLinkbox, sim::kDeviceModalA8}) {
        for (int flags : {0x00, 0x01, 0x04, 0x05, 0x08, 0x11, 0x22, 0x23}) {
            CSimDevice device(kind);
            fuzz::seedDevice = &device;
            fuzz::messagesShown = 0;
            const std::uint8_t flag = static_cast<std::uint8_t>(flags);
            LLVMFuzzerTestOneInput(&flag, 1);
            fuzz::seedDevice = nullptr;
            if (device.recorded.empty()) continue;
            std::printf("device %02X flags %02X: %zu bytes, %s\n", kind, flags, device.recorded.size(),
                        fuzz::messagesShown ? "failed" : "went through");
            char name[64];
            std::snprintf(name, sizeof name, "/sim-%02X-%02X", kind, flags);
            std::ofstream out(argv[1] + std::string(name), std::ios::binary);
            out.put(static_cast<char>(flag));
            out.write(reinterpret_cast<const char*>(device.recorded.data()),
                      static_cast<std::streamsize>(device.recorded.size()));
            ++written;
        }
    }
    std::printf("%d seeds written\n", written);
    return written > 0 ? 0 : 1;
}

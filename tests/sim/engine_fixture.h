#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "sim/bootloader_commands.h"
#include "tests/sim/raw_line.h"

// The simulator's engine without a process: bytes in, bytes out.
namespace qbx::sim {

using CWire = test::CWire;

class CRecordingLine : public IDeviceLine {
  public:
    void Send(const CBytes& bytes) override { out.insert(out.end(), bytes.begin(), bytes.end()); }
    void SendInTwo(const CBytes& bytes, std::size_t first) override {
        splits.push_back(out.size() + first);
        Send(bytes);
    }
    void Cut() override { ++cuts; }
    CWire out;
    std::vector<std::size_t> splits; // where a reply was split, as offsets into `out`
    int cuts = 0;
};

class SimEngineFixture : public ::testing::Test {
  protected:
    void Make(std::uint8_t kind, std::uint8_t mode = kModeTransfer,
              std::uint8_t uploadBlock = kDefaultUploadBlock) {
        state.mode = mode;
        CDeviceProfile profile{kind, 30, uploadBlock};
        engine = std::make_unique<CProtocolEngine>(profile, state, faults, line);
        RegisterBootloaderCommands(*engine);
        engine->SetChangeListener([this] { ++changes; });
    }
    // What the device answers to `in`.
    CWire Feed(const CWire& in) {
        line.out.clear();
        line.splits.clear();
        engine->Feed(in.data(), in.size());
        return line.out;
    }
    static CWire Join(CWire a, const CWire& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }

    CDeviceState state;
    CFaultPlan faults;
    CRecordingLine line;
    std::unique_ptr<CProtocolEngine> engine;
    int changes = 0;
};

} // namespace qbx::sim

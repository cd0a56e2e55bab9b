#pragma once
#include "sim/device_side.h"

namespace qbx::sim {

// A serial loop-back plug: every byte comes straight back.
class CLoopbackPlug : public IDeviceSide {
  public:
    explicit CLoopbackPlug(IDeviceLine& deviceLine) : line(deviceLine) {}
    void Feed(const std::uint8_t* data, std::size_t len) override { line.Send(CBytes(data, data + len)); }
    bool WantsQuietCall() const override { return false; }
    void OnQuiet() override {}
    void OnNewLine() override {}

  private:
    IDeviceLine& line;
};

// A pulled cable: what arrives is traced by the line and goes nowhere.
class CPulledCable : public IDeviceSide {
  public:
    void Feed(const std::uint8_t*, std::size_t) override {}
    bool WantsQuietCall() const override { return false; }
    void OnQuiet() override {}
    void OnNewLine() override {}
};

} // namespace qbx::sim

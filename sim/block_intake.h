#pragma once
#include <memory>
#include <optional>
#include <span>

#include "sim/protocol_engine.h"

// The device side of a data phase in which the device asks for the data:
// it asks for a block, takes the program's answer header, then the bytes
// with their sum, acknowledges them and goes on, until it sends the end
// frame. What is asked for, and what becomes of the bytes, is left to the
// phase.
namespace qbx::sim {

// One block the device asks for.
struct CBlockPlan {
    std::uint32_t address = 0;
    std::uint8_t count = 0;
};

class CBlockIntake : public std::enable_shared_from_this<CBlockIntake> {
  public:
    virtual ~CBlockIntake() = default;

    // The device's next frame: busy frames when they are due, then the next
    // request, or the end frame once everything is in; a refusal or a
    // device error in its place ends the phase.
    void Next(CProtocolEngine& engine);

  protected:
    // `noDataAnswer`: the program may answer a request with the no-data
    // answer instead of a block.
    CBlockIntake(std::uint8_t phaseCode, bool noDataAnswer) : code(phaseCode), noDataAllowed(noDataAnswer) {}

    // The block to ask for as frame `frameNumber` of the phase, or nothing
    // when the end frame is due.
    virtual std::optional<CBlockPlan> Plan(CFaultPlan& faults, int frameNumber) = 0;
    // The acknowledged answer to the current request: its bytes, or none
    // for the no-data answer.
    virtual void Received(std::span<const std::uint8_t> bytes) = 0;
    // The program has acknowledged the end frame.
    virtual void Commit(CProtocolEngine& engine) = 0;

    const std::uint8_t code;

  private:
    void AwaitHeader(CProtocolEngine& engine);
    void AwaitData(CProtocolEngine& engine);
    void OnHeader(CProtocolEngine& engine, const CBytes& bytes);
    void OnData(CProtocolEngine& engine, const CBytes& bytes);

    const bool noDataAllowed;
    int frameNumber = 0; // frames of this phase sent so far, busy frames not counted
    CFrame request{};
};

} // namespace qbx::sim

#pragma once
#include <cstdint>
#include <vector>

// The raw paced baseline: the very bytes of a run, in its order and turns,
// through the simulator's own paced line, with nothing else on either side.
namespace bench {

// One call the program made on its link, with what moved.
struct LinkStep {
    enum Kind { Open, Write, Read, Pause } kind;
    std::vector<std::uint8_t> bytes = {}; // Write, Read
    int ms = 0;                           // Pause
};
using LinkScript = std::vector<LinkStep>;

// Adds a call to `script`, joining it to the step before where both move
// bytes the same way.
void Record(LinkScript& script, LinkStep::Kind kind, const std::uint8_t* data, int len, int ms = 0);

// Plays `script` over a pseudo-terminal: the device's turns from the
// simulator's line code (its pacing at `baud`, its adapter hold of
// `latencyMs`, its serving loop) in a process of its own; the program side
// writes, reads exactly what the run read, sleeps the pauses and `settleMs`
// at each open. The seconds the program side took; negative on failure.
double RawPacedSeconds(const LinkScript& script, std::uint32_t baud, int latencyMs, int settleMs);

} // namespace bench

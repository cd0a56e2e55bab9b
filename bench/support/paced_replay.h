#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The raw paced baseline: the very bytes of a run, in its order and turns,
// played by a program side that does nothing else, against the same
// simulator on the same paced line right after the run. The device's own
// work and the line are in both; what the run takes beyond is the program's.
namespace bench {

// One call the program made on its link, with what moved.
struct LinkStep {
    enum Kind { Open, Write, Read, Pause } kind;
    std::vector<std::uint8_t> bytes = {}; // Write, Read
    int ms = 0;                           // Pause
    double at = 0;                        // steady-clock seconds at the end of the call
};
using LinkScript = std::vector<LinkStep>;

// Adds a call to `script`, joining it to the step before where both move
// bytes the same way.
void Record(LinkScript& script, LinkStep::Kind kind, const std::uint8_t* data, int len, int ms = 0);

// Plays the program's side of `script` against the device on the serial
// line `port`: writes, reads exactly what the run read (and fails where the
// device answers otherwise), sleeps the pauses and `settleMs` at each open.
// The seconds it took; negative on failure. `ends`, where given, gets the
// clock at the end of each step.
double ReplaySeconds(const LinkScript& script, const std::string& port, int settleMs,
                     std::vector<double>* ends = nullptr);

// The best of some rounds of a run and of its replay, taken in turns so that
// both see the same machine: on a shared machine another program lands in
// many a round of some seconds.
struct BestPair {
    double run = 0, replay = 0;
    int rounds = 0;
    bool failed = false; // a round that failed fails the pair
    void Add(double runSeconds, double replaySeconds);
    bool Failed() const { return failed || rounds == 0; }
    double Ratio() const { return run / replay; }
};

// With QBX_BENCH_STEPS=FILE set, appends both timelines (the run's and the
// replay's, a line a step: name, kind, bytes, end times from the first step)
// to FILE, to see where a run spends what its baseline does not.
void DumpTimelines(const std::string& name, const LinkScript& run, const std::vector<double>& replay);

} // namespace bench

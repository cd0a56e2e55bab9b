#pragma once
#include "bench/soak/soak_link.h"
#include "bench/soak/soak_plan.h"
#include "bench/soak/soak_watchdog.h"

#include <chrono>
#include <string>
#include <vector>

// One soak transfer: a fresh simulator with the plan's fault, the operation
// run through the library as the front ends run it, and the checks of what
// it showed and left behind.
namespace soak {

struct Outcome {
    bool succeeded = false;
    std::vector<int> shown; // message numbers, in the operation's group
    int questions = 0;
    double seconds = 0; // the operation alone, without the simulator's start and stop
    std::chrono::milliseconds bound{0};
    std::vector<std::string> problems; // failed checks; empty when all held
};

struct Folders {
    std::string files;  // the transfer's source and target files, emptied before each
    std::string device; // the simulator's state file
};

// The watchdog's bound: ten times every time-out and pause the transfer
// may legitimately wait out with its fault.
std::chrono::milliseconds TransferBound(const TransferPlan& plan, const SoakTiming& waits);

Outcome RunTransfer(const TransferPlan& plan, const SoakTiming& waits, const Folders& folders,
                    CWatchdog& watchdog);

} // namespace soak

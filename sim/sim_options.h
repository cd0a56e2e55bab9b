#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/device_profile.h"
#include "sim/device_state.h"
#include "sim/faults.h"
#include "sim/line_loop.h"
#include "sim/slot_seed.h"

// The command line of qbx-sim.
namespace qbx::sim {

struct CSimOptions {
    CDeviceProfile profile;
    std::optional<std::uint8_t> mode;       // overrides the state file and the kind's default
    std::optional<std::uint8_t> configByte; // overrides the state file
    std::optional<CNetworkRecord> network;  // overrides the state file
    bool tcp = false;
    std::uint16_t tcpPort = 0;
    bool pty = false;
    std::string linkPath;
    bool echo = false;
    bool held = false; // the pty's slave locked, as another program holding the port would
    std::string statePath;
    std::string tracePath;
    std::vector<CSlotSeed> seeds;
    std::optional<CSlotSeed> bootData; // the LINKBOX's data image

    std::uint32_t baud = 0;
    int quietMs = kDefaultQuietMs;
    int latencyMs = 0; // a USB adapter's latency timer between the line and the program
    CFaultPlan faults;
};

enum : int {
    kOptionsOk = 0,
    kOptionsHelp = 1, // --help: print the usage and stop
    kOptionsBad = 2,  // `error` says what is wrong
};

int ParseSimOptions(const std::vector<std::string>& args, CSimOptions& options, std::string& error);

const char* SimUsage();

} // namespace qbx::sim

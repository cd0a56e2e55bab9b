#pragma once
#include <string>

#include "sim/device_state.h"

// The device's memory on disk: a line-oriented text file, described in
// sim/README.md, so that a person can read and seed it by hand.
namespace qbx::sim {

enum : int {
    kStateLoaded = 0,
    kStateMissing = 1,    // no such file: the state keeps its defaults
    kStateUnreadable = 2, // the file exists but cannot be read
    kStateMalformed = 3,  // a line is not understood; `badLine` tells which
};

// Reads `path` into `state`. Lines not present leave their part of the state
// as it was. On kStateMalformed the state may be partly filled, and `why`
// (when given) says what is wrong with the line.
int LoadStateFile(const std::string& path, CDeviceState& state, int& badLine, std::string* why = nullptr);

// Writes the whole state to a temporary file beside `path`, which then
// takes its place, so a reader never sees half a state. Only a regular file
// or nothing is replaced (false otherwise).
bool SaveStateFile(const std::string& path, const CDeviceState& state);

// The fields of a `network` line ("A1 A2 A3 P W1 W2"), as the state file
// and the --network option write them.
bool ParseNetworkFields(const std::string& fields, CNetworkRecord& network);

} // namespace qbx::sim

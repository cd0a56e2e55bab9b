#pragma once
#include <string>
#include <vector>

namespace qbx {

// qbx [--folder DIR] [--yes] [--json] [--trace FILE] COMMAND [ARGS]
struct CommandLine {
    std::string folder; // empty: the folder of the qbx executable
    bool yes = false;
    bool json = false;     // events as JSON lines on standard output
    std::string tracePath; // the session log; empty: none
    std::string command;
    std::vector<std::string> arguments;
};

// False (with a reason) when the options cannot be understood; the options
// read before the fault are set, so that --json still shapes the answer.
bool ParseCommandLine(int argc, char** argv, CommandLine& line, std::string& reason);

const char* UsageText();

} // namespace qbx

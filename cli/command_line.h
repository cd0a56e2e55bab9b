#pragma once
#include <string>
#include <vector>

namespace qbx {

// qbx [--folder DIR] [--yes] COMMAND [ARGS]
struct CommandLine {
    std::string folder; // empty: the folder of the qbx executable
    bool yes = false;
    std::string command;
    std::vector<std::string> arguments;
};

// False (with a reason) when the options cannot be understood.
bool ParseCommandLine(int argc, char** argv, CommandLine& line, std::string& reason);

const char* UsageText();

} // namespace qbx

#pragma once
#include <string>
#include <vector>

namespace qbx {

// qbx [OPTIONS] COMMAND [ARGS]; the options may also follow the command.
struct CommandLine {
    std::string folder; // empty: the folder of the qbx executable
    bool yes = false;
    bool json = false;     // events as JSON lines on standard output
    std::string tracePath; // the session log; empty: none
    std::string port;      // --port COMn|PATH; empty: the link of qbx_man.ini
    std::string tcp;       // --tcp HOST[:PORT]
    bool help = false;
    bool version = false;
    std::string command;
    std::vector<std::string> arguments;
};

// False (with a reason) when the options cannot be understood; the options
// read before the fault are set, so that --json still shapes the answer.
// After the command, what is none of qbx's own options is the command's
// ("--verify", "--welcome FILE"); "--" ends the options.
bool ParseCommandLine(int argc, char** argv, CommandLine& line, std::string& reason);

const char* UsageText();

} // namespace qbx

#include "cli/command_line.h"

namespace qbx {

namespace {

// An option that takes a value, as "--name VALUE" or "--name=VALUE".
struct ValueOption {
    const char* name;
    std::string CommandLine::*field;
    const char* missing;
};

constexpr ValueOption kValueOptions[] = {
    {"--folder", &CommandLine::folder, "--folder needs a folder"},
    {"--trace", &CommandLine::tracePath, "--trace needs a file"},
    {"--port", &CommandLine::port, "--port needs COM1 to COM6 or a device path"},
    {"--tcp", &CommandLine::tcp, "--tcp needs HOST or HOST:PORT"},
};

// 1 when `arg` was one of qbx's options (with its value), 0 when it is none,
// -1 after a fault.
int TakeOption(int argc, char** argv, int& i, CommandLine& line, std::string& reason) {
    const std::string arg = argv[i];
    if (arg == "--yes") {
        line.yes = true;
    } else if (arg == "--json") {
        line.json = true;
    } else if (arg == "--help" || arg == "-h") {
        line.help = true;
    } else if (arg == "--version") {
        line.version = true;
    } else {
        for (const ValueOption& option : kValueOptions) {
            const std::string name = option.name;
            std::string value;
            if (arg == name) {
                if (i + 1 >= argc) {
                    reason = option.missing;
                    return -1;
                }
                value = argv[++i];
            } else if (arg.rfind(name + "=", 0) == 0) {
                value = arg.substr(name.size() + 1);
            } else {
                continue;
            }
            // An empty folder has always meant qbx's own.
            if (value.empty() && name != "--folder") {
                reason = option.missing;
                return -1;
            }
            line.*option.field = value;
            return 1;
        }
        return 0;
    }
    return 1;
}

} // namespace

bool ParseCommandLine(int argc, char** argv, CommandLine& line, std::string& reason) {
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded) {
            const int taken = TakeOption(argc, argv, i, line, reason);
            if (taken < 0) return false;
            if (taken > 0) continue;
            if (line.command.empty() && arg.size() > 1 && arg[0] == '-') {
                reason = "unknown option " + arg;
                return false;
            }
        }
        if (line.command.empty())
            line.command = arg;
        else
            line.arguments.push_back(arg);
    }
    if (!line.port.empty() && !line.tcp.empty()) {
        reason = "--port and --tcp exclude each other";
        return false;
    }
    if (line.command.empty() && !line.help && !line.version) {
        reason = "no command given";
        return false;
    }
    return true;
}

const char* UsageText() {
    return "usage: qbx [OPTIONS] COMMAND [ARGS]\n"
           "\n"
           "options (also after the command):\n"
           "  --folder DIR   the folder of qbx_man.ini and the program's other files\n"
           "                 (default: the folder of qbx, or ~/.config/quillbox when\n"
           "                 that cannot be written)\n"
           "  --port COMn|PATH\n"
           "                 use serial port COM1 to COM6 or the device PATH for this run\n"
           "  --tcp HOST[:PORT]\n"
           "                 use the LINKBOX at HOST (port 40000 unless given) for this run\n"
           "  --yes          answer every question with Yes\n"
           "  --json         one JSON object per line on standard output (progress,\n"
           "                 messages, questions, results; the last one is \"result\");\n"
           "                 the human lines go to standard error\n"
           "  --trace FILE   append a session log for support to FILE: the wire\n"
           "                 trace and every message shown\n"
           "  -h, --help     show this help and exit\n"
           "  --version      show the version and exit\n"
           "\n"
           "commands:\n"
           "  identify       which bootloader answers: family, raw type, version\n"
           "  slots          the bootloader's seven storage slots\n"
           "  clear N        empty storage slot N (1 to 7)\n"
           "  upload [--verify] N=FILE...\n"
           "                 send each function-data file FILE into storage slot N;\n"
           "                 --verify reads each slot back and compares it with its file\n"
           "  download N=FILE...\n"
           "                 save storage slot N as FILE (\".dat\" added when it has no\n"
           "                 extension); an existing FILE is replaced only after Yes\n"
           "  os-update FILE.prg [--welcome FILE.bgs]\n"
           "                 new operating system from a program file into the controller\n"
           "                 or bus device; without --welcome the edition's standard page\n"
           "  firmware FILE.frm\n"
           "                 new firmware for the bootloader itself\n"
           "  bootdata read FILE | bootdata write [--verify] FILE\n"
           "                 the LINKBOX's own data image into FILE (\".dat\" added when it\n"
           "                 has no extension) or from FILE into the LINKBOX (--verify:\n"
           "                 read it back and compare)\n"
           "  scan           which bootloader answers on COM1 to COM6 (exit 1: none)\n"
           "  tcp-status [HOST PORT]\n"
           "                 which bootloader answers at HOST:PORT, by default at the\n"
           "                 address of qbx_man.ini (exit 1: none)\n"
           "  mode-switch    switch the bootloader into transfer mode and report its mode\n"
           "  config         the bootloader's configuration byte (and a LINKBOX's network\n"
           "                 settings)\n"
           "  config set KEY=VALUE...\n"
           "                 change them: config=1..8, address1..3=A.B.C.D, byte=N,\n"
           "                 word1=N, word2=N (byte at most 255, words at most 65535)\n"
           "  webpage FILE   an HTML page (.html) or GIF picture (.gif) into the LINKBOX\n"
           "  settings       the link and language of qbx_man.ini and where it is\n"
           "  settings set KEY=VALUE...\n"
           "                 change them: interface=COM1..COM6|tcp, language=de|en|it,\n"
           "                 address=HOST, port=N\n"
           "  check [--welcome FILE.bgs] FILE...\n"
           "                 what a device would get from each file, without a device\n"
           "                 (.dat .prg .frm .bgs .html .gif); exit 1 when a transfer would\n"
           "                 fail or lose data\n"
           "\n"
           "environment:\n"
           "  QUILLBOX_COM1 ... QUILLBOX_COM6\n"
           "                 the device of a COM port (else line n of ports.ini in the\n"
           "                 program folder, else /dev/ttyS0 ... /dev/ttyS5)\n"
           "  QUILLBOX_TRACE=FILE\n"
           "                 record every byte on the wire in FILE\n"
           "\n"
           "exit status: 0 success, 1 the operation failed (its message was printed),\n"
           "2 usage error, 130 and 143 interrupted (SIGINT, SIGTERM)\n";
}

} // namespace qbx

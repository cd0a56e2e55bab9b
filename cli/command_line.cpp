#include "cli/command_line.h"

namespace qbx {

bool ParseCommandLine(int argc, char** argv, CommandLine& line, std::string& reason) {
    int i = 1;
    for (; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--yes") {
            line.yes = true;
        } else if (arg == "--json") {
            line.json = true;
        } else if (arg == "--trace") {
            if (i + 1 >= argc || argv[i + 1][0] == '\0') {
                reason = "--trace needs a file";
                return false;
            }
            line.tracePath = argv[++i];
        } else if (arg.rfind("--trace=", 0) == 0) {
            line.tracePath = arg.substr(8);
            if (line.tracePath.empty()) {
                reason = "--trace needs a file";
                return false;
            }
        } else if (arg == "--folder") {
            if (i + 1 >= argc) {
                reason = "--folder needs a folder";
                return false;
            }
            line.folder = argv[++i];
        } else if (arg.rfind("--folder=", 0) == 0) {
            line.folder = arg.substr(9);
        } else if (arg.size() > 1 && arg[0] == '-') {
            reason = "unknown option " + arg;
            return false;
        } else {
            break;
        }
    }
    if (i >= argc) {
        reason = "no command given";
        return false;
    }
    line.command = argv[i++];
    line.arguments.assign(argv + i, argv + argc);
    return true;
}

const char* UsageText() {
    return "usage: qbx [--folder DIR] [--yes] [--json] [--trace FILE] COMMAND [ARGS]\n"
           "\n"
           "  --folder DIR   program folder with qbx_man.ini and the program's files\n"
           "                 (default: the folder of qbx)\n"
           "  --yes          answer every question with Yes\n"
           "  --json         one JSON object per line on standard output (progress,\n"
           "                 messages, questions, results; the last one is \"result\");\n"
           "                 the human lines go to standard error\n"
           "  --trace FILE   append a session log for support to FILE: the wire\n"
           "                 trace and every message shown\n"
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
           "  check [--welcome FILE.bgs] FILE...\n"
           "                 what a device would get from each file, without a device\n"
           "                 (.dat .prg .frm .bgs .html .gif); exit 1 when a transfer would\n"
           "                 fail or lose data\n";
}

} // namespace qbx

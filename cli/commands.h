#pragma once
#include "cli/console_host.h"

#include <string>
#include <vector>

namespace qbx {

// Exit codes of qbx.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1; // the operation failed; its message was printed
constexpr int kExitUsage = 2;

struct CommandContext {
    CConsoleHost& host;
    const std::vector<std::string>& arguments;
    // The events of --json (disabled without it); its HumanOut() takes
    // what would otherwise go to standard output.
    CJsonEvents& events;
    // The folder qbx was started in, before it changed to the program
    // folder; relative file names on the command line are relative to it.
    std::string startFolder = {};
};

// Takes every "--verify" out of `arguments`; true when there was one.
bool TakeVerifyOption(std::vector<std::string>& arguments);
// Says what is wrong with the arguments; the exit status of a usage error.
int UsageError(CConsoleHost& host, const std::string& reason);
// A file named on the command line, relative to the folder qbx was started in.
std::string FromStartFolder(const std::string& path, const std::string& startFolder);
// A file to be saved under the name `typed` (`path` once ".dat" is added)
// must be one the save can take, known before a link is opened and data
// crosses it: not a folder, in a folder that exists and takes new files.
// False after message `number` (string 11025 with the path at fault).
bool CheckSaveTarget(CConsoleHost& host, int number, const std::string& typed, const std::string& path);

int RunIdentify(CommandContext& context);
int RunSlots(CommandContext& context);
int RunClear(CommandContext& context);
int RunUpload(CommandContext& context);
int RunDownload(CommandContext& context);
int RunOsUpdate(CommandContext& context); // cli/update_commands.cpp
int RunFirmware(CommandContext& context);
int RunScan(CommandContext& context); // cli/scan_commands.cpp
int RunTcpStatus(CommandContext& context);
int RunBootData(CommandContext& context);          // cli/boot_data_commands.cpp
int RunModeSwitchCommand(CommandContext& context); // cli/bootloader_commands.cpp
int RunConfig(CommandContext& context);
int RunWebPage(CommandContext& context);  // cli/web_page_command.cpp
int RunSettings(CommandContext& context); // cli/settings_command.cpp
int RunWebPage(CommandContext& context);  // cli/web_page_command.cpp
int RunCheck(CommandContext& context);    // cli/check_command.cpp

} // namespace qbx

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
};

int RunIdentify(CommandContext& context);
int RunSlots(CommandContext& context);
int RunClear(CommandContext& context);

} // namespace qbx

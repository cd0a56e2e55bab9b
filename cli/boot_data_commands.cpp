// bootdata read FILE, bootdata write FILE: the LINKBOX's own data image
// between the device and a ".dat" file, with the checks the dialog's
// file choosers make.
#include "cli/commands.h"
#include "operations/boot_data_messages.h"
#include "operations/boot_data_transfer.h"
#include "operations/download_preparation_checks.h"
#include "operations/path_length_check.h"
#include "operations/string_ids.h"
#include "platform/program_folder.h"

#include <cstdio>
#include <filesystem>

namespace qbx {
namespace {

int Finish(CConsoleHost& host, bool done) {
    host.EndProgressLine();
    return done ? kExitOk : kExitFailed;
}

int Read(CConsoleHost& host, const std::string& typed) {
    const std::string path = DownloadPath(typed);
    if (!PathFitsField(path)) {
        ReportOverlongPath(host, boot_data::kPathTooLong, path);
        return kExitFailed;
    }
    if (!CheckSaveTarget(host, boot_data::kNotSaved, typed, path)) return kExitFailed;
    BootDataJob job;
    const auto choose = [&](const std::string&, std::string& chosen) {
        chosen = ConfirmBootDataTarget(host, path);
        return !chosen.empty();
    };
    if (!PrepareBootDataRead(host, choose, job)) return kExitFailed;
    host.WatchInterrupts(str::kNothingSavedInterrupted);
    return Finish(host, RunBootDataRead(host, job));
}

int Write(CConsoleHost& host, const std::string& path, bool verify) {
    BootDataJob job;
    if (!PrepareBootDataWrite(host, path, job)) return kExitFailed;
    host.WatchInterrupts(str::kBootDataWriteInterrupted);
    const int shownBefore = host.MessagesShown();
    const bool done = RunBootDataWrite(host, job, {}, verify, true);
    if (!done && host.MessagesShown() == shownBefore) host.Note("the LINKBOX's data were not replaced");
    return Finish(host, done);
}

} // namespace

int RunBootData(CommandContext& context) {
    CConsoleHost& host = context.host;
    std::vector<std::string> arguments = context.arguments;
    const bool verify = TakeVerifyOption(arguments);
    if (arguments.size() != 2 || (arguments[0] != "read" && arguments[0] != "write") ||
        (verify && arguments[0] != "write"))
        return UsageError(host, "expected bootdata read FILE or bootdata write [--verify] FILE");
    host.SetGroup(boot_data::kGroup);
    const std::string path = FromStartFolder(arguments[1], context.startFolder);
    return arguments[0] == "read" ? Read(host, path) : Write(host, path, verify);
}

} // namespace qbx

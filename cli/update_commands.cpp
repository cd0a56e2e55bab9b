// os-update, firmware: the checks of the update dialogs on the command line's
// files, then the transfer itself.
#include "cli/commands.h"
#include "core/settings_store.h"
#include "formats/handover_file.h"
#include "formats/update_file_names.h"
#include "operations/firmware_update.h"
#include "operations/firmware_update_messages.h"
#include "operations/os_update_messages.h"
#include "operations/os_update_preparation.h"
#include "operations/os_update_transfer.h"
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

// FILE.prg [--welcome FILE.bgs]; false with the reason otherwise.
bool ParseOsUpdateArguments(const std::vector<std::string>& arguments, std::string& program,
                            std::string& welcome, std::string& reason) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--welcome" || argument.rfind("--welcome=", 0) == 0) {
            if (!welcome.empty()) return reason = "--welcome is given twice", false;
            if (argument == "--welcome" && i + 1 >= arguments.size())
                return reason = "--welcome needs a welcome-page file", false;
            welcome = argument == "--welcome" ? arguments[++i] : argument.substr(10);
            if (welcome.empty()) return reason = "--welcome needs a welcome-page file", false;
        } else if (program.empty() && !(argument.size() > 1 && argument[0] == '-')) {
            program = argument;
        } else {
            return reason = "unexpected argument " + argument, false;
        }
    }
    if (program.empty()) return reason = "no program file given", false;
    return true;
}

} // namespace

int RunOsUpdate(CommandContext& context) {
    CConsoleHost& host = context.host;
    std::string program, welcome, reason;
    if (!ParseOsUpdateArguments(context.arguments, program, welcome, reason)) return UsageError(host, reason);
    program = FromStartFolder(program, context.startFolder);
    const int edition = ReadEdition();

    host.SetGroup(os_preparation::kGroup);
    OsUpdateHandover paths;
    if (!welcome.empty()) {
        welcome = FromStartFolder(welcome, context.startFolder);
        if (!os_preparation::CheckWelcomePageFile(host, welcome, os_preparation::kWrongWelcomeExtension))
            return kExitFailed;
        // The dialog's chooser only offers files that exist.
        if (!std::filesystem::is_regular_file(welcome))
            return UsageError(host, "no welcome-page file " + welcome);
        paths.welcomePage = welcome;
    } else {
        paths.welcomePage = os_preparation::StandardPagePath(edition); // as with the standard-page box ticked
    }
    if (!os_preparation::CheckProgramFile(host, program, edition)) return kExitFailed;
    paths.programFile = program;
    if (!os_preparation::CheckHandoverPaths(host, paths)) return kExitFailed;
    if (!os_preparation::CheckWelcomePageOpens(host, paths)) return kExitFailed;
    // Kept for the preparation dialog's next start. The transfer takes the
    // paths from here, so that a file that could not be replaced never
    // hands over an earlier choice.
    if (!WriteHandoverFile(paths))
        host.NoteString(str::kFileNotWritable, {FilesFolder() + "/" + kHandoverFileName});
    host.WatchInterrupts(str::kOsUpdateInterrupted);

    host.SetGroup(os_update::kGroup);
    return Finish(host, RunOsUpdate(host, paths));
}

int RunFirmware(CommandContext& context) {
    CConsoleHost& host = context.host;
    if (context.arguments.size() != 1) return UsageError(host, "expected one firmware file");
    const std::string path = FromStartFolder(context.arguments[0], context.startFolder);
    host.SetGroup(firmware_update::kGroup);
    if (!IsFirmwareFileName(path)) {
        host.ShowMessage(firmware_update::kWrongExtension, firmware_update::kStringWrongExtension);
        return kExitFailed;
    }
    host.WatchInterrupts(str::kFirmwareInterrupted);
    return Finish(host, RunFirmwareUpdate(host, path));
}

} // namespace qbx

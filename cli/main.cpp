#include "app/language_module.h"
#include "app/settings_store.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "platform/executable_path.h"
#include "platform/program_folder.h"

#include <QCoreApplication>
#include <cstdio>
#include <filesystem>
#include <map>
#include <unistd.h>

namespace {

using Command = int (*)(qbx::CommandContext&);

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> commands = {
        {"identify", qbx::RunIdentify},
        {"slots", qbx::RunSlots},
        {"clear", qbx::RunClear},
        {"upload", qbx::RunUpload},
        {"download", qbx::RunDownload},
        {"os-update", qbx::RunOsUpdate},
        {"firmware", qbx::RunFirmware},
        {"scan", qbx::RunScan},
        {"tcp-status", qbx::RunTcpStatus},
        {"bootdata", qbx::RunBootData},
        {"mode-switch", qbx::RunModeSwitchCommand},
        {"config", qbx::RunConfig},
        {"webpage", qbx::RunWebPage},
    };
    return commands;
}

// `folder` taken from `base` unless absolute, without a trailing "/" or "/.".
std::string AbsoluteFolder(const std::string& folder, const std::string& base) {
    std::string path = folder[0] == '/' ? folder : base + "/" + folder;
    for (;;) {
        if (path.size() > 1 && path.back() == '/') path.pop_back();
        else if (path.size() > 2 && path.ends_with("/.")) path.resize(path.size() - 2);
        else return path;
    }
}

int Usage(const std::string& reason) {
    if (!reason.empty()) std::fprintf(stderr, "qbx: %s\n", reason.c_str());
    std::fputs(qbx::UsageText(), stderr);
    return qbx::kExitUsage;
}

} // namespace

int main(int argc, char** argv) {
    qbx::CommandLine line;
    std::string reason;
    if (!qbx::ParseCommandLine(argc, argv, line, reason)) return Usage(reason);
    auto command = Commands().find(line.command);
    if (command == Commands().end()) return Usage("unknown command " + line.command);

    std::error_code noFolder;
    std::string startFolder = std::filesystem::current_path(noFolder).string();
    std::string programFolder = qbx::FolderOf(qbx::ExecutablePath());
    // Absolute before the chdir: the program folder names files after it.
    std::string folder = line.folder.empty() ? programFolder : AbsoluteFolder(line.folder, startFolder);
    if (chdir(folder.c_str()) != 0) return Usage("cannot use the folder " + line.folder);
    qbx::SetProgramFolder(folder);

    QCoreApplication application(argc, argv);
    qbx::CSettings settings;
    settings.Load();
    qbx::CLanguageModule module;
    std::string modulePath = programFolder + "/" + qbx::ModuleFileName(settings.language <= 2 ? settings.language : 0);
    if (!module.Load(modulePath, false)) std::fprintf(stderr, "qbx: no language module %s\n", modulePath.c_str());

    qbx::CConsoleHost host(module, 0, line.yes);
    qbx::CommandContext context{host, line.arguments, startFolder};
    int result = command->second(context);
    return result == qbx::kExitUsage ? Usage("wrong arguments for " + line.command) : result;
}

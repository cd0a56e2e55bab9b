#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/interrupt_watch.h"
#include "core/settings_store.h"
#include "language/language_module.h"
#include "link/session_log.h"
#include "operations/string_ids.h"
#include "platform/executable_path.h"
#include "platform/fixed_version.h"
#include "platform/program_folder.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
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
        {"settings", qbx::RunSettings},
        {"check", qbx::RunCheck},
    };
    return commands;
}

// `folder` taken from `base` unless absolute, without a trailing "/" or "/.".
std::string AbsoluteFolder(const std::string& folder, const std::string& base) {
    std::string path = folder[0] == '/' ? folder : base + "/" + folder;
    for (;;) {
        if (path.size() > 1 && path.back() == '/')
            path.pop_back();
        else if (path.size() > 2 && path.ends_with("/."))
            path.resize(path.size() - 2);
        else
            return path;
    }
}

// The product version of the version record, as every binary carries it.
int PrintVersion() {
    qbx::FixedVersionInfo version;
    if (!qbx::ReadFixedVersion(qbx::ExecutablePath(), version)) {
        std::fputs("qbx: the version record cannot be read\n", stderr);
        return qbx::kExitFailed;
    }
    std::printf("qbx %s\n", qbx::FormatProductVersion(version).c_str());
    return qbx::kExitOk;
}

int Usage(const std::string& reason) {
    if (!reason.empty()) std::fprintf(stderr, "qbx: %s\n", reason.c_str());
    std::fputs(qbx::UsageText(), stderr);
    return qbx::kExitUsage;
}

// The command line as a person could type it again.
std::string CommandLineText(int argc, char** argv) {
    std::string text;
    for (int i = 0; i < argc; ++i) {
        std::string arg = argv[i];
        if (!text.empty()) text += ' ';
        if (!arg.empty() && arg.find_first_of(" \t'\"\\$") == std::string::npos) {
            text += arg;
            continue;
        }
        text += '\'';
        for (char c : arg)
            text += c == '\'' ? std::string("'\\''") : std::string(1, c);
        text += '\'';
    }
    return text;
}

std::vector<std::string> SessionHeader(int argc, char** argv, const qbx::CSettings& settings) {
    qbx::FixedVersionInfo version;
    std::string program = qbx::ReadFixedVersion(qbx::ExecutablePath(), version)
                              ? "qbx " + qbx::FormatProductVersion(version)
                              : "qbx (version unknown)";
    return {"Quillbox session log: " + program, "started " + qbx::SessionTimeText(),
            "command line: " + CommandLineText(argc, argv),
            "settings: " + qbx::FileToRead(qbx::FilesFolder(), qbx::kSettingsFileName) + ", link " +
                qbx::SessionLinkText(settings) + ", language " + std::to_string(settings.language)};
}

} // namespace

int main(int argc, char** argv) {
    qbx::CommandLine line;
    std::string reason;
    const bool parsed = qbx::ParseCommandLine(argc, argv, line, reason);
    qbx::CJsonEvents events(line.json);
    // Every way out ends with the result event.
    const auto finish = [&](int code, const std::string& error = "") {
        events.Result(code, line.command, error);
        return code;
    };
    const auto usage = [&](const std::string& why) { return finish(Usage(why), why); };
    if (!parsed) return usage(reason);
    if (line.help) {
        std::fputs(qbx::UsageText(), stdout);
        return qbx::kExitOk;
    }
    if (line.version) return PrintVersion();
    auto command = Commands().find(line.command);
    if (command == Commands().end()) return usage("unknown command " + line.command);

    std::error_code noFolder;
    std::string startFolder = std::filesystem::current_path(noFolder).string();
    std::string programFolder = qbx::FolderOf(qbx::ExecutablePath());
    // Absolute before the chdir: the program folder names files after it.
    std::string folder = line.folder.empty() ? programFolder : AbsoluteFolder(line.folder, startFolder);
    if (chdir(folder.c_str()) != 0) return usage("cannot use the folder " + line.folder);
    // A folder named with --folder keeps the files the program writes too.
    qbx::SetProgramFolder(folder, !line.folder.empty());
    qbx::LinkOverride link;
    if (!qbx::ParseLinkOverride(line.port, line.tcp, startFolder, link, reason)) return usage(reason);

    QCoreApplication application(argc, argv);
    qbx::CSettings settings;
    settings.Load();
    link.ApplyTo(settings); // the session log names the link of the run
    qbx::CLanguageModule module;
    std::string modulePath =
        programFolder + "/" + qbx::ModuleFileName(settings.language <= 2 ? settings.language : 0);
    if (!module.Load(modulePath, false))
        std::fprintf(stderr, "qbx: no language module %s\n", modulePath.c_str());

    qbx::CConsoleHost host(module, 0, line.yes);
    host.SetEvents(&events);
    host.SetLinkOverride(link);
    host.SetCommandName(line.command);
    std::unique_ptr<qbx::CSessionLog> log;
    if (!line.tracePath.empty()) {
        std::string path = AbsoluteFolder(line.tracePath, startFolder);
        int error = 0;
        log = qbx::CSessionLog::Start(path, SessionHeader(argc, argv, settings), &error);
        if (!log) {
            std::string text = qbx::FormatMessage(host.String(qbx::str::kSessionLogNotWritten),
                                                  {path, static_cast<long long>(error)});
            std::replace(text.begin(), text.end(), '\n', ' ');
            std::fprintf(stderr, "qbx: %s\n", text.c_str());
            return finish(qbx::kExitUsage, text);
        }
        host.SetSessionLog(log.get());
    }
    qbx::CommandContext context{host, line.arguments, events, startFolder};
    int result = command->second(context);
    // A signal during a transfer that ended before its next step (a wait
    // for the device that failed) still ends the run as interrupted.
    if (const int signal = qbx::InterruptSignal()) result = 128 + signal;
    if (log) log->Message("qbx", "exit status " + std::to_string(result));
    return result == qbx::kExitUsage ? usage("wrong arguments for " + line.command) : finish(result);
}

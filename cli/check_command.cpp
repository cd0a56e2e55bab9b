// check: what a device would get from each file, without opening a link.
#include "cli/commands.h"
#include "core/settings_store.h"
#include "operations/file_check.h"
#include "operations/os_update_preparation.h"

#include <cstdio>

namespace qbx {
namespace {

// [--welcome FILE.bgs] FILE...; false with the reason otherwise.
bool ParseCheckArguments(const std::vector<std::string>& arguments, std::vector<std::string>& files,
                         std::string& welcome, std::string& reason) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--welcome") {
            if (!welcome.empty()) return reason = "--welcome is given twice", false;
            if (i + 1 >= arguments.size() || arguments[i + 1].empty())
                return reason = "--welcome needs a welcome-page file", false;
            welcome = arguments[++i];
        } else if (argument.empty() || (argument.size() > 1 && argument[0] == '-')) {
            return reason = "unexpected argument " + argument, false;
        } else {
            files.push_back(argument);
        }
    }
    if (files.empty()) return reason = "no file to check given", false;
    return true;
}

void Emit(CommandContext& context, const std::string& file, const CheckFinding& finding,
          const StringLookup& strings) {
    CJsonObject event = CJsonEvents::Event("finding")
                            .String("file", file)
                            .String("severity", SeverityName(finding.severity))
                            .String("code", finding.code);
    if (finding.image != kCheckWholeFile) event.String("image", ImageName(finding.image));
    if (finding.number) event.String("id", FindingMessageId(finding));
    event.String("text", FindingText(finding, strings));
    context.events.Emit(event);
}

} // namespace

int RunCheck(CommandContext& context) {
    CConsoleHost& host = context.host;
    std::vector<std::string> files;
    std::string welcome, reason;
    if (!ParseCheckArguments(context.arguments, files, welcome, reason)) return UsageError(host, reason);
    FileCheckOptions options;
    // As os-update would send it: without --welcome the edition's standard page.
    options.welcomePage = welcome.empty() ? os_preparation::StandardPagePath(ReadEdition())
                                          : FromStartFolder(welcome, context.startFolder);
    const StringLookup strings = [&host](int id) { return host.String(id); };
    std::FILE* out = context.events.HumanOut();
    int failing = 0;
    for (const std::string& file : files) {
        const std::vector<CheckFinding> findings =
            CheckFile(FromStartFolder(file, context.startFolder), options);
        for (const CheckFinding& finding : findings) {
            std::fprintf(out, "%s: %s\n", file.c_str(), FindingLine(finding, strings).c_str());
            Emit(context, file, finding, strings);
        }
        if (CheckFails(findings)) ++failing;
    }
    std::fprintf(out, "%s\n", SummaryLine(static_cast<int>(files.size()), failing, strings).c_str());
    std::fflush(out);
    return failing ? kExitFailed : kExitOk;
}

} // namespace qbx

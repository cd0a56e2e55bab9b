// webpage: the checks of the web page dialog on the command line's file,
// then the upload into the LINKBOX.
#include "cli/commands.h"
#include "operations/web_page_upload.h"
#include "operations/web_page_upload_messages.h"

#include <cstdio>
#include <filesystem>

namespace qbx {

int RunWebPage(CommandContext& context) {
    if (context.arguments.size() != 1 || context.arguments[0].empty()) {
        context.host.Note("expected one web page file (.html or .gif)");
        return kExitUsage;
    }
    std::filesystem::path file = context.arguments[0];
    if (file.is_relative() && !context.startFolder.empty()) file = context.startFolder / file;

    CConsoleHost& host = context.host;
    host.SetGroup(web_page::kGroup);
    WebPageFile page;
    if (!PrepareWebPage(host, file.lexically_normal().string(), page)) return kExitFailed;
    const bool done = RunWebPageUpload(host, page);
    host.EndProgressLine();
    return done ? kExitOk : kExitFailed;
}

} // namespace qbx

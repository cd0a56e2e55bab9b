// webpage: the checks of the web page dialog on the command line's file,
// then the upload into the LINKBOX.
#include "cli/commands.h"
#include "operations/string_ids.h"
#include "operations/web_page_upload.h"
#include "operations/web_page_upload_messages.h"
#include "platform/program_folder.h"

namespace qbx {

int RunWebPage(CommandContext& context) {
    CConsoleHost& host = context.host;
    if (context.arguments.size() != 1 || context.arguments[0].empty())
        return UsageError(host, "expected one web page file (.html or .gif)");
    host.SetGroup(web_page::kGroup);
    WebPageFile page;
    if (!PrepareWebPage(host, FromStartFolder(context.arguments[0], context.startFolder), page))
        return kExitFailed;
    host.WatchInterrupts(str::kWebPageInterrupted);
    const bool done = RunWebPageUpload(host, page);
    host.EndProgressLine();
    return done ? kExitOk : kExitFailed;
}

} // namespace qbx

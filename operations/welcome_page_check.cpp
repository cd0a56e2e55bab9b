#include "operations/welcome_page_check.h"

#include "formats/program_file.h"

namespace qbx {
namespace {

bool PageApplies(const std::string& programFile) {
    CTextStream program;
    if (program.Open(programFile) != 0) return false;
    const int kind = ReadProgramFileKind(program);
    if (kind != kTwoImageFile) return WelcomePageApplies(kind, {});
    CTextStream again;
    TwoImageHeader header;
    return again.Open(programFile) == 0 && ReadTwoImageHeader(again, header) == kHeaderRead &&
           WelcomePageApplies(kind, header.device);
}

} // namespace

bool WelcomePageMissing(const OsUpdateHandover& paths) {
    if (IsNoWelcomePage(paths.welcomePage) || !PageApplies(paths.programFile)) return false;
    CTextStream page;
    return page.Open(paths.welcomePage) != 0;
}

} // namespace qbx

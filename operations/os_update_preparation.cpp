#include "operations/os_update_preparation.h"

#include "formats/folder_file.h"
#include "formats/update_file_names.h"
#include "operations/path_length_check.h"
#include "operations/string_ids.h"
#include "operations/welcome_page_check.h"

namespace qbx::os_preparation {
namespace {

static_assert(kHandoverPathWidth == kMaxStoredPathBytes, "the hand-over file keeps paths in such a field");

bool FitsHandover(COperationHost& host, const std::string& path) {
    if (PathFitsField(path)) return true;
    ReportOverlongPath(host, kPathTooLong, path);
    return false;
}

} // namespace

std::string StandardPagePath(int edition, const std::string& folder) {
    if (edition != kCustomerEdition) return kNoWelcomePage;
    return folder + "/" + kWelcomePagesFolder + "/" + kCustomerWelcomePageName;
}

bool CheckProgramFile(COperationHost& host, const std::string& path, int edition) {
    if (!IsProgramFileName(path)) {
        host.ShowMessage(edition == kCustomerEdition ? kWrongOemProgramExtension : kWrongProgramExtension,
                         kStringWrongProgramExtension);
        return false;
    }
    return FitsHandover(host, path);
}

bool CheckWelcomePageFile(COperationHost& host, const std::string& path, int extensionMessage) {
    if (!IsWelcomePageFileName(path)) {
        host.ShowMessage(extensionMessage, kStringWrongWelcomeExtension);
        return false;
    }
    return FitsHandover(host, path);
}

bool CheckHandoverPaths(COperationHost& host, const OsUpdateHandover& paths) {
    return FitsHandover(host, paths.welcomePage) && FitsHandover(host, paths.programFile);
}

bool CheckWelcomePageOpens(COperationHost& host, const OsUpdateHandover& paths) {
    if (!WelcomePageMissing(paths)) return true;
    host.ShowMessage(kWelcomePageMissing, str::kWelcomePageMissing, {paths.welcomePage});
    return false;
}

bool WriteHandover(COperationHost& host, const OsUpdateHandover& paths, const std::string& folder) {
    if (!CheckHandoverPaths(host, paths)) return false;
    if (!WriteHandoverFile(paths, folder)) {
        host.ShowMessage(kHandoverNotWritten, str::kCannotWrite);
        return false;
    }
    return true;
}

} // namespace qbx::os_preparation

#pragma once
#include "core/message_format.h"

#include <functional>
#include <string>
#include <vector>

// What a device would get from a file, known without a device: each file the
// program sends is read by the readers its transfer uses, program and
// firmware files walked through the transfer's record cursor as a device
// asking ascending blocks would have them served. No link is opened.
namespace qbx {

enum CheckSeverity : int {
    kCheckInfo = 0,
    kCheckWarning = 1, // the transfer goes through, but the person should know
    kCheckFault = 2,   // the transfer would fail, or the device would not get all of the file
};

// Which image of a program file a finding is about.
enum CheckImage : int { kCheckWholeFile = 0, kCheckProgramImage = 1, kCheckBootSectorImage = 2 };

struct CheckFinding {
    int severity = kCheckInfo;
    const char* code = ""; // a short name for scripts: "data", "hole", "out-of-order", ...
    int stringId = 0;
    std::vector<MessageArg> args;
    int image = kCheckWholeFile;
    // The message the transfer would stop with, when it would: group and number.
    int group = 0;
    int number = 0;
};

struct FileCheckOptions {
    // The welcome page that goes into a program file, or empty for none.
    std::string welcomePage;
};

// The findings for the file at `path`, chosen by its extension.
std::vector<CheckFinding> CheckFile(const std::string& path, const FileCheckOptions& options = {});

// True when some finding is a fault.
bool CheckFails(const std::vector<CheckFinding>& findings);

using StringLookup = std::function<std::string(int stringId)>;

// One line of the report, without the file's name: "warning: ", "fault: "
// and "G.NNN: " where they apply, the image, then the text.
std::string FindingLine(const CheckFinding& finding, const StringLookup& strings);
// The finding's text alone, on one line.
std::string FindingText(const CheckFinding& finding, const StringLookup& strings);
// The report of one file: a FindingLine for each finding.
std::vector<std::string> ReportLines(const std::vector<CheckFinding>& findings, const StringLookup& strings);
// How many files were checked and how many of them would fail.
std::string SummaryLine(int files, int failing, const StringLookup& strings);
// "G.NNN" of the transfer's message, or empty.
std::string FindingMessageId(const CheckFinding& finding);
const char* SeverityName(int severity); // "info", "warning", "fault"
const char* ImageName(int image);       // "", "program", "boot-sector"

} // namespace qbx

#include "operations/file_check.h"

#include "core/device_charset.h"
#include "core/windows1252.h"
#include "operations/file_check_parts.h"
#include "operations/file_check_strings.h"
#include "operations/path_length_check.h"
#include "operations/string_ids.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace qbx {
namespace {

std::string LowerExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string extension = path.substr(dot + 1);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

} // namespace

std::vector<CheckFinding> CheckFile(const std::string& path, const FileCheckOptions& options) {
    std::vector<CheckFinding> out;
    const std::string extension = LowerExtension(path);
    if (extension == "prg") {
        check::CheckProgramFile(path, options, out);
    } else if (extension == "frm") {
        check::CheckFirmwareFile(path, out);
    } else if (extension == "dat") {
        check::CheckFunctionDataFile(path, out);
    } else if (extension == "bgs") {
        check::CheckWelcomePageFile(path, out);
    } else if (extension == "html" || extension == "gif") {
        check::CheckWebPageFile(path, out);
    } else {
        out.push_back(check::Finding(kCheckFault, "unknown-kind", check_str::kUnknownKind));
    }
    return out;
}

bool CheckFails(const std::vector<CheckFinding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const CheckFinding& f) { return f.severity == kCheckFault; });
}

std::string FindingText(const CheckFinding& finding, const StringLookup& strings) {
    std::string text = FormatMessage(strings(finding.stringId), finding.args);
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

std::string FindingMessageId(const CheckFinding& finding) {
    if (finding.number == 0) return {};
    char id[16];
    std::snprintf(id, sizeof id, "%d.%03d", finding.group, finding.number);
    return id;
}

std::string FindingLine(const CheckFinding& finding, const StringLookup& strings) {
    std::string line;
    if (finding.severity == kCheckWarning) line += strings(check_str::kWarning) + ": ";
    if (finding.severity == kCheckFault) line += strings(check_str::kFault) + ": ";
    if (finding.number) line += FindingMessageId(finding) + ": ";
    if (finding.image == kCheckProgramImage) line += strings(check_str::kProgramImage) + ": ";
    if (finding.image == kCheckBootSectorImage) line += strings(check_str::kBootSectorImage) + ": ";
    return line + FindingText(finding, strings);
}

std::vector<std::string> ReportLines(const std::vector<CheckFinding>& findings, const StringLookup& strings) {
    std::vector<std::string> lines;
    for (const CheckFinding& finding : findings)
        lines.push_back(FindingLine(finding, strings));
    return lines;
}

std::string SummaryLine(int files, int failing, const StringLookup& strings) {
    return FormatMessage(strings(check_str::kSummary),
                         {static_cast<long long>(files), static_cast<long long>(files - failing),
                          static_cast<long long>(failing)});
}

const char* SeverityName(int severity) {
    return severity == kCheckFault ? "fault" : severity == kCheckWarning ? "warning" : "info";
}

const char* ImageName(int image) {
    return image == kCheckProgramImage ? "program" : image == kCheckBootSectorImage ? "boot-sector" : "";
}

namespace check {

void AddPathLength(const std::string& path, int group, int number, Findings& out) {
    if (PathFitsField(path)) return;
    out.push_back(TransferFault("path-too-long", group, number, str::kPathTooLong,
                                {Arg(path.size()), Arg(kMaxStoredPathBytes)}));
}

void AddBlanks(const std::string& text, int stringId, const std::string& field, Findings& out) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<std::uint8_t>(text[i]);
        if (c == ' ' || ToDeviceChar(c) != ' ') continue;
        char shown[16];
        if (c < ' ' || c == 0x7F)
            std::snprintf(shown, sizeof shown, "0x%02X", c);
        else
            std::snprintf(shown, sizeof shown, "%s",
                          Windows1252ToUtf8(std::string(1, static_cast<char>(c))).c_str());
        std::vector<MessageArg> args = {std::string(shown), Arg(i + 1)};
        if (!field.empty()) args.insert(args.begin(), field);
        out.push_back(Finding(kCheckWarning, "becomes-blank", stringId, std::move(args)));
    }
}

} // namespace check
} // namespace qbx

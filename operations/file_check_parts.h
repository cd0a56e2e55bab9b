#pragma once
#include "operations/file_check.h"

#include <cstdint>
#include <string>
#include <vector>

// The checks of the single file kinds, which CheckFile chooses between.
namespace qbx::check {

using Findings = std::vector<CheckFinding>;

void CheckProgramFile(const std::string& path, const FileCheckOptions& options, Findings& out);
void CheckFirmwareFile(const std::string& path, Findings& out);
void CheckFunctionDataFile(const std::string& path, Findings& out);
void CheckWelcomePageFile(const std::string& path, Findings& out);
void CheckWebPageFile(const std::string& path, Findings& out);

// One warning per character of `text` (Windows-1252) that the device's
// character set turns into a blank, with string `stringId`: its arguments
// are `field` (unless empty), the character and its position from 1.
void AddBlanks(const std::string& text, int stringId, const std::string& field, Findings& out);

inline CheckFinding Finding(int severity, const char* code, int stringId, std::vector<MessageArg> args = {},
                            int image = kCheckWholeFile) {
    CheckFinding finding;
    finding.severity = severity;
    finding.code = code;
    finding.stringId = stringId;
    finding.args = std::move(args);
    finding.image = image;
    return finding;
}

// A fault the transfer would stop with, as message `number` of `group`.
inline CheckFinding TransferFault(const char* code, int group, int number, int stringId,
                                  std::vector<MessageArg> args = {}, int image = kCheckWholeFile) {
    CheckFinding finding = Finding(kCheckFault, code, stringId, std::move(args), image);
    finding.group = group;
    finding.number = number;
    return finding;
}

inline long long Arg(std::uint64_t value) {
    return static_cast<long long>(value);
}

// The preparation keeps the path in a field of 256 bytes and refuses a
// longer one with its message `number` of `group`.
void AddPathLength(const std::string& path, int group, int number, Findings& out);

} // namespace qbx::check

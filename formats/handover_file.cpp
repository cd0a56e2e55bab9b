#include "formats/handover_file.h"

#include "platform/regular_file.h"
#include "platform/replace_file.h"

#include <algorithm>

namespace qbx {
namespace {

constexpr const char* kLineEnd = "\r\n";
// A line is read into a buffer of 258 characters: 257 of them and the end.
constexpr std::size_t kLineReadLimit = kHandoverPathWidth + 1;
// Two lines are all the file holds; a longer file is read that far.
constexpr std::size_t kReadLimit = 2 * (kLongestPath + 2);

std::string RightAligned(const std::string& text) {
    return text.size() >= kHandoverPathWidth ? text
                                             : std::string(kHandoverPathWidth - text.size(), ' ') + text;
}

// The next line of `text` from `p`, cut to the read limit; `p` moves past the line end.
std::string NextLine(const std::string& text, std::size_t& p) {
    std::size_t end = text.find('\n', p);
    std::size_t next = end == std::string::npos ? text.size() : end + 1;
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(p, std::min(end - p, kLineReadLimit));
    p = next;
    const std::size_t first = line.find_first_not_of(' ');
    line = first == std::string::npos ? std::string() : line.substr(first);
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    return line;
}

} // namespace

bool IsNoWelcomePage(const std::string& path) {
    return path.empty() || path == kNoWelcomePage;
}

bool FormatHandover(const OsUpdateHandover& handover, std::string& text) {
    for (const std::string* path : {&handover.welcomePage, &handover.programFile})
        if (path->find_first_of("\r\n") != std::string::npos) return false;
    text = RightAligned(handover.welcomePage) + kLineEnd + RightAligned(handover.programFile) + kLineEnd;
    return true;
}

OsUpdateHandover ParseHandover(const std::string& text) {
    OsUpdateHandover handover;
    std::size_t p = 0;
    handover.welcomePage = NextLine(text, p);
    if (p < text.size()) handover.programFile = NextLine(text, p);
    return handover;
}

bool ReadHandoverFile(OsUpdateHandover& handover, const std::string& folder) {
    handover = OsUpdateHandover();
    std::string text;
    bool more = false;
    if (!ReadFilePrefix(FileToRead(folder, kHandoverFileName), kReadLimit, text, &more)) return false;
    if (more) DropCutLine(text); // a path cut short is no path
    handover = ParseHandover(text);
    return true;
}

bool WriteHandoverFile(const OsUpdateHandover& handover, const std::string& folder) {
    std::string text;
    return FormatHandover(handover, text) &&
           ReplaceFileContents(FileToWrite(folder, kHandoverFileName), text);
}

} // namespace qbx

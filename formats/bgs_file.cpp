#include "formats/bgs_file.h"

#include "platform/regular_file.h"
#include "platform/replace_file.h"

#include <algorithm>

namespace qbx {
namespace {

// The four reads take at most 22 characters and a line end each; what lies
// beyond is never read.
constexpr std::size_t kReadLimit = 2 * kBgsFileSize;

// What the lines look like after a text-mode read: CR LF becomes LF.
std::string WithLineFeeds(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

} // namespace

std::string WithBgsExtension(const std::string& path) {
    std::size_t nameStart = path.find_last_of('/');
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    std::size_t dot = path.find_last_of('.');
    bool hasBgs = dot != std::string::npos && dot >= nameStart &&
                  path.compare(dot + 1, std::string::npos, kBgsExtension) == 0;
    return hasBgs ? path : path + "." + kBgsExtension;
}

void ParseBgs(const std::string& raw, WelcomeLines& lines) {
    std::string text = WithLineFeeds(raw);
    std::size_t p = 0;
    for (std::size_t i = 0; i < kWelcomeLineCount && p < text.size(); ++i) {
        std::size_t length = std::min(kWelcomeLineLength, text.size() - p);
        std::size_t feed = text.find('\n', p);
        if (feed != std::string::npos && feed < p + length) length = feed + 1 - p;
        std::string line = text.substr(p, length);
        p += length;
        line.erase(line.find_last_not_of(" \r\n") + 1);
        lines[i] = line;
    }
}

std::string FormatBgs(const WelcomeLines& lines) {
    std::string out;
    for (const std::string& line : lines) {
        std::string field = line.substr(0, kWelcomeLineLength);
        field.resize(kWelcomeLineLength, ' ');
        out += field;
    }
    return out;
}

bool LoadBgsFile(const std::string& path, WelcomeLines& lines) {
    std::string text;
    if (!ReadFilePrefix(path, kReadLimit, text)) return false;
    ParseBgs(text, lines);
    return true;
}

bool SaveBgsFile(const std::string& path, const WelcomeLines& lines) {
    return ReplaceFileContents(path, FormatBgs(lines));
}

} // namespace qbx

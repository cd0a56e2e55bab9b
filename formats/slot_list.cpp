#include "formats/slot_list.h"

#include "platform/regular_file.h"
#include "platform/replace_file.h"

#include <algorithm>
#include <cctype>

namespace qbx {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kVerifyKey = "verify=";
// Seven lines of a flag, a path and a line end, and the verify line; a
// longer file is no slot list.
constexpr std::size_t kReadLimit = kSlotCount * (1 + kLongestPath + 2) + 10;

bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// "%256s": right-aligned, padded on the left with spaces, longer ones whole.
std::string RightAligned(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

} // namespace

bool FormatSlotList(const SlotList& slots, std::string& text) {
    std::string out;
    for (const SlotListEntry& slot : slots) {
        if (slot.path.find_first_of("\r\n") != std::string::npos) return false;
        int flag = slot.flag >= 0 && slot.flag <= 9 ? slot.flag : 1;
        out += static_cast<char>('0' + flag);
        out += RightAligned(slot.path, kSlotPathWidth);
        out += kLineEnd;
    }
    text = std::move(out);
    return true;
}

namespace {

// Parses the seven slots into `slots`; where the text after them begins.
std::size_t ParseSlots(const std::string& text, SlotList& slots) {
    std::size_t p = 0;
    for (SlotListEntry& slot : slots) {
        while (p < text.size() && IsSpace(text[p]))
            ++p;
        if (p >= text.size()) break;
        if (text[p] >= '0' && text[p] <= '9') slot.flag = text[p++] - '0';
        std::size_t end = text.find('\n', p);
        if (end == std::string::npos) end = text.size();
        std::string field = text.substr(p, std::min(end - p, kSlotPathWidth));
        p = end;
        while (!field.empty() && (field.back() == '\r' || field.back() == '\n'))
            field.pop_back();
        std::size_t first = field.find_first_not_of(' ');
        slot.path = first == std::string::npos ? std::string() : field.substr(first);
    }
    return p;
}

} // namespace

SlotList ParseSlotList(const std::string& text) {
    SlotList slots;
    ParseSlots(text, slots);
    return slots;
}

bool ParseVerifyLine(const std::string& text) {
    SlotList slots;
    std::size_t p = ParseSlots(text, slots);
    while (p < text.size() && IsSpace(text[p]))
        ++p;
    const std::string line = text.substr(p, text.find_first_of("\r\n", p) - p);
    return line == std::string(kVerifyKey) + "1";
}

namespace {

bool ReadSlotListText(const std::string& name, std::string& text, const std::string& folder) {
    bool more = false;
    if (!ReadFilePrefix(FileToRead(folder, name), kReadLimit, text, &more)) return false;
    if (more) DropCutLine(text); // a path cut short is no path
    return true;
}

} // namespace

bool ReadSlotList(const std::string& name, SlotList& slots, const std::string& folder) {
    slots = SlotList();
    std::string text;
    if (!ReadSlotListText(name, text, folder)) return false;
    slots = ParseSlotList(text);
    return true;
}

bool WriteSlotList(const std::string& name, const SlotList& slots, const std::string& folder) {
    std::string text;
    return FormatSlotList(slots, text) && ReplaceFileContents(FileToWrite(folder, name), text);
}

bool ReadUploadSlotList(SlotList& slots, const std::string& folder, bool* verify) {
    slots = SlotList();
    if (verify) *verify = false;
    std::string text;
    if (!ReadSlotListText(kUploadSlotListName, text, folder)) return false;
    slots = ParseSlotList(text);
    if (verify) *verify = ParseVerifyLine(text);
    for (SlotListEntry& slot : slots)
        if (slot.flag != 1) slot.path.clear();
    return true;
}

bool ReadDownloadSlotList(SlotList& slots, const std::string& folder) {
    return ReadSlotList(kDownloadSlotListName, slots, folder);
}

bool WriteUploadSlotList(const SlotList& slots, const std::string& folder, bool verify) {
    std::string text;
    if (!FormatSlotList(slots, text)) return false;
    text += std::string(kVerifyKey) + (verify ? "1" : "0") + kLineEnd;
    return ReplaceFileContents(FileToWrite(folder, kUploadSlotListName), text);
}

bool WriteDownloadSlotList(const SlotList& slots, const std::string& folder) {
    return WriteSlotList(kDownloadSlotListName, slots, folder);
}

} // namespace qbx

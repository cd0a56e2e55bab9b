#include "formats/folder_file.h"

#include "core/edition.h"
#include "platform/regular_file.h"
#include "platform/replace_file.h"

namespace qbx {
namespace {

constexpr const char* kLineEnd = "\r\n";
// Five lines of a path and a line end; a longer file is no folder file.
constexpr std::size_t kReadLimit = kFolderLineCount * (kLongestPath + 2);

std::size_t Index(FolderLine line) {
    return static_cast<std::size_t>(static_cast<int>(line) - 1);
}

std::string TrimmedLine(std::string line) {
    std::size_t first = line.find_first_not_of(' ');
    line.erase(0, first == std::string::npos ? line.size() : first);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    return line;
}

} // namespace

const char* DefaultSubfolder(FolderLine line, int edition) {
    switch (line) {
    case FolderLine::Upload:
    case FolderLine::Download:
        return kFunctionDataFolder;
    case FolderLine::OperatingSystem:
        return edition == kCustomerEdition ? kOemOperatingSystemFolder : kOperatingSystemFolder;
    case FolderLine::Bootloader:
        return kBootloaderFolder;
    case FolderLine::WelcomePages:
        return kWelcomePagesFolder;
    }
    return kFunctionDataFolder;
}

std::string DefaultFolder(FolderLine line, int edition, const std::string& folder) {
    return WorkFolderOf(folder) + "/" + DefaultSubfolder(line, edition);
}

bool FormatFolderFile(const FolderPaths& paths, std::string& text) {
    std::string out;
    for (const std::string& path : paths) {
        if (path.find_first_of("\r\n") != std::string::npos) return false;
        if (path.size() < kFolderPathWidth) out.append(kFolderPathWidth - path.size(), ' ');
        out += path;
        out += kLineEnd;
    }
    text = std::move(out);
    return true;
}

FolderPaths ParseFolderFile(const std::string& text) {
    FolderPaths paths;
    std::size_t p = 0;
    for (std::string& path : paths) {
        if (p >= text.size()) break;
        std::size_t end = text.find('\n', p);
        end = end == std::string::npos ? text.size() : end + 1;
        path = TrimmedLine(text.substr(p, end - p));
        p = end;
    }
    return paths;
}

bool ReadFolderFile(FolderPaths& paths, const std::string& folder) {
    paths = FolderPaths();
    std::string text;
    bool more = false;
    if (!ReadFilePrefix(FileToRead(folder, kFolderFileName), kReadLimit, text, &more)) return false;
    if (more) DropCutLine(text); // a folder cut short is no folder
    paths = ParseFolderFile(text);
    return true;
}

bool WriteFolderFile(const FolderPaths& paths, const std::string& folder) {
    std::string text;
    return FormatFolderFile(paths, text) && ReplaceFileContents(FileToWrite(folder, kFolderFileName), text);
}

std::string ReadFolder(FolderLine line, int edition, const std::string& folder) {
    FolderPaths paths;
    ReadFolderFile(paths, folder);
    const std::string& path = paths[Index(line)];
    if (!path.empty()) return path;
    const std::string fallback = DefaultFolder(line, edition, folder);
    // A user's own working folders are made when first needed.
    if (WorkFolderOf(folder) != folder) MakeFolders(fallback, 0777);
    return fallback;
}

} // namespace qbx

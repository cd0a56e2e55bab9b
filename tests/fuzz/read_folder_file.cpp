// "directory.ini": five paths, none with a line end or a leading blank,
// whatever the file holds (a longer path than its field is kept whole);
// format → parse → format gives the same text.
#include "formats/folder_file.h"
#include "fuzz_check.h"

using namespace qbx;
using namespace qbx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WriteInput(kFolderFileName, data, size);
    FolderPaths read;
    FUZZ_CHECK(ReadFolderFile(read, WorkFolder()));
    for (const std::string& path : read) {
        FUZZ_CHECK(path.size() <= size);
        FUZZ_CHECK(path.find('\n') == std::string::npos);
        FUZZ_CHECK(path.empty() || path[0] != ' ');
    }

    // A chooser's folder is the line, or the default for an empty one.
    for (int line = 1; line <= kFolderLineCount; ++line) {
        const std::string folder = ReadFolder(static_cast<FolderLine>(line), 1, WorkFolder());
        const std::string& set = read[static_cast<std::size_t>(line - 1)];
        FUZZ_CHECK(folder ==
                   (set.empty() ? DefaultFolder(static_cast<FolderLine>(line), 1, WorkFolder()) : set));
    }

    const FolderPaths parsed = ParseFolderFile(std::string(reinterpret_cast<const char*>(data), size));
    std::string first;
    if (!FormatFolderFile(parsed, first)) return 0; // a path holding a line end
    FUZZ_CHECK(ParseFolderFile(first) == parsed);
    FUZZ_CHECK(WriteFolderFile(parsed, WorkFolder()));
    std::string second;
    FUZZ_CHECK(ReadWhole(WorkFolder() + "/" + kFolderFileName, second));
    FUZZ_CHECK(first == second);
    return 0;
}

// A ".bgs" welcome page: four lines of at most 22 characters, and a saved
// page is 88 bytes that load back to the same lines.
#include "formats/bgs_file.h"
#include "fuzz_check.h"

using namespace qbx;
using namespace qbx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = WriteInput("input.bgs", data, size);
    WelcomeLines lines;
    FUZZ_CHECK(LoadBgsFile(path, lines));
    for (const std::string& line : lines)
        FUZZ_CHECK(line.size() <= kWelcomeLineLength);

    const std::string second = WorkFolder() + "/second.bgs";
    FUZZ_CHECK(SaveBgsFile(second, lines));
    std::string first;
    FUZZ_CHECK(ReadWhole(second, first));
    FUZZ_CHECK(first.size() == kBgsFileSize);
    WelcomeLines again;
    FUZZ_CHECK(LoadBgsFile(second, again));
    FUZZ_CHECK(again == lines);
    FUZZ_CHECK(FormatBgs(again) == first);
    return 0;
}

// "config_bs_5130.ini": two paths, each as long as its field allows;
// format → parse → format gives the same text.
#include "formats/handover_file.h"
#include "fuzz_check.h"

using namespace qbx;
using namespace qbx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WriteInput(kHandoverFileName, data, size);
    OsUpdateHandover read;
    FUZZ_CHECK(ReadHandoverFile(read, WorkFolder()));
    FUZZ_CHECK(read.welcomePage.size() <= kHandoverPathWidth + 1);
    FUZZ_CHECK(read.programFile.size() <= kHandoverPathWidth + 1);

    const OsUpdateHandover parsed = ParseHandover(std::string(reinterpret_cast<const char*>(data), size));
    FUZZ_CHECK(parsed.welcomePage == read.welcomePage && parsed.programFile == read.programFile);
    std::string first;
    if (!FormatHandover(parsed, first)) return 0; // a path holding a line end
    const OsUpdateHandover back = ParseHandover(first);
    FUZZ_CHECK(back.welcomePage == parsed.welcomePage && back.programFile == parsed.programFile);
    FUZZ_CHECK(WriteHandoverFile(back, WorkFolder()));
    std::string second;
    FUZZ_CHECK(ReadWhole(WorkFolder() + "/" + kHandoverFileName, second));
    FUZZ_CHECK(first == second);
    return 0;
}

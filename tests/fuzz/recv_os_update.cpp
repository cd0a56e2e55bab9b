// An operating-system update (single-image and two-image files, with and
// without a welcome page) with the device's side played by the fuzzer: a
// failure shows exactly one message (none when the person declined the mode
// switch), a success none.
#include "formats/handover_file.h"
#include "fuzz_files.h"
#include "fuzz_link.h"
#include "operations/os_update_transfer.h"

using namespace qbx;
using namespace qbx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string single = SingleImageFile("single.prg", "BRAVOLT_PROGRAM_FILE", 300);
    static const std::string bus = SingleImageFile("bus.prg", "BRAVOLT_BUSVIEW_PROGRAM_FILE", 200);
    static const std::string two = TwoImageFile("two.prg", "QRT5130", 0x200, 0x80);
    static const std::string page = WelcomePageFile("page.bgs");
    if (size == 0) return 0;
    DeviceReplies replies{data + 1, size - 1};
    CCountingHost host;
    host.yes = (data[0] & 2) == 0;
    const std::string files[] = {single, bus, two, two};
    OsUpdateHandover paths;
    paths.programFile = files[(data[0] >> 2) & 3];
    paths.welcomePage = (data[0] & 0x10) ? page : std::string(kNoWelcomePage);
    const bool ok = RunOsUpdate(host, paths, FuzzOptions(replies, data[0] & 1));
    CheckOutcomeUnlessDeclined(ok, host);
    return 0;
}

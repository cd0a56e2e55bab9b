// An upload into a slot with the device's side played by the fuzzer: a
// failure shows exactly one message, a success none.
#include "fuzz_files.h"
#include "fuzz_link.h"
#include "operations/upload_transfer.h"

using namespace qbx;
using namespace qbx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string small = FunctionDataFile("small.dat", 0x85, 150);
    static const std::string controller = FunctionDataFile("controller.dat", 0x80, 0x8000);
    if (size == 0) return 0;
    DeviceReplies replies{data + 1, size - 1};
    CCountingHost host;
    host.yes = (data[0] & 2) == 0;
    const int slot = 1 + (data[0] >> 4) % 7;
    const bool ok =
        UploadSlot(host, slot, (data[0] & 4) ? controller : small, FuzzOptions(replies, data[0] & 1));
    CheckOutcomeUnlessDeclined(ok, host);
    return 0;
}

// A download from a slot with the device's side played by the fuzzer: a
// failure shows exactly one message and leaves the target as it was (no file,
// or the old one untouched); a success shows none and leaves a file that
// loads with the slot's size.
#include "formats/function_data_format.h"
#include "formats/function_data_image.h"
#include "fuzz_files.h"
#include "fuzz_link.h"
#include "operations/download_transfer.h"

using namespace qbx;
using namespace qbx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string target = WorkFolder() + "/target.dat";
    const std::string old = "old contents\r\n";
    RemoveFile(target);
    const bool hadFile = (data[0] & 4) != 0;
    if (hadFile) TextFile("target.dat", old);

    DeviceReplies replies{data + 1, size - 1};
    CCountingHost host;
    host.yes = (data[0] & 2) == 0;
    const int slot = 1 + (data[0] >> 4) % 7;
    const bool ok = DownloadSlot(host, slot, target, FuzzOptions(replies, data[0] & 1));
    CheckOutcomeUnlessDeclined(ok, host);
    if (!ok) {
        std::string now;
        if (hadFile) {
            FUZZ_CHECK(ReadWhole(target, now) && now == old);
        } else {
            FUZZ_CHECK(!FileExists(target));
        }
        return 0;
    }
    FunctionDataImage image;
    FUZZ_CHECK(image.Load(target) == kDatLoaded);
    FUZZ_CHECK(image.Size() == image.Header().dataSize);
    return 0;
}

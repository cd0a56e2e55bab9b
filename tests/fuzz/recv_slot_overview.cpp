// Identification, mode switch, bootloader check and the seven slot headers
// answered by the fuzzer: the headers stay inside their fields, and a failure
// shows exactly one message (none when the person declined the switch).
#include "fuzz_link.h"
#include "operations/slot_overview.h"

using namespace qbx;
using namespace qbx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    DeviceReplies replies{data + 1, size - 1};
    CCountingHost host;
    host.yes = (data[0] & 2) == 0;
    SlotOverview overview;
    const bool ok =
        ConnectAndReadSlots(host, kConnectMessages, 16, overview, FuzzOptions(replies, data[0] & 1));
    CheckOutcomeUnlessDeclined(ok, host);
    if (!ok) return 0;
    for (const SlotHeader& header : overview.headers) {
        FUZZ_CHECK(header.textA.size() <= 8 && header.textB.size() <= 8);
        FUZZ_CHECK(header.description.size() <= 32);
        FUZZ_CHECK(header.size <= 0xFFFFFF);
    }
    return 0;
}

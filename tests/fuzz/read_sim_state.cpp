// The simulator's state file: a loaded state saves and loads back to the
// same state, and the second save is the first byte for byte.
#include "fuzz_check.h"
#include "sim/state_file.h"

using namespace qbx::fuzz;
namespace sim = qbx::sim;

// A short line with a far offset loads megabytes of erased memory, and their
// text comes from the same per-line code as a small state's. Only states up
// to 256 KiB (well past function data's 0xFFFF, into five-digit offsets) go
// round, which keeps a run at thousands of executions a second.
constexpr std::size_t kRoundTripLimit = 0x40000;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = WriteInput("state.txt", data, size);
    sim::CDeviceState state;
    int badLine = 0;
    std::string why;
    const int result = sim::LoadStateFile(path, state, badLine, &why);
    FUZZ_CHECK(result == sim::kStateLoaded || result == sim::kStateMalformed);
    if (result == sim::kStateMalformed) {
        FUZZ_CHECK(badLine >= 1);
        FUZZ_CHECK(!why.empty());
        return 0;
    }
    std::size_t held = state.deviceImage.size();
    for (const sim::CSlot& slot : state.slots) {
        FUZZ_CHECK(slot.header.size <= 0xFFFFFF);
        held += slot.data.size();
    }
    for (const auto& [code, image] : state.images)
        held += image.size();
    for (const auto& [type, page] : state.pages)
        held += page.size();
    if (held > kRoundTripLimit) return 0;

    const std::string second = WorkFolder() + "/second.txt";
    FUZZ_CHECK(sim::SaveStateFile(second, state));
    sim::CDeviceState again;
    FUZZ_CHECK(sim::LoadStateFile(second, again, badLine) == sim::kStateLoaded);
    FUZZ_CHECK(again == state);
    std::string first, last;
    FUZZ_CHECK(ReadWhole(second, first));
    FUZZ_CHECK(sim::SaveStateFile(second, again));
    FUZZ_CHECK(ReadWhole(second, last));
    FUZZ_CHECK(first == last);
    return 0;
}

// Reading and writing back the bootloader's settings with the device's side
// played by the fuzzer: a failure shows exactly one message, anything else
// none.
#include "fuzz_link.h"
#include "operations/bootloader_settings.h"

using namespace qbx;
using namespace qbx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    DeviceReplies replies{data + 1, size - 1};
    CCountingHost host;
    host.yes = (data[0] & 2) == 0;
    const bool change = (data[0] & 4) != 0;
    auto edit = [change](BootloaderConfig& config) {
        if (!change) return false;
        config.configByte = static_cast<std::uint8_t>(1 + config.configByte % kConfigurationChoices);
        return true;
    };
    const BootloaderSettingsResult result =
        RunBootloaderSettings(host, FuzzOptions(replies, data[0] & 1), edit);
    CheckOutcome(result != BootloaderSettingsResult::Failed, host);
    return 0;
}

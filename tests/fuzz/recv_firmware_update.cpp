// A bootloader firmware update with the device's side played by the fuzzer:
// a failure shows exactly one message, a success none.
#include "fuzz_files.h"
#include "fuzz_link.h"
#include "operations/firmware_update.h"

using namespace qbx;
using namespace qbx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string serial = SingleImageFile("serial.frm", "BRAVOLT_FIRMWARE_FILE", 256);
    static const std::string linkbox = SingleImageFile("linkbox.frm", "BRAVOLT_LINKBOX_FIRMWARE_FILE", 256);
    if (size == 0) return 0;
    DeviceReplies replies{data + 1, size - 1};
    CCountingHost host;
    const bool ok =
        RunFirmwareUpdate(host, (data[0] & 2) ? linkbox : serial, FuzzOptions(replies, data[0] & 1));
    CheckOutcome(ok, host);
    return 0;
}

// The port scan's probe on six free ports, every answer played by the
// fuzzer: no message, the texts of a found device filled, and the chosen
// port one that answered.
#include "fuzz_link.h"
#include "link/serial_transport.h"
#include "operations/port_scan.h"

using namespace qbx;
using namespace qbx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte is left over, as in the other receive targets, so that
    // their seeds and this one's look alike.
    if (size == 0) return 0;
    DeviceReplies replies{data + 1, size - 1};
    CCountingHost host;
    CPortScanView view;
    PortScanOptions options;
    options.enumerate = [](int* state, int* error, int count) {
        for (int i = 0; i < count; ++i) {
            state[i] = kPortPresent;
            error[i] = 0;
        }
    };
    options.createTransport = [&replies](int) { return std::make_unique<CFuzzTransport>(replies, false); };
    const PortScanRows rows = ScanPorts(host, view, options);
    FUZZ_CHECK(host.messages == 0 && host.questions == 0);
    const int chosen = ChosenPort(rows);
    FUZZ_CHECK(chosen >= 0 && chosen <= kScanPortCount);
    if (chosen > 0) FUZZ_CHECK(rows[static_cast<std::size_t>(chosen - 1)].found);
    return 0;
}

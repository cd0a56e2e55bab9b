// The LINKBOX's own data, written from a file or read into one, with the
// device's side played by the fuzzer: a failure shows exactly one message, a
// success none, and a failed read leaves no file.
#include "formats/function_data_format.h"
#include "fuzz_files.h"
#include "fuzz_link.h"
#include "link/protocol_constants.h"
#include "operations/boot_data_transfer.h"

using namespace qbx;
using namespace qbx::fuzz;

namespace {

void Write(CCountingHost& host, const ConnectOptions& options) {
    static const std::string source = FunctionDataFile("linkbox.dat", device::kNetworkFamily, 200);
    BootDataJob job;
    FUZZ_CHECK(PrepareBootDataWrite(host, source, job));
    FUZZ_CHECK(host.messages == 0);
    CheckOutcome(RunBootDataWrite(host, job, options), host);
}

void Read(CCountingHost& host, const ConnectOptions& options) {
    const std::string target = WorkFolder() + "/read.dat";
    RemoveFile(target);
    BootDataJob job;
    bool chosen = false;
    auto choose = [&](const std::string& offered, std::string& path) {
        FUZZ_CHECK(offered.find('/') == std::string::npos);
        chosen = true;
        path = target;
        return true;
    };
    if (!PrepareBootDataRead(host, choose, job, options)) {
        CheckOutcome(false, host);
        FUZZ_CHECK(!FileExists(target));
        return;
    }
    FUZZ_CHECK(chosen && host.messages == 0);
    const bool ok = RunBootDataRead(host, job, options);
    CheckOutcome(ok, host);
    if (!ok) {
        FUZZ_CHECK(!FileExists(target));
        return;
    }
    FunctionDataImage image;
    FUZZ_CHECK(image.Load(target) == kDatLoaded);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    DeviceReplies replies{data + 1, size - 1};
    CCountingHost host;
    const ConnectOptions options = FuzzOptions(replies, data[0] & 1);
    if (data[0] & 2) {
        Read(host, options);
    } else {
        Write(host, options);
    }
    return 0;
}

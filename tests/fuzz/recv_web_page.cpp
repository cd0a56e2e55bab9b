// A web page upload to a LINKBOX with the device's side played by the
// fuzzer: a failure shows exactly one message, a success none.
#include "fuzz_files.h"
#include "fuzz_link.h"
#include "operations/web_page_upload.h"

using namespace qbx;
using namespace qbx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string html =
        TextFile("page.html", "<html><body>" + std::string(300, 'x') + "</body></html>");
    static const std::string gif = TextFile("picture.gif", "GIF89a" + std::string(100, '\x01'));
    if (size == 0) return 0;
    DeviceReplies replies{data + 1, size - 1};
    CCountingHost host;
    WebPageFile page;
    FUZZ_CHECK(CheckWebPageFile((data[0] & 2) ? gif : html, page) == kPageOk);
    const bool ok = RunWebPageUpload(host, page, FuzzOptions(replies, data[0] & 1));
    CheckOutcome(ok, host);
    return 0;
}

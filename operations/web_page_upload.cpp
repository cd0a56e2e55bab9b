#include "operations/web_page_upload.h"

#include "link/framing.h"
#include "link/protocol_constants.h"
#include "link/wire_bytes.h"
#include "operations/device_turn.h"
#include "operations/string_ids.h"
#include "operations/transfer_steps.h"
#include "operations/web_page_upload_messages.h"
#include "platform/regular_file.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace qbx {
namespace {

using namespace web_page;

// What the device gets for the bytes of a request that lie past the end of
// the file: the value of erased memory, so a page never carries stray bytes.
constexpr std::uint8_t kPastEndByte = 0xFF;
constexpr std::size_t kMostRequested = 255; // the count is one byte

// The answer header carries the request's held "!C".
bool Send(CTransport& transport, COperationHost& host, const std::uint8_t* bytes, int count,
          const transfer::SendMessages& messages) {
    const int sent = SendFrame(transport, bytes, count);
    if (sent == kSendAcknowledged) return true;
    transfer::ReportSendFailure(host, messages, sent, kDeviceTurn.deviceFrame);
    return false;
}

// The page's bytes, at most as many as the check found: a file that has
// grown since is not sent beyond the size announced, and one that has shrunk
// leaves the rest to kPastEndByte.
bool ReadPage(const WebPageFile& page, std::vector<std::uint8_t>& bytes) {
    std::string read;
    if (!ReadFilePrefix(page.path, page.size, read)) return false;
    bytes.assign(read.begin(), read.end());
    return true;
}

class CPageServer {
  public:
    CPageServer(CTransport& transport, COperationHost& host, const WebPageFile& page,
                const std::vector<std::uint8_t>& bytes)
        : transport(transport), host(host), page(page), bytes(bytes) {}

    bool Run();

  private:
    bool Answer(const std::uint8_t* request);
    void Show(std::uint32_t address, int status);

    CTransport& transport;
    COperationHost& host;
    const WebPageFile& page;
    const std::vector<std::uint8_t>& bytes;
};

void CPageServer::Show(std::uint32_t address, int status) {
    host.SetProgressPosition(address);
    host.SetStatusString(status);
    host.SetProgressText(WebPageProgressText(address, page.size));
}

bool CPageServer::Run() {
    std::uint8_t start[frame::kBodySize] = {frame::kRequest, frame::kMarker, command::kWebPageUpload};
    PutLe24(start + frame::kParameterAt, page.size);
    start[frame::kCountAt] = page.type;
    if (!Send(transport, host, start, frame::kBodySize, kStartFrame)) return false;
    for (;;) {
        std::uint8_t body[frame::kBodySize] = {};
        switch (transfer::AwaitDeviceTurn(transport, host, command::kWebPageUpload, kDeviceTurn, body)) {
        case transfer::DeviceTurn::End:
            Show(page.size, transfer::kStatusFinished);
            return true;
        case transfer::DeviceTurn::Failed:
            return false;
        case transfer::DeviceTurn::Request:
            if (!Answer(body)) return false;
            break;
        }
    }
}

// The request repeated as the answer header, then its bytes of the file.
bool CPageServer::Answer(const std::uint8_t* request) {
    const std::uint32_t address = GetLe24(request + frame::kParameterAt);
    const std::size_t count = request[frame::kCountAt];
    std::array<std::uint8_t, kMostRequested> data;
    data.fill(kPastEndByte);
    if (address < bytes.size()) {
        const std::size_t inside = std::min<std::size_t>(count, bytes.size() - address);
        std::copy_n(bytes.begin() + address, inside, data.begin());
    }
    std::uint8_t answer[frame::kBodySize];
    std::copy(request, request + frame::kBodySize, answer);
    answer[frame::kKindAt] = frame::kAnswer;
    if (!Send(transport, host, answer, frame::kBodySize, kAnswerHeader) ||
        !Send(transport, host, data.data(), static_cast<int>(count), kAnswerData))
        return false;
    // The window catches up once the answer is out, while the device's next
    // request is on its way, so repainting never holds the device up.
    Show(address, transfer::kStatusSending);
    host.PumpEvents();
    host.SetWaitCursor(true); // the events may have reset it
    return true;
}

bool Upload(COperationHost& host, const WebPageFile& page, const ConnectOptions& options) {
    ConnectOptions connect = options;
    connect.modeCheck = false;
    connect.check = false; // after the family check
    std::unique_ptr<CTransport> transport;
    BootloaderId id;
    if (Connect(host, kConnect, connect, transport, id) != ConnectResult::Connected) return false;
    if (id.family != device::kNetworkFamily) {
        host.ShowMessage(kNotLinkbox, kStringNotLinkbox);
        return false;
    }
    if (!transfer::CheckConnectedBootloader(host, kConnect, *transport)) return false;
    std::vector<std::uint8_t> bytes;
    if (!ReadPage(page, bytes)) {
        host.ShowMessage(kFileNotReopened, str::kCannotOpen);
        return false;
    }
    return ServeWebPage(*transport, host, page, bytes);
}

} // namespace

bool ServeWebPage(CTransport& transport, COperationHost& host, const WebPageFile& page,
                  const std::vector<std::uint8_t>& bytes) {
    return CPageServer(transport, host, page, bytes).Run();
}

bool PrepareWebPage(COperationHost& host, const std::string& path, WebPageFile& page) {
    switch (CheckWebPageFile(path, page)) {
    case kPageOk:
        return true;
    case kPageWrongExtension:
        host.ShowMessage(web_page::kWrongExtension, web_page::kStringWrongExtension);
        break;
    case kPageTooLarge:
        host.ShowMessage(web_page::kTooLarge, web_page::kStringTooLarge,
                         {static_cast<long long>(kMaxWebPageSize)});
        break;
    default:
        host.ShowMessage(web_page::kNotOpened, str::kCannotOpen);
        break;
    }
    return false;
}

std::string WebPageProgressText(std::uint32_t address, std::uint32_t size) {
    char text[32];
    std::snprintf(text, sizeof text, "%05X / %05X", address, size);
    return text;
}

std::string WebPageFileText(COperationHost& host, const std::string& path) {
    return host.String(transfer::kSourceFile) + ": " + transfer::PathTitle(path);
}

void ShowWebPageStart(COperationHost& host, const WebPageFile& page) {
    host.SetProgressRange(1, transfer::ProgressBarEnd(page.size));
    host.SetProgressPosition(0);
    host.SetStatusString(transfer::kStatusConnecting);
    host.SetFileText(WebPageFileText(host, page.path));
    host.SetFilePath(page.path);
    host.SetProgressText(WebPageProgressText(0, page.size));
}

bool RunWebPageUpload(COperationHost& host, const WebPageFile& page, const ConnectOptions& options) {
    ShowWebPageStart(host, page);
    transfer::CWaitCursor wait(host);
    return Upload(host, page, options);
}

} // namespace qbx

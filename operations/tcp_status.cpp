#include "operations/tcp_status.h"

#include "link/identification.h"
#include "link/tcp_transport.h"
#include "link/wire_trace.h"

#include <memory>

namespace qbx {

TcpStatus CheckTcpStatus(const std::string& host, unsigned port, const TcpTiming& timing,
                         const WaitHook& waitHook) {
    auto label = [&] { return "TCP " + host + ":" + std::to_string(port); };
    std::unique_ptr<CTransport> transport =
        TraceIfRequested(std::make_unique<CTcpTransport>(host, port, timing), label);
    transport->SetWaitHook(waitHook);
    TcpStatus status;
    status.openResult = transport->Open(status.error);
    if (status.openResult == kOpenOk) {
        BootloaderId id;
        (void)ProbeBootloader(*transport, id); // no answer and an echo both leave the id empty
        status.found = TcpDeviceTexts(id, status.texts);
        if (!status.found) status.texts = {kNoDeviceText, kNoDeviceText, kStatusFree};
        return status;
    }
    status.texts.type = status.texts.version = kNoDeviceText;
    if (status.openResult == kOpenNotFound)
        status.texts.status = kStatusMissing;
    else if (status.openResult == kOpenDenied)
        status.texts.status = kStatusDenied;
    else
        status.texts.status = ErrorStatusText(status.error);
    return status;
}

} // namespace qbx

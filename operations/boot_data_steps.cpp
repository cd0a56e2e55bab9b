#include "operations/boot_data_steps.h"

#include "link/protocol_constants.h"
#include "operations/boot_data_messages.h"
#include "operations/transfer_messages.h"
#include "operations/transfer_steps.h"

namespace qbx::boot_data {

bool ConnectToLinkbox(COperationHost& host, const ConnectMessages& messages, int notLinkbox,
                      const ConnectOptions& options, std::unique_ptr<CTransport>& transport) {
    ConnectOptions connect = options;
    connect.identify = true;
    connect.modeCheck = false;
    connect.check = false; // only once the family is known
    BootloaderId id;
    if (Connect(host, messages, connect, transport, id) != ConnectResult::Connected) return false;
    if (id.family != device::kNetworkFamily) {
        transport.reset();
        host.ShowMessage(notLinkbox, kStringNotLinkbox);
        return false;
    }
    if (options.check && !transfer::CheckConnectedBootloader(host, messages, *transport)) {
        transport.reset();
        return false;
    }
    return true;
}

void ShowPrepared(COperationHost& host, int labelString, const std::string& path, std::uint32_t size) {
    host.SetProgressRange(1, transfer::ProgressBarEnd(size));
    host.SetProgressPosition(0);
    host.SetStatusString(transfer::kStatusConnecting);
    const std::size_t slash = path.rfind('/');
    host.SetFileText(host.String(labelString) + ": " +
                     (slash == std::string::npos ? path : path.substr(slash + 1)));
    host.SetFilePath(path);
    host.SetProgressText(transfer::ProgressText(0, size));
}

void ShowStarting(COperationHost& host, std::uint32_t size) {
    host.SetProgressRange(1, transfer::ProgressBarEnd(size));
    host.SetProgressPosition(0);
    host.SetStatusString(transfer::kStatusStarting);
}

void ShowProgress(COperationHost& host, int statusString, std::uint32_t address, std::uint32_t size) {
    host.SetProgressPosition(address);
    host.SetStatusString(statusString);
    host.SetProgressText(transfer::ProgressText(address, size));
}

} // namespace qbx::boot_data

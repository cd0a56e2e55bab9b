#include "operations/port_diagnosis.h"

#include "link/serial_transport.h"
#include "operations/scan_strings.h"
#include "platform/device_access.h"
#include "platform/port_holder.h"

#include <cerrno>

namespace qbx {
namespace {

std::string Text(COperationHost& host, int stringId, const std::vector<MessageArg>& args) {
    return FormatMessage(host.String(stringId), args);
}

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

// Joining the group helps only where the group may read and write;
// otherwise only the owner (and root) gets in.
std::string NoPermission(COperationHost& host, const std::string& path) {
    CDeviceAccess access;
    if (!ReadDeviceAccess(path, access) || access.othersMayOpen)
        return Text(host, str::kNoPermission, {path});
    if (access.groupMayOpen) return Text(host, str::kNeedsGroup, {access.group});
    return Text(host, str::kOwnerOnly, {path, access.owner});
}

std::string InUse(COperationHost& host, const std::string& path, int error) {
    if (error == EACCES || error == EPERM) return NoPermission(host, path);
    CPortHolder holder;
    if (!FindPortHolder(path, holder)) return Text(host, str::kHeldUnseen, {});
    if (!holder.lockFile.empty())
        return Text(host, str::kHeldByLockFile,
                    {holder.name, static_cast<long long>(holder.pid), holder.lockFile});
    return Text(host, str::kHeldByProcess, {holder.name, static_cast<long long>(holder.pid)});
}

} // namespace

std::string PortDiagnosis(COperationHost& host, int portNumber, const std::string& path, int state, int error,
                          const std::vector<std::string>& mapped) {
    switch (state) {
    case kPortInUse:
        return InUse(host, path, error);
    case kPortMissing: {
        // Only worth saying when an adapter is there under another name.
        std::vector<std::string> present = SerialDevicesPresent(mapped);
        if (present.empty()) return {};
        return Text(host, str::kMissingOthers, {path, Joined(present), static_cast<long long>(portNumber)});
    }
    case kPortOtherError:
        if (error == ENOTTY) return Text(host, str::kNotATerminal, {path});
        return {};
    default:
        return {};
    }
}

} // namespace qbx

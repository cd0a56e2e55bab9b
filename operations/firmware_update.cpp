#include "operations/firmware_update.h"

#include "formats/program_file.h"
#include "formats/record_cursor.h"
#include "link/protocol_constants.h"
#include "operations/firmware_update_messages.h"
#include "operations/image_phase.h"
#include "operations/string_ids.h"
#include "operations/transfer_steps.h"

namespace qbx {
namespace {

using namespace firmware_update;

constexpr int kProgressDigits = 4;

bool Update(COperationHost& host, const std::string& path, const ConnectOptions& options) {
    ConnectOptions connect = options;
    connect.identify = false; // after the file has named the family it needs
    connect.check = false;
    std::unique_ptr<CTransport> transport;
    BootloaderId id;
    if (Connect(host, kConnect, connect, transport, id) != ConnectResult::Connected) return false;
    host.SetProgressRange(1, 100);
    host.SetProgressPosition(0);
    host.SetStatusString(transfer::kStatusStarting);

    CTextStream file;
    if (file.Open(path) != 0) {
        host.ShowMessage(kFileNotOpened, str::kFileNotUsable, {path});
        return false;
    }
    const std::uint8_t family = ReadFirmwareFamily(file);
    if (family == 0) {
        host.ShowMessage(kUnknownFile, str::kFirmwareFileUnknown);
        return false;
    }
    if (!IdentifyBootloader(*transport, id)) {
        host.ShowMessage(kConnect.identifyFailed, str::kNoAnswer);
        return false;
    }
    if (id.family != family) {
        host.ShowMessage(kWrongFamily, str::kWrongFirmwareFamily);
        return false;
    }
    const std::uint32_t total = ReadProgressTotal(file);
    CRecordCursor cursor(file);
    cursor.BeginPhase(kSingleImagePhase);
    if (!ServeImagePhase(*transport, host, cursor, command::kFirmwareUpdate, {0, total, kProgressDigits},
                         kPhase))
        return false;
    host.SetProgressPosition(100);
    host.SetStatusString(transfer::kStatusFinished);
    host.SetProgressText(ImageProgressText(total, total, kProgressDigits));
    return true;
}

} // namespace

bool RunFirmwareUpdate(COperationHost& host, const std::string& path, const ConnectOptions& options) {
    host.SetFileText(host.String(transfer::kSourceFile) + ": " + transfer::PathTitle(path));
    host.SetFilePath(path);
    host.SetStatusString(transfer::kStatusConnecting);
    transfer::CWaitCursor wait(host);
    const bool done = Update(host, path, options);
    if (done) host.Beep();
    return done;
}

} // namespace qbx

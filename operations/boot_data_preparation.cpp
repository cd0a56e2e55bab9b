#include "core/windows1252.h"
#include "link/protocol_constants.h"
#include "link/slot_commands.h"
#include "operations/boot_data_messages.h"
#include "operations/boot_data_steps.h"
#include "operations/boot_data_transfer.h"
#include "operations/string_ids.h"
#include "operations/transfer_messages.h"
#include "operations/transfer_steps.h"

#include "operations/download_preparation_checks.h"

#include <algorithm>
#include <filesystem>

namespace qbx {
namespace {

using namespace boot_data;

// The only file format this function writes; it records kind and size itself.
constexpr std::uint8_t kBootDataFileFormat = 3;

bool IsKnownStatus(std::uint8_t status) {
    return status == 0 || status == record::kStatusHasData;
}

// The image a header announces, ready to receive its bytes. False when the
// header is not a LINKBOX image or names a size or texts that no file holds.
bool PrepareFor(const SlotHeader& header, FunctionDataImage& image) {
    if (!IsKnownStatus(header.status) || header.kind != device::kNetworkFamily) return false;
    FunctionDataHeader file;
    file.fileFormat = kBootDataFileFormat;
    file.deviceCode = header.kind;
    file.firmware = header.textA;
    file.bootsector = header.textB;
    file.dataSize = header.size;
    return image.Prepare(file);
}

// Connects and reads the device's header into a prepared image, under the
// wait cursor. Checked before the file is chosen, so that nobody chooses in vain.
bool ReadHeader(COperationHost& host, const ConnectOptions& options, std::unique_ptr<CTransport>& transport,
                SlotHeader& header, FunctionDataImage& image) {
    transfer::CWaitCursor wait(host);
    if (!ConnectToLinkbox(host, kReadPrepareConnect, kReadPrepareNotLinkbox, options, transport))
        return false;
    if (!ReadDeviceHeader(*transport, header)) {
        host.ShowMessage(kHeaderNotRead, str::kNoAnswer);
        return false;
    }
    if (!PrepareFor(header, image)) {
        host.ShowMessage(kHeaderUnsupported, transfer::kUnsupportedData);
        return false;
    }
    return true;
}

} // namespace

std::string BootDataOfferedName(const std::string& description) {
    std::string name = Windows1252ToUtf8(description);
    std::replace(name.begin(), name.end(), '/', '_');
    // A name of dots alone would name a folder.
    if (name.find_first_not_of('.') == std::string::npos) return {};
    return name;
}

std::string ConfirmBootDataTarget(COperationHost& host, const std::string& chosen) {
    const std::string path = DownloadPath(chosen);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return path;
    return host.AskQuestion(kAskOverwrite, kStringAskOverwrite, {path}) ? path : std::string();
}

bool PrepareBootDataWrite(COperationHost& host, const std::string& path, BootDataJob& job) {
    job.path = path;
    job.title = transfer::PathTitle(path);
    const int loaded = job.image.Load(path);
    if (loaded == kDatNoMagic) {
        host.ShowMessage(kNotFunctionData, str::kNotFunctionData);
        return false;
    }
    if (loaded != kDatLoaded) {
        host.ShowMessage(kFileNotLoaded, str::kFileNotUsable, {path});
        return false;
    }
    const FunctionDataHeader& header = job.image.Header();
    if (header.deviceCode != device::kNetworkFamily) {
        host.ShowMessage(kWrongDevice, str::kNotValidForFunction);
        return false;
    }
    if (header.fileFormat > kMaxFileFormat) {
        host.ShowMessage(kUnknownFormat, transfer::kUnsupportedData);
        return false;
    }
    ShowPrepared(host, transfer::kSourceFile, path, header.dataSize);
    return true;
}

bool PrepareBootDataRead(COperationHost& host, const BootDataTargetChooser& choose, BootDataJob& job,
                         const ConnectOptions& options) {
    std::unique_ptr<CTransport> transport;
    SlotHeader header;
    if (!ReadHeader(host, options, transport, header, job.image)) return false;
    // The link stays open while the person chooses.
    std::string path;
    if (!choose(BootDataOfferedName(header.description), path)) return false;
    job.path = path;
    job.title = transfer::PathTitle(path);
    ShowPrepared(host, transfer::kTargetFile, path, job.image.Header().dataSize);
    return true;
}

} // namespace qbx

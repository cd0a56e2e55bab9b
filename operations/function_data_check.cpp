// Function data: what the upload would put into a storage slot's header,
// after the device's field lengths and character set.
#include "core/device_charset.h"
#include "core/device_families.h"
#include "core/windows1252.h"
#include "formats/device_table.h"
#include "formats/function_data_image.h"
#include "link/protocol_constants.h"
#include "link/slot_header.h"
#include "operations/file_check_parts.h"
#include "operations/file_check_strings.h"
#include "operations/string_ids.h"
#include "operations/transfer_steps.h"
#include "operations/upload_preparation_messages.h"
#include "operations/upload_transfer.h"

namespace qbx::check {
namespace {

using namespace check_str;

void ReportCut(const std::string& field, const std::string& text, const std::string& kept, int length,
               Findings& out) {
    if (text != kept)
        out.push_back(Finding(kCheckWarning, "text-cut", kTextCut,
                              {field, Windows1252ToUtf8(text), Arg(length), Windows1252ToUtf8(kept)}));
}

std::string DeviceName(std::uint8_t code) {
    if (code == device::kNetworkFamily) return "LINKBOX";
    const std::string name = DeviceNameOf(code);
    return name.empty() ? "?" : name;
}

} // namespace

void CheckFunctionDataFile(const std::string& path, Findings& out) {
    FunctionDataImage image;
    const int loaded = image.Load(path);
    if (loaded == kDatCannotOpen) {
        out.push_back(TransferFault("not-opened", upload_preparation::kGroup,
                                    upload_preparation::kFileNotOpened, str::kCannotOpen));
        return;
    }
    if (loaded != kDatLoaded) {
        out.push_back(TransferFault("not-function-data", upload_preparation::kGroup,
                                    upload_preparation::kFileNotValid, str::kNotValidForFunction));
        return;
    }
    const FunctionDataHeader& file = image.Header();
    out.push_back(Finding(
        kCheckInfo, "kind", kFunctionData,
        {Arg(file.fileFormat), Arg(file.deviceCode), DeviceName(file.deviceCode), Arg(file.dataSize)}));
    AddPathLength(path, upload_preparation::kGroup, upload_preparation::kPathTooLong, out);
    if (file.deviceCode == device::kNetworkFamily)
        out.push_back(Finding(kCheckInfo, "boot-data", kBootDataFile));

    // The header exactly as it crosses the wire: fields cut to their length,
    // the description in the device's characters; the two short texts go as
    // they stand.
    SlotHeader header = UploadSlotHeader(image, transfer::PathTitle(path));
    header.description = ToDeviceCharset(header.description);
    std::uint8_t wire[record::kHeaderSize] = {};
    EncodeSlotHeader(header, wire);
    const SlotHeader stored = DecodeSlotHeader(wire);
    ReportCut("FIRMWARE", file.firmware, stored.textA, record::kShortTextSize, out);
    ReportCut("BOOTSECTOR", file.bootsector, stored.textB, record::kShortTextSize, out);
    AddBlanks(stored.textA, kBecomesBlank, "FIRMWARE", out);
    AddBlanks(stored.textB, kBecomesBlank, "BOOTSECTOR", out);
    const std::string title = Utf8ToWindows1252(transfer::PathTitle(path));
    const std::string description = Windows1252ToUtf8(FromDeviceCharset(stored.description));
    if (title.size() > record::kDescriptionSize)
        out.push_back(Finding(kCheckWarning, "text-cut", kNameCut,
                              {transfer::PathTitle(path), Arg(record::kDescriptionSize), description}));
    AddBlanks(title.substr(0, record::kDescriptionSize), kDescriptionField, "", out);
    out.push_back(Finding(kCheckInfo, "stored-texts", kStoredTexts,
                          {Windows1252ToUtf8(stored.textA), Windows1252ToUtf8(stored.textB), description}));
    out.push_back(Finding(kCheckInfo, "slot-line", kSlotLine, {description, Arg(stored.size)}));
}

} // namespace qbx::check

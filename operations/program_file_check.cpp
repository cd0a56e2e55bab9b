// Program and firmware files, walked through the transfer's record cursor as
// a device asking ascending 64-byte blocks up to the size it was told.
#include "core/device_charset.h"
#include "core/windows1252.h"
#include "formats/device_table.h"
#include "formats/handover_file.h"
#include "formats/hex_records.h"
#include "formats/program_file.h"
#include "formats/record_cursor.h"
#include "formats/scan_conversions.h"
#include "formats/welcome_page.h"
#include "operations/file_check_parts.h"
#include "operations/file_check_strings.h"
#include "operations/firmware_update_messages.h"
#include "operations/os_update_messages.h"
#include "operations/os_update_preparation.h"
#include "operations/string_ids.h"

#include <algorithm>

namespace qbx::check {
namespace {

using namespace check_str;

constexpr std::uint32_t kSingleImageSize = 0x20000;
constexpr int kChecksumsNamed = 5;
// The start-up text: 88 characters from here when the records hold 16 bytes.
constexpr std::uint32_t kPageStart = 0x10002;
constexpr std::uint32_t kPageLength = 88;

struct Range {
    std::uint64_t from, to; // to excluded
};

void AddRange(std::vector<Range>& ranges, std::uint64_t from, std::uint64_t to) {
    if (from >= to) return;
    if (!ranges.empty() && ranges.back().to == from) {
        ranges.back().to = to;
        return;
    }
    ranges.push_back({from, to});
    std::sort(ranges.begin(), ranges.end(), [](const Range& a, const Range& b) { return a.from < b.from; });
    std::vector<Range> merged;
    for (const Range& r : ranges) {
        if (!merged.empty() && r.from <= merged.back().to)
            merged.back().to = std::max(merged.back().to, r.to);
        else
            merged.push_back(r);
    }
    ranges = std::move(merged);
}

// Where the transfer's messages for one phase come from.
struct PhaseSetup {
    int phase = kSingleImagePhase;
    int image = kCheckWholeFile;
    std::uint32_t size = 0;
    int group = 0;
    int unexpectedReply = 0;
    Range window = {0, 0}; // boot-sector image: where the kept bytes go
};

// Collects what the cursor reads during the walk of one image.
class CImageWatcher : public CRecordWatcher {
  public:
    CImageWatcher(const PhaseSetup& setup, Findings& out) : setup(setup), out(out) {}

    bool Seen(const SeenRecord& record) override {
        // A record whose bytes were never read never reached the device.
        if (record.type == kHexData && record.checksum != kChecksumNotRead)
            AddRange(data, record.address, std::uint64_t{record.address} + record.count);
        if (record.type == kHexSegmentAddress || record.type == kHexLinearAddress) {
            const std::uint32_t value =
                record.bytes.size() == 2 ? (record.bytes[0] << 8) | record.bytes[1] : 0;
            out.push_back(Finding(kCheckInfo, "extended-address",
                                  record.type == kHexSegmentAddress ? kSegmentAddress : kLinearAddress,
                                  {Arg(value), Arg(record.base)}, setup.image));
        }
        if (record.checksum == kChecksumDiffers || record.checksum == kChecksumMissing) {
            if (++checksums <= kChecksumsNamed) {
                out.push_back(record.checksum == kChecksumDiffers
                                  ? Finding(kCheckWarning, "checksum", kBadChecksum,
                                            {Arg(record.address), Arg(record.checksumFound),
                                             Arg(record.checksumExpected)},
                                            setup.image)
                                  : Finding(kCheckWarning, "checksum", kNoChecksum, {Arg(record.address)},
                                            setup.image));
            }
        }
        return true;
    }

    void AddSummary() {
        if (checksums > kChecksumsNamed)
            out.push_back(Finding(kCheckWarning, "checksum", kMoreChecksums,
                                  {Arg(checksums - kChecksumsNamed)}, setup.image));
    }

    std::vector<Range> data;

  private:
    const PhaseSetup& setup;
    Findings& out;
    int checksums = 0;
};

// Records past the size the device asks for; they stop at the end record,
// so that the next image's records are not taken for this one's.
class CBeyondWatcher : public CRecordWatcher {
  public:
    explicit CBeyondWatcher(std::uint32_t size) : size(size) {}
    bool Seen(const SeenRecord& record) override {
        if (record.type == kHexEndOfFile) return false;
        if (record.type == kHexData && record.address >= size)
            AddRange(beyond, record.address, std::uint64_t{record.address} + record.count);
        return true;
    }
    std::vector<Range> beyond;

  private:
    std::uint32_t size;
};

void ReportUnservable(const PhaseSetup& s, int served, const CRecordCursor& cursor, std::uint32_t address,
                      Findings& out) {
    const long long record = Arg(cursor.RecordAddress());
    switch (served) {
    case kServeOutOfOrder:
        out.push_back(TransferFault("out-of-order", s.group, s.unexpectedReply, str::kRecordsOutOfOrder,
                                    {record}, s.image));
        break;
    case kServeRecordAcrossBlock:
        out.push_back(TransferFault("across-block", s.group, s.unexpectedReply, str::kRecordAcrossBlock,
                                    {record, Arg(address)}, s.image));
        break;
    default: // the records ended inside the image
        out.push_back(TransferFault("file-ends", s.group, s.unexpectedReply, str::kFileEndsInBlock,
                                    {Arg(address)}, s.image));
        break;
    }
}

// The data and, where the device asked, the holes in address order; in the
// boot-sector image the window is no hole, the kept bytes fill it.
void AddRanges(const std::vector<Range>& data, const PhaseSetup& s, bool served, Findings& out) {
    std::vector<std::pair<std::uint64_t, CheckFinding>> lines;
    std::vector<Range> filled;
    for (const Range& r : data) {
        const std::uint64_t from = std::min<std::uint64_t>(r.from, s.size),
                            to = std::min<std::uint64_t>(r.to, s.size);
        if (from >= to) continue;
        lines.push_back({from, Finding(kCheckInfo, "data", kData, {Arg(from), Arg(to - 1)}, s.image)});
        AddRange(filled, from, to);
    }
    AddRange(filled, std::min<std::uint64_t>(s.window.from, s.size),
             std::min<std::uint64_t>(s.window.to, s.size));
    std::uint64_t at = 0;
    filled.push_back({s.size, s.size});
    for (const Range& r : filled) {
        if (served && r.from > at)
            lines.push_back({at, Finding(kCheckInfo, "hole", kHole,
                                         {Arg(at), Arg(r.from - 1), Arg(r.from - at)}, s.image)});
        at = std::max(at, r.to);
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& line : lines)
        out.push_back(std::move(line.second));
}

// The device's walk through one image. False when the transfer would stop.
// `page` collects the start-up text as served; `dataOut` the image's data.
bool WalkImage(CRecordCursor& cursor, const PhaseSetup& s, Findings& out, std::string* page = nullptr,
               std::vector<Range>* dataOut = nullptr) {
    Findings records; // what the records themselves say, after the ranges
    CImageWatcher watcher(s, records);
    cursor.SetWatcher(&watcher);
    cursor.BeginPhase(s.phase);
    bool served = true;
    for (std::uint32_t address = 0; address < s.size; address += kMaxRequestBytes) {
        const std::uint32_t count = std::min(kMaxRequestBytes, s.size - address);
        AnswerBlock block;
        const int result = cursor.Serve(address, count, block);
        if (result > kServeNoData) {
            ReportUnservable(s, result, cursor, address, records);
            served = false;
            break;
        }
        for (std::uint32_t i = 0; page && result != kServeNoData && i < count; ++i)
            if (address + i >= kPageStart && address + i < kPageStart + kPageLength)
                (*page)[address + i - kPageStart] = static_cast<char>(block[i]);
    }
    cursor.SetWatcher(nullptr);
    watcher.AddSummary();
    AddRanges(watcher.data, s, served, out);
    out.insert(out.end(), records.begin(), records.end());
    if (dataOut) *dataOut = watcher.data;
    return served;
}

// Asks on past the image, on a stream of its own, for records the device never asks for.
void FindDataBeyond(CTextStream& file, const PhaseSetup& s, Findings& out) {
    CRecordCursor cursor(file);
    CBeyondWatcher watcher(s.size);
    cursor.SetWatcher(&watcher);
    cursor.BeginPhase(kSingleImagePhase);
    std::uint64_t address = s.size;
    while (address + kMaxRequestBytes <= 0xFFFFFFFFu) {
        AnswerBlock block;
        const int result = cursor.Serve(static_cast<std::uint32_t>(address), kMaxRequestBytes, block);
        if (result > kServeNoData) break;
        std::uint64_t next = address + kMaxRequestBytes;
        if (result != kServeData)
            next = std::max<std::uint64_t>(next, cursor.RecordAddress() & ~(kMaxRequestBytes - 1));
        address = next;
    }
    for (const Range& r : watcher.beyond)
        out.push_back(Finding(kCheckFault, "beyond-size", kBeyondSize,
                              {Arg(r.from), Arg(r.to - 1), Arg(s.size)}, s.image));
}

// The welcome page as it goes in: which of its characters the device cannot
// show, and the text the start-up records end up with.
bool OpenWelcomePage(const std::string& path, CTextStream& page, Findings& out) {
    if (page.Open(path) != 0) {
        out.push_back(TransferFault("welcome-page-missing", os_update::kGroup, os_update::kWelcomePageMissing,
                                    str::kWelcomePageMissing, {path}));
        return false;
    }
    std::string text;
    CTextStream again;
    if (again.Open(path) == 0)
        for (int c; text.size() < kPageLength && (c = again.Get()) != CTextStream::kEnd;)
            text += static_cast<char>(c);
    AddBlanks(text, kWelcomeField, "", out);
    return true;
}

// The page as its four lines of 22 characters.
void ReportWelcomeText(const std::string& path, const std::string& page, int image, Findings& out) {
    std::string shown;
    for (std::size_t at = 0; at < page.size(); at += kWelcomeLineLength) {
        std::string line = page.substr(at, kWelcomeLineLength);
        line.erase(line.find_last_not_of(' ') + 1);
        shown += (at ? " | " : "") + Windows1252ToUtf8(FromDeviceCharset(line));
    }
    out.push_back(Finding(kCheckInfo, "welcome-page", kWelcomeText, {path, shown}, image));
}

bool WantsPage(const FileCheckOptions& options) {
    return !IsNoWelcomePage(options.welcomePage);
}

void CheckSingleImage(const std::string& path, int kind, const std::string& word,
                      const FileCheckOptions& options, Findings& out) {
    const PhaseSetup s{kSingleImagePhase, kCheckWholeFile, kSingleImageSize, os_update::kGroup,
                       os_update::kSingleImage.phase.unexpectedReply};
    const std::uint8_t code = SingleImageDeviceCode(kind);
    out.push_back(
        Finding(kCheckInfo, "kind", kSingleImage, {word, DeviceNameOf(code), Arg(code), Arg(s.size)}));
    CTextStream file, welcome;
    if (file.Open(path) != 0) return;
    ReadProgramFileKind(file);
    ReadProgressTotal(file);
    CRecordCursor cursor(file);
    const bool takesPage = WantsPage(options) && WelcomePageApplies(kind, {});
    if (WantsPage(options) && !takesPage)
        out.push_back(Finding(kCheckInfo, "welcome-page", kWelcomeNotTaken, {options.welcomePage}));
    if (takesPage && !OpenWelcomePage(options.welcomePage, welcome, out)) return;
    if (takesPage) cursor.SetWelcomePage(&welcome);
    std::string page(kPageLength, static_cast<char>(kUnprogrammedByte));
    if (!WalkImage(cursor, s, out, takesPage ? &page : nullptr)) return;
    if (takesPage) ReportWelcomeText(options.welcomePage, page, kCheckWholeFile, out);
    CTextStream again;
    if (again.Open(path) != 0) return;
    ReadProgramFileKind(again);
    ReadProgressTotal(again);
    FindDataBeyond(again, s, out);
}

void ReportWindow(const TwoImageHeader& header, const std::vector<Range>& ownData, Findings& out) {
    const std::uint64_t from = header.dataSize / 2, to = from + header.bsSize;
    if (header.bsSize == 0) return;
    out.push_back(Finding(kCheckInfo, "boot-sector-window", kBootSectorWindow,
                          {Arg(header.bsSize), Arg(from), Arg(to - 1)}, kCheckBootSectorImage));
    for (const Range& r : ownData) {
        const std::uint64_t a = std::max(r.from, from), b = std::min(r.to, to);
        if (a < b)
            out.push_back(Finding(kCheckWarning, "own-data-in-window", kOwnDataInWindow, {Arg(a), Arg(b - 1)},
                                  kCheckBootSectorImage));
    }
    if (to > header.dataSize)
        out.push_back(Finding(kCheckFault, "window-beyond-size", kWindowBeyondSize,
                              {Arg(to - 1), Arg(header.dataSize), Arg(to - header.dataSize)},
                              kCheckBootSectorImage));
}

void CheckTwoImage(const std::string& path, const FileCheckOptions& options, Findings& out) {
    const auto& m = os_update::kTwoImage;
    CTextStream file, welcome;
    TwoImageHeader header;
    const int read = file.Open(path) == 0 ? ReadTwoImageHeader(file, header) : kHeaderBadFirstLine;
    if (read == kHeaderBootSectorTooLarge) {
        out.push_back(TransferFault("boot-sector-too-large", os_update::kGroup,
                                    os_update::kBootSectorTooLarge, str::kBootSectorTooLarge,
                                    {Arg(header.bsSize)}));
        return;
    }
    if (read != kHeaderRead) {
        out.push_back(
            TransferFault("bad-header", os_update::kGroup, m.badKindOrHeader, str::kNotProgramFile));
        return;
    }
    out.push_back(
        Finding(kCheckInfo, "kind", kTwoImage,
                {Windows1252ToUtf8(header.device), Arg(header.deviceCode), Windows1252ToUtf8(header.program),
                 Windows1252ToUtf8(header.bootsector), Arg(header.dataSize), Arg(header.bsSize)}));
    if (header.deviceCode == kDeviceUnknown)
        out.push_back(
            Finding(kCheckWarning, "unknown-device", kUnknownDevice, {Windows1252ToUtf8(header.device)}));
    const bool takesPage = WantsPage(options) && WelcomePageApplies(kTwoImageFile, header.device);
    if (WantsPage(options) && !takesPage)
        out.push_back(Finding(kCheckInfo, "welcome-page", kWelcomeNotTaken, {options.welcomePage}));
    if (takesPage && !OpenWelcomePage(options.welcomePage, welcome, out)) return;
    CRecordCursor cursor(file);
    if (takesPage) cursor.SetWelcomePage(&welcome);
    if (!cursor.KeepBootSector(header.dataSize, header.bsSize)) {
        out.push_back(TransferFault("boot-sector-too-large", os_update::kGroup,
                                    os_update::kBootSectorTooLarge, str::kBootSectorTooLarge,
                                    {Arg(header.bsSize)}));
        return;
    }
    const int group = os_update::kGroup, unexpected = m.phase.unexpectedReply;
    const PhaseSetup first{kProgramImagePhase, kCheckProgramImage, header.dataSize, group, unexpected};
    const std::uint64_t window = header.dataSize / 2;
    const PhaseSetup second{
        kBootSectorImagePhase,           kCheckBootSectorImage, header.dataSize, group, unexpected,
        {window, window + header.bsSize}};
    std::string page(kPageLength, static_cast<char>(kUnprogrammedByte));
    if (!SkipToMarker(file, kProgramImageMarker)) {
        out.push_back(TransferFault("no-marker", group, m.badKindOrHeader, str::kNotProgramFile, {},
                                    kCheckProgramImage));
        return;
    }
    if (!WalkImage(cursor, first, out, takesPage ? &page : nullptr)) return;
    if (takesPage) ReportWelcomeText(options.welcomePage, page, kCheckProgramImage, out);
    cursor.SetWelcomePage(nullptr);
    if (!SkipToMarker(file, kBootSectorImageMarker)) {
        out.push_back(TransferFault("no-marker", group, m.badKindOrHeader, str::kNotProgramFile, {},
                                    kCheckBootSectorImage));
        return;
    }
    std::vector<Range> ownData; // where the window leaves the image its own bytes
    const bool served = WalkImage(cursor, second, out, nullptr, &ownData);
    ReportWindow(header, ownData, out);
    for (const PhaseSetup* s : {&first, &second}) {
        if (s == &second && !served) break;
        CTextStream again;
        if (again.Open(path) != 0 || !SkipToMarker(again, kProgramImageMarker)) continue;
        if (s == &second && !SkipToMarker(again, kBootSectorImageMarker)) continue;
        FindDataBeyond(again, *s, out);
    }
}

} // namespace

void CheckProgramFile(const std::string& path, const FileCheckOptions& options, Findings& out) {
    AddPathLength(path, os_preparation::kGroup, os_preparation::kPathTooLong, out);
    CTextStream file;
    if (file.Open(path) != 0) {
        out.push_back(TransferFault("not-opened", os_update::kGroup, os_update::kFileNotOpened,
                                    str::kFileNotUsable, {path}));
        return;
    }
    std::string word;
    ScanWord(file, word);
    const int kind = ProgramFileKindOf(word);
    if (kind == kNotProgramFile) {
        out.push_back(TransferFault("not-program-file", os_update::kGroup, os_update::kUnknownProgramFile,
                                    str::kNotProgramFile));
    } else if (kind == kTwoImageFile) {
        CheckTwoImage(path, options, out);
    } else {
        CheckSingleImage(path, kind, word, options, out);
    }
}

void CheckFirmwareFile(const std::string& path, Findings& out) {
    namespace fw = firmware_update;
    CTextStream file;
    if (file.Open(path) != 0) {
        out.push_back(
            TransferFault("not-opened", fw::kGroup, fw::kFileNotOpened, str::kFileNotUsable, {path}));
        return;
    }
    std::string word;
    ScanWord(file, word);
    const std::uint8_t family = FirmwareFamilyOf(word);
    if (family == 0) {
        out.push_back(
            TransferFault("not-firmware-file", fw::kGroup, fw::kUnknownFile, str::kFirmwareFileUnknown));
        return;
    }
    const std::uint32_t total = ReadProgressTotal(file);
    out.push_back(Finding(kCheckInfo, "kind", kFirmware, {word, Arg(family), Arg(total)}));
    if (total == 0) {
        out.push_back(Finding(kCheckWarning, "no-size", kNoFirmwareSize));
        return;
    }
    // The bootloader asks for its own firmware size; the file names only
    // the progress total, which is what its maker meant to be sent.
    const PhaseSetup s{kSingleImagePhase, kCheckWholeFile, total, fw::kGroup, fw::kPhase.unexpectedReply};
    CRecordCursor cursor(file);
    if (!WalkImage(cursor, s, out)) return;
    CTextStream again;
    if (again.Open(path) != 0) return;
    ScanWord(again, word);
    ReadProgressTotal(again);
    FindDataBeyond(again, s, out);
}

} // namespace qbx::check

#include "operations/os_update_transfer.h"

#include "formats/program_file.h"
#include "formats/record_cursor.h"
#include "link/protocol_constants.h"
#include "link/slot_commands.h"
#include "operations/image_phase.h"
#include "operations/os_update_messages.h"
#include "operations/string_ids.h"
#include "operations/transfer_steps.h"
#include "operations/welcome_page_check.h"

namespace qbx {
namespace {

using namespace os_update;
using qbx::kNotProgramFile;

// The device stores the short header before it asks for data, and the boot
// sector update needs a moment after the program image.
constexpr int kPauseAfterShortHeaderMs = 100;
constexpr int kPauseBetweenPhasesMs = 500;
// A single-image file always announces this size. Its end shows the file's
// own total, which the progress counted towards; 1FFFF when it names none.
constexpr std::uint32_t kSingleImageSize = 0x20000;
constexpr std::uint32_t kSingleImageLastAddress = 0x1FFFF;
constexpr int kProgressDigits = 5;

// What one procedure holds while it runs; every file closes on every way out.
struct Procedure {
    const ProcedureMessages& messages;
    std::unique_ptr<CTransport> transport;
    CTextStream program;
    CTextStream welcome;
};

// Connects and checks the bootloader, then opens the program file again.
bool ConnectAndReopen(COperationHost& host, const std::string& path, const ConnectOptions& options,
                      Procedure& run) {
    ConnectOptions connect = options;
    connect.identify = true;
    connect.modeCheck = true;
    connect.check = false; // after the progress display is set up
    BootloaderId id;
    if (transfer::ConnectForTransfer(host, run.messages.connect, connect, run.transport, id) !=
        ConnectResult::Connected)
        return false;
    host.SetProgressRange(1, 100);
    host.SetProgressPosition(0);
    host.SetStatusString(transfer::kStatusStarting);
    if (!transfer::CheckConnectedBootloader(host, run.messages.connect, *run.transport)) return false;
    if (run.program.Open(path) != 0) {
        host.ShowMessage(run.messages.fileNotReopened, str::kFileNotUsable, {path});
        return false;
    }
    return true;
}

// The welcome page goes into the program only where the kind allows it and
// a page was chosen; whether it opens was checked before the link was.
void OpenWelcomePage(Procedure& run, const std::string& path, bool applies, CRecordCursor& cursor) {
    if (!applies || IsNoWelcomePage(path) || run.welcome.Open(path) != 0) return;
    cursor.SetWelcomePage(&run.welcome);
}

bool SendShortHeader(COperationHost& host, Procedure& run, const SlotHeader& header) {
    if (!WriteShortHeader(*run.transport, header)) {
        host.ShowMessage(run.messages.shortHeaderFailed, str::kNoAnswer);
        return false;
    }
    run.transport->Pause(kPauseAfterShortHeaderMs);
    return true;
}

void ShowFinished(COperationHost& host, std::uint32_t shown) {
    host.SetProgressPosition(100);
    host.SetStatusString(transfer::kStatusFinished);
    host.SetProgressText(ImageProgressText(shown, shown, kProgressDigits));
}

bool RunSingleImage(COperationHost& host, const OsUpdateHandover& paths, const ConnectOptions& options) {
    Procedure run{kSingleImage, {}, {}, {}};
    if (!ConnectAndReopen(host, paths.programFile, options, run)) return false;
    const int kind = ReadProgramFileKind(run.program);
    if (!IsSingleImageKind(kind)) {
        host.ShowMessage(run.messages.badKindOrHeader, str::kNotProgramFile);
        return false;
    }
    CRecordCursor cursor(run.program);
    OpenWelcomePage(run, paths.welcomePage, WelcomePageApplies(kind, {}), cursor);
    const std::uint32_t total = ReadProgressTotal(run.program);

    SlotHeader header;
    header.status = record::kStatusHasData;
    header.kind = SingleImageDeviceCode(kind);
    header.size = kSingleImageSize;
    if (!SendShortHeader(host, run, header)) return false;
    cursor.BeginPhase(kSingleImagePhase);
    if (!ServeImagePhase(*run.transport, host, cursor, command::kOsImage, {0, total, kProgressDigits},
                         run.messages.phase))
        return false;
    ShowFinished(host, total != 0 ? total : kSingleImageLastAddress);
    return true;
}

bool RefuseLargeBootSector(COperationHost& host, int number, const TwoImageHeader& header) {
    host.ShowMessage(number, str::kBootSectorTooLarge, {static_cast<long long>(header.bsSize)});
    return false;
}

bool RunTwoImage(COperationHost& host, const OsUpdateHandover& paths, const ConnectOptions& options) {
    Procedure run{kTwoImage, {}, {}, {}};
    if (!ConnectAndReopen(host, paths.programFile, options, run)) return false;
    TwoImageHeader header;
    const int read = ReadTwoImageHeader(run.program, header);
    if (read == kHeaderBootSectorTooLarge) return RefuseLargeBootSector(host, kBootSectorTooLarge, header);
    if (read != kHeaderRead) {
        host.ShowMessage(run.messages.badKindOrHeader, str::kNotProgramFile);
        return false;
    }
    CRecordCursor cursor(run.program);
    OpenWelcomePage(run, paths.welcomePage, WelcomePageApplies(kTwoImageFile, header.device), cursor);
    if (!cursor.KeepBootSector(header.dataSize, header.bsSize))
        return RefuseLargeBootSector(host, kBootSectorTooLarge, header);
    const std::uint32_t total = TwoImageProgressTotal(header);

    SlotHeader shortHeader;
    shortHeader.status = record::kStatusHasData;
    shortHeader.kind = header.deviceCode;
    shortHeader.textA = header.program;
    shortHeader.textB = header.bootsector;
    shortHeader.size = header.dataSize;
    if (!SendShortHeader(host, run, shortHeader)) return false;

    // A file without its image markers cannot serve a single block.
    if (!SkipToMarker(run.program, kProgramImageMarker)) {
        host.ShowMessage(run.messages.badKindOrHeader, str::kNotProgramFile);
        return false;
    }
    cursor.BeginPhase(kProgramImagePhase);
    if (!ServeImagePhase(*run.transport, host, cursor, command::kOsImage, {0, total, kProgressDigits},
                         run.messages.phase))
        return false;
    run.transport->Pause(kPauseBetweenPhasesMs);
    cursor.SetWelcomePage(nullptr);
    run.welcome.Close();
    if (!SkipToMarker(run.program, kBootSectorImageMarker)) {
        host.ShowMessage(run.messages.badKindOrHeader, str::kNotProgramFile);
        return false;
    }
    cursor.BeginPhase(kBootSectorImagePhase);
    if (!ServeImagePhase(*run.transport, host, cursor, command::kOsBootSector,
                         {header.dataSize, total, kProgressDigits}, run.messages.phase))
        return false;
    ShowFinished(host, total);
    return true;
}

// What can be known of the file before the link is opened: its kind, and
// for a two-image file whether its boot sector can be kept in memory.
int CheckProgramFile(COperationHost& host, const std::string& path) {
    CTextStream file;
    if (file.Open(path) != 0) {
        host.ShowMessage(kFileNotOpened, str::kFileNotUsable, {path});
        return kNotProgramFile;
    }
    const int kind = ReadProgramFileKind(file);
    if (kind == kNotProgramFile) {
        host.ShowMessage(kUnknownProgramFile, str::kNotProgramFile);
        return kNotProgramFile;
    }
    if (kind == kTwoImageFile) {
        CTextStream again;
        TwoImageHeader header;
        if (again.Open(path) == 0 && ReadTwoImageHeader(again, header) == kHeaderBootSectorTooLarge) {
            RefuseLargeBootSector(host, kBootSectorTooLarge, header);
            return kNotProgramFile;
        }
    }
    return kind;
}

} // namespace

bool RunOsUpdate(COperationHost& host, const OsUpdateHandover& paths, const ConnectOptions& options) {
    host.SetFileText(transfer::PathTitle(paths.programFile));
    host.SetFilePath(paths.programFile);
    const int kind = CheckProgramFile(host, paths.programFile);
    if (kind == kNotProgramFile) return false;
    if (WelcomePageMissing(paths)) {
        host.ShowMessage(kWelcomePageMissing, str::kWelcomePageMissing, {paths.welcomePage});
        return false;
    }
    host.SetStatusString(transfer::kStatusConnecting);
    transfer::CWaitCursor wait(host);
    const bool done =
        kind == kTwoImageFile ? RunTwoImage(host, paths, options) : RunSingleImage(host, paths, options);
    if (done) host.Beep();
    return done;
}

bool RunOsUpdateTransfer(COperationHost& host, const ConnectOptions& options, const std::string& folder) {
    OsUpdateHandover paths;
    if (!ReadHandoverFile(paths, folder)) {
        host.ShowMessage(kNoHandoverFile, str::kFileNotUsable, {folder + "/" + kHandoverFileName});
        return false;
    }
    return RunOsUpdate(host, paths, options);
}

} // namespace qbx

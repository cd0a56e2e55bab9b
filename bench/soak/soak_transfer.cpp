#include "bench/soak/soak_transfer.h"

#include "bench/osupdate/bench_program_file.h"
#include "bench/soak/soak_files.h"
#include "bench/soak/soak_host.h"
#include "bench/soak/soak_memory.h"
#include "formats/function_data_image.h"
#include "formats/handover_file.h"
#include "operations/boot_data_transfer.h"
#include "operations/download_transfer.h"
#include "operations/firmware_update.h"
#include "operations/os_update_transfer.h"
#include "operations/upload_transfer.h"
#include "operations/web_page_upload.h"
#include "tests/support/sim_process.h"

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <thread>

namespace soak {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kSlot = 2;
constexpr std::uint8_t kControllerKind = 0x85;
constexpr std::uint8_t kLinkboxKind = 0xA3;
// The most a transfer pauses in production: the mode switch's 2 s, the
// re-query's 0.5 s, the pauses before the data and between update phases.
constexpr long kFixedPausesMs = 4000;
constexpr long kSplitDelayMs = 100; // the simulator's wait inside a split answer
// The device stores an upload once it has the program's answer to its end
// frame, which may come a moment after the program has finished.
constexpr auto kStoreWait = std::chrono::seconds(2);

struct Files {
    std::string source; // what an upload sends
    std::string target; // where a read writes
    Bytes sent;         // the bytes the device should end up with
    Bytes old;          // what sat at the target before
};

bool Reads(Kind kind) {
    return kind == Kind::SlotDownload || kind == Kind::BootDataRead;
}

const char* SourceName(Kind kind) {
    switch (kind) {
    case Kind::SlotUpload:
        return "Kessel.dat";
    case Kind::OsUpdate:
        return "system.prg";
    case Kind::FirmwareSerial:
    case Kind::FirmwareLinkbox:
        return "loader.frm";
    case Kind::WebPage:
        return "index.html";
    case Kind::BootDataWrite:
        return "Linkbox.dat";
    default:
        return "";
    }
}

bool PrepareFiles(const TransferPlan& plan, const std::string& folder, Files& files) {
    files.sent = DataBytes(plan.size, plan.dataSeed);
    if (Reads(plan.kind)) {
        files.target = folder + "/backup.dat";
        if (!plan.oldTarget) return true;
        const std::string text = "an older backup, transfer " + std::to_string(plan.index);
        files.old.assign(text.begin(), text.end());
        return WriteWholeFile(files.target, files.old);
    }
    files.source = folder + "/" + SourceName(plan.kind);
    switch (plan.kind) {
    case Kind::SlotUpload:
        return WriteDataFile(files.source, files.sent, kControllerKind);
    case Kind::BootDataWrite:
        return WriteDataFile(files.source, files.sent, kLinkboxKind);
    case Kind::OsUpdate:
        return bench::WriteBenchProgramFile(files.source, files.sent);
    case Kind::FirmwareSerial:
        return bench::WriteBenchProgramFile(files.source, files.sent, "BRAVOLT_FIRMWARE_FILE");
    case Kind::FirmwareLinkbox:
        return bench::WriteBenchProgramFile(files.source, files.sent, "BRAVOLT_LINKBOX_FIRMWARE_FILE");
    case Kind::WebPage:
        return WriteWholeFile(files.source, files.sent);
    default:
        return false;
    }
}

bool RunOperation(const TransferPlan& plan, CSoakHost& host, const qbx::ConnectOptions& options,
                  const Files& files) {
    qbx::BootDataJob job;
    qbx::WebPageFile page;
    switch (plan.kind) {
    case Kind::SlotDownload:
        return qbx::DownloadSlot(host, kSlot, files.target, options);
    case Kind::SlotUpload:
        return qbx::UploadSlot(host, kSlot, files.source, options, plan.verify);
    case Kind::OsUpdate:
        return qbx::RunOsUpdate(host, {qbx::kNoWelcomePage, files.source}, options);
    case Kind::FirmwareSerial:
    case Kind::FirmwareLinkbox:
        return qbx::RunFirmwareUpdate(host, files.source, options);
    case Kind::WebPage:
        return qbx::PrepareWebPage(host, files.source, page) && qbx::RunWebPageUpload(host, page, options);
    case Kind::BootDataRead: {
        auto choose = [&files](const std::string&, std::string& path) {
            path = files.target;
            return true;
        };
        return qbx::PrepareBootDataRead(host, choose, job, options) &&
               qbx::RunBootDataRead(host, job, options);
    }
    case Kind::BootDataWrite:
        return qbx::PrepareBootDataWrite(host, files.source, job) &&
               qbx::RunBootDataWrite(host, job, options, plan.verify);
    }
    return false;
}

qbx::CSettings SettingsFor(const TransferPlan& plan, const qbx::test::CSimProcess& sim) {
    qbx::CSettings settings;
    if (plan.serial) {
        settings.interfaceIndex = 0; // COM1
        setenv("QUILLBOX_COM1", sim.PtyPath().c_str(), 1);
    } else {
        settings.interfaceIndex = 6;
        settings.ipAddress = "127.0.0.1";
        settings.port = sim.TcpPort();
    }
    return settings;
}

// The device's memory once it is done: after a stored upload has had its
// moment to arrive, with the simulator stopped.
Memory FinalMemory(const TransferPlan& plan, bool storeExpected, const Memory& expected,
                   qbx::test::CSimProcess& sim, const std::string& stateFile,
                   std::vector<std::string>& problems) {
    qbx::sim::CDeviceState state;
    const auto deadline = Clock::now() + kStoreWait;
    while (storeExpected && !(LoadDevice(stateFile, state) && Holds(MemoryOf(state, plan.kind), expected)) &&
           Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    const int status = sim.Stop();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        problems.push_back("qbx-sim ended with wait status " + std::to_string(status));
    if (!LoadDevice(stateFile, state)) problems.push_back("the device state did not load at the end");
    return MemoryOf(state, plan.kind);
}

std::string Join(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return "[" + text + "]";
}

// The folder holds the source, or the target where a read leaves one, and
// nothing else: no partial file, no temporary file.
void CheckFolder(const TransferPlan& plan, const Files& files, const std::string& folder, bool succeeded,
                 std::vector<std::string>& problems) {
    std::vector<std::string> expected;
    if (!Reads(plan.kind))
        expected.push_back(SourceName(plan.kind));
    else if (succeeded || plan.oldTarget)
        expected.push_back("backup.dat");
    const std::vector<std::string> found = FolderEntries(folder);
    if (found != expected)
        problems.push_back("the folder holds " + Join(found) + ", expected " + Join(expected));
    if (!Reads(plan.kind) || succeeded || !plan.oldTarget) return;
    Bytes now;
    if (!ReadWholeFile(files.target, now) || now != files.old)
        problems.push_back("the old file at the target changed although the read failed");
}

void CheckReadFile(const Files& files, const Memory& device, std::vector<std::string>& problems) {
    qbx::FunctionDataImage image;
    if (image.Load(files.target) != 0) {
        problems.push_back("the file read does not load");
        return;
    }
    const Memory got{true, static_cast<std::uint32_t>(image.Size()), image.Data()};
    if (!Holds(device, got)) problems.push_back("the file read differs from the device's memory");
}

void CheckDevice(const TransferPlan& plan, bool succeeded, const Memory& before, const Memory& after,
                 const Memory& expected, std::vector<std::string>& problems) {
    if (Reads(plan.kind) || !succeeded) {
        // A verified store that failed in the read-back has stored.
        const bool stored = plan.verify && !Reads(plan.kind) && Holds(after, expected);
        if (!(after == before) && !stored)
            problems.push_back(Reads(plan.kind) ? "a read changed the device"
                                                : "the device changed although the transfer failed");
        return;
    }
    if (!Holds(after, expected)) problems.push_back("the device does not hold what was sent");
}

void CheckMessages(const TransferPlan& plan, const Outcome& out, std::vector<std::string>& problems) {
    const std::size_t wanted = out.succeeded ? 0 : 1;
    if (out.shown.size() != wanted)
        problems.push_back(std::to_string(out.shown.size()) + " messages shown after " +
                           (out.succeeded ? "success" : "failure"));
    if (plan.fault == "none" && !out.succeeded) problems.push_back("failed without a fault");
}

} // namespace

std::chrono::milliseconds TransferBound(const TransferPlan& plan, const SoakTiming& waits) {
    const long reads = static_cast<long>(plan.strikes + 2) * SoakTiming::Attempts(plan.serial);
    const long splits = plan.fault == "split-reply" ? plan.strikes * kSplitDelayMs : 0;
    const long sum = reads * waits.ReadLimitMs(plan.serial) + kFixedPausesMs / waits.pauseDivisor + splits;
    return std::chrono::milliseconds(10 * sum);
}

Outcome RunTransfer(const TransferPlan& plan, const SoakTiming& waits, const Folders& folders,
                    CWatchdog& watchdog) {
    Outcome out;
    Files files;
    if (!EmptyFolder(folders.files) || !PrepareFiles(plan, folders.files, files)) {
        out.problems.push_back("the files could not be prepared in " + folders.files);
        return out;
    }
    const std::string stateFile = folders.device + "/state.txt";
    std::remove(stateFile.c_str());
    std::vector<std::string> args = SimArguments(plan);
    args.insert(args.end(), {"--state", stateFile, "--quiet-ms", std::to_string(waits.simQuietMs)});
    qbx::test::CSimProcess sim;
    if (!sim.Start(args)) {
        out.problems.push_back("qbx-sim did not start: " + sim.Error());
        return out;
    }
    qbx::sim::CDeviceState start;
    if (!LoadDevice(stateFile, start)) out.problems.push_back("the device state did not load at the start");
    const Memory before = MemoryOf(start, plan.kind);
    const qbx::CSettings settings = SettingsFor(plan, sim);

    CSoakHost host;
    out.bound = TransferBound(plan, waits);
    watchdog.Arm(out.bound,
                 "transfer " + std::to_string(plan.index) + " (replay: " + ReplayArguments(plan) +
                     "): " + Describe(plan),
                 sim.Pid());
    const auto begun = Clock::now();
    out.succeeded = RunOperation(plan, host, SoakOptions(settings, waits), files);
    out.seconds = std::chrono::duration<double>(Clock::now() - begun).count();
    watchdog.Disarm();
    out.shown = host.shown;
    out.questions = host.questions;

    const Memory expected = ExpectedAfter(plan, files.sent, true);
    const bool storeExpected = out.succeeded && !Reads(plan.kind);
    const Memory after = FinalMemory(plan, storeExpected, expected, sim, stateFile, out.problems);
    CheckMessages(plan, out, out.problems);
    CheckFolder(plan, files, folders.files, out.succeeded, out.problems);
    if (Reads(plan.kind) && out.succeeded) CheckReadFile(files, after, out.problems);
    CheckDevice(plan, out.succeeded, before, after, expected, out.problems);
    return out;
}

} // namespace soak

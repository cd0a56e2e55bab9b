// The OS update against the simulator. Paced at 115200 baud over a
// pseudo-terminal, a single-image update of 0x20000 bytes should take no
// more than 1.03 of the wire time of its bytes plus the protocol's pauses,
// and no more than 1.01 of its raw paced baseline (its own bytes and turns
// played by a side that does nothing else, against the same simulator, best
// of three rounds of each).
// Unpaced, over a pseudo-terminal and loopback TCP, it should keep at least
// 0.9 of the requests per second of a raw exchange of the same byte counts,
// measured in the same run with the two sides placed alike. And qbx itself,
// updating a 1 MiB image, should peak no more than 1 MiB above its peak for
// a 64 KiB image: the file is read while the device asks, never held.
#include "bench/osupdate/bench_program_file.h"
#include "bench/osupdate/peak_memory.h"
#include "bench/support/paced_replay.h"
#include "bench/support/sim_line.h"
#include "bench/transfer/bench_devices.h"
#include "bench/transfer/metered_link.h"
#include "formats/record_cursor.h"
#include "link/protocol_constants.h"
#include "operations/image_phase.h"
#include "operations/os_update_messages.h"
#include "operations/os_update_transfer.h"
#include "sim/state_file.h"
#include "tests/support/sim_process.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace {

using namespace bench;
constexpr double kPacedTarget = 1.03;
constexpr double kBaselineTarget = 1.01;
constexpr double kRateTarget = 0.9;
constexpr long kMemoryGrowthLimitKiB = 1024;
constexpr std::uint32_t kImageSize = 0x20000;
constexpr std::uint32_t kLatencyImageSize = 0x4000;
constexpr std::uint32_t kSmallImage = 0x10000, kLargeImage = 0x100000;
constexpr int kRequests = kImageSize / kBlockSize;
constexpr double kLineBytesPerSecond = 11520; // 115200 baud, 10 bit times per byte
constexpr int kSettleMs = 300;                // the serial transport's opening pause
constexpr int kRounds = 5;
// Paced rounds take seconds each; the best of a few of each side.
constexpr int kPacedRounds = 3;

struct Run {
    double seconds = -1; // negative when the update failed
    LineMeter meter;
};

// The whole update as the dialog runs it, without a welcome page.
Run Update(SimLine& line, bool paced, const std::string& program, bool classic = false) {
    Run run;
    CBenchHost host;
    auto options = MeteredOptions(line.settings, run.meter, paced, classic);
    auto start = Clock::now();
    if (qbx::RunOsUpdate(host, {qbx::kNoWelcomePage, program}, options)) run.seconds = Seconds(start);
    return run;
}

// What the device kept of the phase, compared with the source image. The
// device saves it once the program has acknowledged the end frame, which
// may be a moment after the program has finished.
bool DeviceReceived(const std::string& stateFile, const std::vector<std::uint8_t>& image) {
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    for (;;) {
        qbx::sim::CDeviceState state;
        int badLine = 0;
        const bool loaded = qbx::sim::LoadStateFile(stateFile, state, badLine) == qbx::sim::kStateLoaded;
        const auto kept = state.images.find(qbx::command::kOsImage);
        if (loaded && kept != state.images.end()) return kept->second == image;
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool Paced(const std::string& folder, const std::string& program, const std::vector<std::uint8_t>& image) {
    std::printf("paced pty, 115200 baud, single-image update of 0x%X bytes, whole operation:\n", kImageSize);
    const std::string state = folder + "/paced.state", replayState = folder + "/replay.state";
    // The former exchange of the transports, then the present one, each
    // against the raw paced baseline of its own bytes and turns, in turns,
    // each against a simulator of its own that starts as empty as the other.
    BestPair before, after;
    Run fastestBefore, run;
    auto round = [&](bool classic, BestPair& best, Run& fastest) {
        std::remove(state.c_str());
        std::remove(replayState.c_str());
        // The second simulator starts after the run: each start points COM1 at itself.
        SimLine line, again;
        if (!line.Start({"pty", true}, {"--baud", "115200", "--state", state})) {
            best.Add(-1, -1);
            return;
        }
        Run one = Update(line, true, program, classic);
        if (!again.Start({"pty", true}, {"--baud", "115200", "--state", replayState})) {
            best.Add(-1, -1);
            return;
        }
        std::vector<double> ends;
        const double raw =
            one.seconds < 0 ? -1 : ReplaySeconds(one.meter.script, again.sim.PtyPath(), kSettleMs, &ends);
        DumpTimelines(classic ? "before-osupdate" : "osupdate", one.meter.script, ends);
        best.Add(one.seconds, raw);
        if (one.seconds >= 0 && (fastest.seconds < 0 || one.seconds < fastest.seconds))
            fastest = std::move(one);
    };
    for (int i = 0; i < kPacedRounds; ++i) {
        round(true, before, fastestBefore);
        round(false, after, run);
    }
    // The last round was the present exchange: `state` holds what its device kept.
    if (before.Failed() || after.Failed()) {
        std::printf("  failed\n");
        return false;
    }
    auto wire = [](const Run& r) {
        return r.seconds / (r.meter.bytes / kLineBytesPerSecond + (r.meter.pauseMs + kSettleMs) / 1000.0);
    };
    std::printf("(before) paced osupdate: %.3f of its raw baseline, %.3f of the wire limit\n", before.Ratio(),
                wire(fastestBefore));
    std::printf("paced osupdate: %.3f of its raw baseline, %.3f of the wire limit\n", after.Ratio(),
                wire(run));
    const bool baselineMet = after.Ratio() <= kBaselineTarget;
    std::printf("  target: <= %.2f of its raw baseline%s\n", kBaselineTarget, baselineMet ? "" : " MISSED");
    const double limit = run.meter.bytes / kLineBytesPerSecond + (run.meter.pauseMs + kSettleMs) / 1000.0;
    const double ratio = run.seconds / limit;
    const bool same = DeviceReceived(state, image);
    std::printf("  %7.3f s   wire-time limit %7.3f s (%lld bytes, %d ms pauses, %d ms settling)   "
                "ratio %.3f (target <= %.2f%s)%s\n",
                run.seconds, limit, run.meter.bytes, run.meter.pauseMs, kSettleMs, ratio, kPacedTarget,
                ratio <= kPacedTarget ? "" : " MISSED", same ? "" : "   IMAGE RECEIVED WRONG");
    return ratio <= kPacedTarget && same && baselineMet;
}

// What a USB adapter's latency timer costs an update: a smaller image (at
// 16 ms the full one would take minutes) with the device's output held as
// an FTDI adapter holds it, at 0 ms (no adapter), 1 ms (low latency) and
// 16 ms (the driver's default).
bool PacedLatencies(const std::string& folder) {
    const std::vector<std::uint8_t> image = BenchImage(kLatencyImageSize);
    const std::string program = folder + "/latency.prg";
    if (!WriteBenchProgramFile(program, image)) return false;
    std::printf("paced pty, 115200 baud, single-image update of 0x%X bytes, through an adapter's latency "
                "timer:\n",
                kLatencyImageSize);
    std::printf("  %-8s %9s %9s\n", "latency", "seconds", "of wire");
    bool ok = true;
    for (const char* latency : {"0", "1", "16"}) {
        SimLine line;
        char osSize[16];
        std::snprintf(osSize, sizeof osSize, "0x%X", kLatencyImageSize);
        if (!line.Start({"pty", true}, {"--baud", "115200", "--os-size", osSize, "--latency", latency}))
            return false;
        const Run run = Update(line, true, program);
        const double limit = run.meter.bytes / kLineBytesPerSecond + (run.meter.pauseMs + kSettleMs) / 1000.0;
        if (run.seconds < 0) {
            std::printf("  %5s ms failed\n", latency);
            ok = false;
            continue;
        }
        std::printf("  %5s ms %9.3f %9.3f\n", latency, run.seconds, run.seconds / limit);
    }
    return ok;
}

// A device that asks for the whole image in ascending blocks with canned
// frames and reads the answers unlooked-at: the program's side alone.
PeerCycle CannedImageDevice() {
    const std::vector<unsigned char> ack = {0x21, 0x43};
    const unsigned char code = qbx::command::kOsImage;
    PeerCycle steps = {{false, 8}, {true, 2, ack}}; // the start frame
    for (std::uint32_t address = 0; address < kImageSize; address += kBlockSize) {
        const auto a0 = static_cast<unsigned char>(address), a1 = static_cast<unsigned char>(address >> 8),
                   a2 = static_cast<unsigned char>(address >> 16);
        const PeerCycle block = {{true, 8, WithSum({0x20, 0x10, code, a0, a1, a2, kBlockSize})},
                                 {false, 10},
                                 {true, 2, ack},
                                 {false, kBlockSize + 1},
                                 {true, 2, ack}};
        steps.insert(steps.end(), block.begin(), block.end());
    }
    steps.insert(steps.end(), {{true, 8, WithSum({0x60, 0x10, code, 0, 0, 0, 0})}, {false, 2}});
    return steps;
}

// The data phase alone against the canned device, best of kRounds.
double CannedRate(const Line& line, const Placement& placement, const std::string& program) {
    CRawPeer peer;
    {
        CDeviceCpu deviceCpu(placement);
        const PeerCycle canned = CannedImageDevice();
        if (!(line.serial ? peer.StartPty(canned) : peer.StartTcp(canned))) return 0;
    }
    qbx::CSettings settings = SettingsFor(line, peer.PtyPath(), peer.TcpPort());
    qbx::LinkTiming timing;
    timing.serial.settleMs = 0;
    int created = 0, error = 0;
    auto transport = qbx::CreateTransport(settings, created, timing);
    if (!transport || transport->Open(error) != qbx::kOpenOk) return 0;
    CBenchHost host;
    double best = 0;
    for (int round = 0; round < kRounds; ++round) {
        qbx::CTextStream file;
        if (file.Open(program) != 0) return 0;
        qbx::CRecordCursor cursor(file);
        cursor.BeginPhase(qbx::kSingleImagePhase);
        auto start = Clock::now();
        if (!qbx::ServeImagePhase(*transport, host, cursor, qbx::command::kOsImage, {0, kImageSize, 5},
                                  qbx::os_update::kSingleImage.phase))
            return 0;
        best = std::max(best, kRequests / Seconds(start));
    }
    return best;
}

// Whole updates against the simulator and the raw exchange, best of kRounds
// each, taken in turns so that both see the same machine.
bool Unpaced(const Line& line, const Placement& placement, bool target, const std::string& program) {
    SimLine sim;
    RawLine raw;
    {
        CDeviceCpu deviceCpu(placement);
        if (!sim.Start(line, {}) || !raw.Start(line, kUploadDevice)) return false;
    }
    double protocolRate = 0, rawRate = 0;
    for (int round = 0; round < kRounds; ++round) {
        const Run run = Update(sim, false, program);
        const double rate = RawRate(raw.fd, kUploadDevice, kRequests);
        if (run.seconds < 0 || rate == 0) {
            std::printf("    %-4s failed\n", line.name);
            return false;
        }
        protocolRate = std::max(protocolRate, kRequests / run.seconds);
        rawRate = std::max(rawRate, rate);
    }
    const double ratio = protocolRate / rawRate;
    const double canned = CannedRate(line, placement, program);
    std::printf("    %-4s %7.0f requests/s   raw %7.0f requests/s   ratio %.2f%s   "
                "[data phase against a canned device: %.2f of raw]\n",
                line.name, protocolRate, rawRate, ratio,
                target ? (ratio >= kRateTarget ? " (target >= 0.9)" : " (target >= 0.9 MISSED)") : "",
                canned / rawRate);
    return ratio >= kRateTarget || !target;
}

// qbx os-update as a person runs it, over loopback TCP to a device that asks
// for `size` bytes; its peak resident memory in KiB, or -1.
long QbxPeakKiB(const std::string& folder, std::uint32_t size) {
    char name[32];
    std::snprintf(name, sizeof name, "os-%X", size);
    const std::string program = folder + "/" + name + ".prg", programFolder = folder + "/" + name;
    const std::vector<std::uint8_t> image = BenchImage(size);
    std::filesystem::create_directory(programFolder);
    if (!WriteBenchProgramFile(program, image)) return -1;
    SimLine line;
    char osSize[16];
    std::snprintf(osSize, sizeof osSize, "0x%X", size);
    const std::string state = programFolder + "/sim.state";
    if (!line.Start({"tcp", false}, {"--os-size", osSize, "--state", state})) return -1;
    std::ofstream(programFolder + "/qbx_man.ini") << "6\n1\n127.0.0.1\n" << line.sim.TcpPort() << "\n";
    const std::string errors = programFolder + "/qbx.err";
    const ChildRun run = RunForPeakMemory(
        {QBX_PROGRAM_DIR "/qbx", "--folder", programFolder, "--yes", "os-update", program}, errors);
    const bool same = run.exitStatus == 0 && DeviceReceived(state, image);
    line.sim.Stop();
    if (!same) {
        std::printf("  qbx os-update of 0x%X bytes failed (exit status %d); its messages are in %s\n", size,
                    run.exitStatus, errors.c_str());
        return -1;
    }
    return run.peakKiB;
}

bool Memory(const std::string& folder) {
    std::printf("peak resident memory of qbx os-update over loopback TCP:\n");
    const long small = QbxPeakKiB(folder, kSmallImage);
    const long large = QbxPeakKiB(folder, kLargeImage);
    if (small < 0 || large < 0) return false;
    const long growth = large - small;
    std::printf("  64 KiB image %ld KiB   1 MiB image %ld KiB   growth %ld KiB (target <= %ld KiB%s)\n",
                small, large, growth, kMemoryGrowthLimitKiB,
                growth <= kMemoryGrowthLimitKiB ? "" : " MISSED");
    return growth <= kMemoryGrowthLimitKiB;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    const bool pacedToo = mode != "--unpaced";
    const bool unpacedToo = mode != "--paced";
    std::string folder = (std::filesystem::temp_directory_path() / "qbx-bench-osupdate-XXXXXX").string();
    if (!mkdtemp(folder.data())) return 1;
    const std::vector<std::uint8_t> image = BenchImage(kImageSize);
    const std::string program = folder + "/bench.prg";
    if (!WriteBenchProgramFile(program, image)) return 1;

    bool ok = true;
    if (pacedToo) ok = Paced(folder, program, image);
    if (pacedToo) ok = PacedLatencies(folder) && ok;
    if (!unpacedToo) {
        std::error_code ignored;
        if (ok) std::filesystem::remove_all(folder, ignored);
        return ok ? 0 : 1;
    }
    std::printf("unpaced, 0x%X bytes in %d requests, whole update (pauses not waited), best of %d:\n",
                kImageSize, kRequests, kRounds);
    // Each side on a CPU of its own is the measure, as for two machines;
    // both on one CPU shows what the two sides cost in processor time.
    const bool twoCpus = sysconf(_SC_NPROCESSORS_ONLN) >= 2;
    const Placement apart = twoCpus ? Placement{"program and device on CPUs of their own", 0, 1}
                                    : Placement{"one CPU only", -1, -1};
    const Placement together{"program and device on one CPU (information)", 0, 0};
    for (int pass = 0; pass < (twoCpus ? 2 : 1); ++pass) {
        const Placement& placement = pass == 0 ? apart : together;
        std::printf("  %s:\n", placement.name);
        for (Line line : {Line{"pty", true}, Line{"tcp", false}})
            ok = Unpaced(line, placement, pass == 0, program) && ok;
    }
    RunOn(-1);
    ok = Memory(folder) && ok;

    if (!ok) {
        std::printf("files of this run kept in %s\n", folder.c_str());
        return 1;
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}

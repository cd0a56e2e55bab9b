// The soak run: thousands of transfers of every kind, over loopback TCP and
// a pseudo-terminal, each against a fresh qbx-sim with one fault drawn at
// random, all in this one long-lived process through the operations
// library. Every transfer must end within its bound, show exactly one
// message when it fails and none when it succeeds, leave no partial or
// temporary file, and leave the device or the file as sent (or as before
// when it failed). The process's resident memory and open descriptors must
// stay flat after a warm-up: at most 2 MiB and no descriptor more.
#include "bench/soak/process_sample.h"
#include "bench/soak/soak_link.h"
#include "bench/soak/soak_plan.h"
#include "bench/soak/soak_tally.h"
#include "bench/soak/soak_transfer.h"
#include "bench/soak/soak_watchdog.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>

namespace {

using namespace soak;
using Clock = std::chrono::steady_clock;
constexpr long kDefaultCount = 10000;
constexpr long kSampleEvery = 100;
constexpr long kProgressEvery = 500;
constexpr long kRssGrowthLimitKiB = 2048;
constexpr int kFdGrowthLimit = 0;

struct Options {
    long count = kDefaultCount;
    std::uint64_t seed = 0;
    bool seeded = false;
    long only = -1;
    int faults = 1; // the most faults a transfer gets at once
};

const char* const kUsage = "usage: qbx-bench-soak [--count N] [--seed S] [--faults K] [--only INDEX]\n";

bool Parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return false;
        const char* value = argv[++i];
        char* end = nullptr;
        const unsigned long long number = std::strtoull(value, &end, 0);
        if (!*value || *end) return false;
        if (arg == "--count")
            options.count = static_cast<long>(number);
        else if (arg == "--seed")
            options.seed = number, options.seeded = true;
        else if (arg == "--only")
            options.only = static_cast<long>(number);
        else if (arg == "--faults")
            options.faults = static_cast<int>(number);
        else
            return false;
    }
    return options.count > 0 && options.faults >= 1;
}

struct RunFolders {
    std::string root;
    Folders folders;
    bool Make() {
        root = (std::filesystem::temp_directory_path() / "qbx-bench-soak-XXXXXX").string();
        if (!mkdtemp(root.data())) return false;
        folders = {root + "/files", root + "/device"};
        std::error_code error;
        return std::filesystem::create_directory(folders.files, error) &&
               std::filesystem::create_directory(folders.device, error);
    }
    ~RunFolders() {
        std::error_code ignored;
        if (!root.empty()) std::filesystem::remove_all(root, ignored);
    }
};

void PrintWaits(const SoakTiming& waits) {
    std::printf("waits: serial read %d ms + 1 ms per byte, TCP send and receive %d ms, settling 0, "
                "fixed pauses 1/%d, qbx-sim quiet time %d ms\n",
                waits.serialReadMs, waits.tcpMs, waits.pauseDivisor, waits.simQuietMs);
}

// Replays one transfer and says everything about it.
int Replay(const Options& options, const SoakTiming& waits, const Folders& folders) {
    const TransferPlan plan = PlanTransfer(options.seed, options.only, options.faults);
    std::printf("transfer %ld: %s\nqbx-sim", plan.index, Describe(plan).c_str());
    for (const std::string& arg : SimArguments(plan))
        std::printf(" %s", arg.c_str());
    std::printf("\n");
    CWatchdog watchdog;
    const Outcome out = RunTransfer(plan, waits, folders, watchdog);
    std::printf("%s in %.3f s (bound %.1f s); messages:", out.succeeded ? "succeeded" : "failed", out.seconds,
                out.bound.count() / 1000.0);
    for (int number : out.shown)
        std::printf(" %d.%03d", MessageGroup(plan.kind), number);
    std::printf("\n");
    for (const std::string& problem : out.problems)
        std::printf("  CHECK FAILED: %s\n", problem.c_str());
    return out.problems.empty() ? 0 : 1;
}

void PrintSample(const char* name, const ProcessSample& sample) {
    std::printf("  %-22s after %6ld transfers: RSS %6ld KiB, %3d fds\n", name, sample.transfers,
                sample.rssKiB, sample.fds);
}

bool ReportSamples(const CSampleSeries& series) {
    std::printf("process samples (every %ld transfers, %zu in all):\n", kSampleEvery, series.All().size());
    PrintSample("first", series.All().front());
    PrintSample("after the warm-up", series.Baseline());
    PrintSample("middle", series.Middle());
    PrintSample("last", series.All().back());
    const long rssGrowth = series.RssGrowthKiB();
    const int fdGrowth = series.FdGrowth();
    std::printf("  max RSS %ld KiB, max fds %d; growth after the warm-up: RSS %+ld KiB (limit +%ld), "
                "fds %+d (limit +%d)\n",
                series.MaxRssKiB(), series.MaxFds(), rssGrowth, kRssGrowthLimitKiB, fdGrowth, kFdGrowthLimit);
    return rssGrowth <= kRssGrowthLimitKiB && fdGrowth <= kFdGrowthLimit;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!Parse(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (!options.seeded) options.seed = std::random_device{}();
    const SoakTiming waits;
    RunFolders run;
    if (!run.Make()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    std::printf("soak: seed %llu, up to %d fault(s) a transfer; replay one with --seed %llu%s --only INDEX\n",
                static_cast<unsigned long long>(options.seed), options.faults,
                static_cast<unsigned long long>(options.seed),
                options.faults == 1 ? "" : (" --faults " + std::to_string(options.faults)).c_str());
    PrintWaits(waits);
    std::fflush(stdout);
    if (options.only >= 0) return Replay(options, waits, run.folders);

    std::printf("%ld transfers\n", options.count);
    std::fflush(stdout);
    CWatchdog watchdog;
    CTally tally;
    CSampleSeries series(options.count / 10);
    const auto start = Clock::now();
    for (long index = 0; index < options.count; ++index) {
        if (index % kSampleEvery == 0) series.Add(SampleSelf(index));
        const TransferPlan plan = PlanTransfer(options.seed, index, options.faults);
        tally.Add(plan, RunTransfer(plan, waits, run.folders, watchdog));
        if ((index + 1) % kProgressEvery == 0) {
            std::printf("  %6ld transfers, %5.0f s, failed checks %ld\n", index + 1,
                        std::chrono::duration<double>(Clock::now() - start).count(), tally.FailedChecks());
            std::fflush(stdout);
        }
    }
    series.Add(SampleSelf(options.count));
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

    tally.Print(stdout);
    const bool flat = ReportSamples(series);
    std::printf("total time: %.1f s (%.1f ms per transfer, qbx-sim start and stop included)\n", seconds,
                seconds * 1000 / options.count);
    const bool ok = flat && tally.FailedChecks() == 0;
    std::printf("%s\n", ok ? "soak passed" : "SOAK FAILED");
    return ok ? 0 : 1;
}

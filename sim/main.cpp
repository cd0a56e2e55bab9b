// qbx-sim: the bootloader as a process, for tests, benchmarks and demos.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/prctl.h>
#include <vector>

#include "sim/bootloader_commands.h"
#include "sim/fd_line.h"
#include "sim/file_guard.h"
#include "sim/loopback_plug.h"
#include "sim/pty_endpoint.h"
#include "sim/sim_options.h"
#include "sim/state_file.h"
#include "sim/stop_signal.h"
#include "sim/tcp_endpoint.h"
#include "sim/trace.h"

namespace {

using namespace qbx::sim;

constexpr int kExitStopped = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr unsigned long kTimerSlackNs = 1000;

int Fail(const std::string& what, int error = 0) {
    std::fprintf(stderr, "qbx-sim: %s%s%s\n", what.c_str(), error ? ": " : "",
                 error ? std::strerror(error) : "");
    return kExitFailed;
}

// Reports a failed save once, and again only after a save has worked.
class CStateKeeper {
  public:
    CStateKeeper(const std::string& statePath, const CDeviceState& deviceState)
        : path(statePath), state(deviceState) {}
    bool Save() {
        if (path.empty()) return true;
        const bool saved = SaveStateFile(path, state);
        if (!saved && !complained)
            std::fprintf(stderr, "qbx-sim: cannot save the state to %s\n", path.c_str());
        complained = !saved;
        return saved;
    }

  private:
    const std::string path;
    const CDeviceState& state;
    bool complained = false;
};

bool LoadState(const CSimOptions& options, CDeviceState& state) {
    state.mode = CDeviceProfile::DefaultMode(options.profile.kind);
    if (!options.statePath.empty()) {
        int badLine = 0;
        std::string why;
        const int result = LoadStateFile(options.statePath, state, badLine, &why);
        if (result == kStateUnreadable) return Fail("cannot read the state file " + options.statePath) == 0;
        if (result == kStateMalformed)
            return Fail("state file " + options.statePath + ", line " + std::to_string(badLine) + ": " +
                        why) == 0;
    }
    if (options.mode) state.mode = *options.mode;
    if (options.configByte) state.configByte = *options.configByte;
    if (options.network) state.network = *options.network;
    for (const CSlotSeed& seed : options.seeds)
        SeedSlot(state, seed);
    if (options.bootData) SeedBootData(state, *options.bootData);
    return true;
}

// Run as root, qbx-sim could turn a device node into a file of its own:
// every path it writes must be what it may write there, or nothing is
// written at all.
bool OutputPathsAllowed(const CSimOptions& options) {
    struct {
        const char* option;
        const std::string& path;
        bool (*allowed)(const std::string&);
        const char* kind;
    } const outputs[] = {
        {"--state", options.statePath, MayReplace, "a regular file (not a link)"},
        {"--trace", options.tracePath, MayWriteInto, "a regular file"},
        {"--link", options.linkPath, MayLink, "a symbolic link"},
    };
    for (const auto& output : outputs) {
        if (output.allowed(output.path)) continue;
        std::fprintf(stderr, "qbx-sim: %s %s: must be %s or not exist yet; nothing was written\n",
                     output.option, output.path.c_str(), output.kind);
        return false;
    }
    return true;
}

void Ready(const std::string& where) {
    std::printf("qbx-sim ready %s\n", where.c_str());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    CSimOptions options;
    std::string error;
    const int parsed = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), options, error);
    if (parsed == kOptionsHelp) {
        std::fputs(SimUsage(), stdout);
        return kExitStopped;
    }
    if (parsed != kOptionsOk) {
        std::fprintf(stderr, "qbx-sim: %s\n%s", error.c_str(), SimUsage());
        return kExitUsage;
    }

    if (!OutputPathsAllowed(options)) return kExitUsage;

    CDeviceState state;
    if (!LoadState(options, state)) return kExitFailed;
    CStateKeeper keeper(options.statePath, state);
    if (!keeper.Save()) return kExitFailed;

    // Paced waits must end when they are due, not up to the default 50 us
    // later: over a long transfer that slack adds up to several per cent.
    prctl(PR_SET_TIMERSLACK, kTimerSlackNs);
    // A peer that goes away mid-reply must end its connection, not the simulator.
    std::signal(SIGPIPE, SIG_IGN);
    CStopSignal stop;
    if (!stop.IsValid()) return Fail("cannot watch for stop signals", errno);
    CTrace trace;
    if (!options.tracePath.empty() && !trace.Open(options.tracePath))
        return Fail("cannot create the trace file " + options.tracePath, errno);

    CLinePacer pacer(options.baud);
    CFdLine line(stop, trace, pacer, options.tcp, CAdapterHold(options.latencyMs));
    CProtocolEngine engine(options.profile, state, options.faults, line);
    RegisterBootloaderCommands(engine);
    engine.SetChangeListener([&keeper] { keeper.Save(); });
    CLoopbackPlug plug(line);
    IDeviceSide& side = options.echo ? static_cast<IDeviceSide&>(plug) : engine;
    const CLineSetup setup{stop, trace, options.quietMs};

    int result = 0;
    if (options.tcp) {
        CTcpEndpoint endpoint;
        if (!endpoint.Listen(options.tcpPort, result)) return Fail("cannot listen on 127.0.0.1", result);
        Ready("tcp 127.0.0.1:" + std::to_string(endpoint.Port()));
        if (!endpoint.Serve(side, line, setup)) return Fail("the listening socket failed", errno);
    } else {
        CPtyEndpoint endpoint;
        if (!endpoint.Create(result)) return Fail("cannot create a pseudo-terminal", result);
        if (!options.linkPath.empty() && !endpoint.Link(options.linkPath, result))
            return Fail("cannot link " + options.linkPath, result);
        if (options.held && !endpoint.Hold(result)) return Fail("cannot lock the pseudo-terminal", result);
        Ready("pty " + endpoint.SlavePath());
        if (!endpoint.Serve(side, line, setup)) return Fail("the pseudo-terminal failed", errno);
    }
    trace.Note("stopped");
    return kExitStopped;
}

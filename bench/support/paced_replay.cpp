#include "bench/support/paced_replay.h"

#include "bench/support/raw_peer.h"
#include "sim/adapter_hold.h"
#include "sim/fd_line.h"
#include "sim/line_pacer.h"
#include "sim/pty_endpoint.h"
#include "sim/stop_signal.h"
#include "sim/trace.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace bench {
namespace {

// What the device hears before it answers, and its answer.
struct DeviceTurn {
    std::size_t hears = 0;
    qbx::sim::CBytes says;
};

std::vector<DeviceTurn> DeviceTurns(const LinkScript& script) {
    std::vector<DeviceTurn> turns;
    for (const LinkStep& step : script) {
        if (step.kind == LinkStep::Write) {
            if (turns.empty() || !turns.back().says.empty()) turns.emplace_back();
            turns.back().hears += step.bytes.size();
        } else if (step.kind == LinkStep::Read && !turns.empty()) {
            turns.back().says.insert(turns.back().says.end(), step.bytes.begin(), step.bytes.end());
        }
    }
    return turns;
}

// The device side with no protocol: it counts what arrives and answers
// each turn once all of it is in.
class CReplaySide : public qbx::sim::IDeviceSide {
  public:
    CReplaySide(std::vector<DeviceTurn> turns, qbx::sim::IDeviceLine& line)
        : turns(std::move(turns)), line(line) {}
    void Feed(const std::uint8_t*, std::size_t len) override {
        heard += len;
        while (next < turns.size() && heard >= turns[next].hears) {
            heard -= turns[next].hears;
            if (!turns[next].says.empty()) line.Send(turns[next].says);
            ++next;
        }
    }
    bool WantsQuietCall() const override { return false; }
    void OnQuiet() override {}
    void OnNewLine() override {}

  private:
    std::vector<DeviceTurn> turns;
    qbx::sim::IDeviceLine& line;
    std::size_t next = 0;
    std::size_t heard = 0;
};

[[noreturn]] void ServeDevice(qbx::sim::CPtyEndpoint& endpoint, const LinkScript& script, std::uint32_t baud,
                              int latencyMs) {
    prctl(PR_SET_TIMERSLACK, 1000); // as the simulator does: paced waits end when due
    std::signal(SIGPIPE, SIG_IGN);
    qbx::sim::CStopSignal stop;
    qbx::sim::CTrace trace;
    qbx::sim::CLinePacer pacer(baud);
    qbx::sim::CFdLine line(stop, trace, pacer, false, qbx::sim::CAdapterHold(latencyMs));
    CReplaySide side(DeviceTurns(script), line);
    const qbx::sim::CLineSetup setup{stop, trace};
    endpoint.Serve(side, line, setup);
    _exit(0);
}

void Sleep(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// The program's side: the calls and nothing else.
double Play(const LinkScript& script, const std::string& port, int settleMs) {
    std::vector<unsigned char> buffer;
    int fd = -1;
    const auto start = std::chrono::steady_clock::now();
    for (const LinkStep& step : script) {
        bool ok = true;
        switch (step.kind) {
        case LinkStep::Open:
            if (fd < 0) fd = open(port.c_str(), O_RDWR | O_NOCTTY);
            ok = fd >= 0;
            Sleep(settleMs);
            break;
        case LinkStep::Write:
            ok = WriteAll(fd, step.bytes.data(), static_cast<int>(step.bytes.size()));
            break;
        case LinkStep::Read:
            buffer.resize(step.bytes.size());
            ok = ReadExactly(fd, buffer.data(), static_cast<int>(buffer.size()));
            break;
        case LinkStep::Pause:
            Sleep(step.ms);
            break;
        }
        if (!ok) {
            if (fd >= 0) close(fd);
            return -1;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (fd >= 0) close(fd);
    return seconds;
}

} // namespace

void Record(LinkScript& script, LinkStep::Kind kind, const std::uint8_t* data, int len, int ms) {
    const bool moves = kind == LinkStep::Write || kind == LinkStep::Read;
    if (moves && len <= 0) return;
    if (moves && !script.empty() && script.back().kind == kind) {
        script.back().bytes.insert(script.back().bytes.end(), data, data + len);
        return;
    }
    script.push_back(
        {kind, moves ? std::vector<std::uint8_t>(data, data + len) : std::vector<std::uint8_t>{}, ms});
}

double RawPacedSeconds(const LinkScript& script, std::uint32_t baud, int latencyMs, int settleMs) {
    qbx::sim::CPtyEndpoint endpoint;
    int error = 0;
    if (!endpoint.Create(error)) return -1;
    const pid_t child = fork();
    if (child < 0) return -1;
    if (child == 0) ServeDevice(endpoint, script, baud, latencyMs);
    const double seconds = Play(script, endpoint.SlavePath(), settleMs);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return seconds;
}

} // namespace bench

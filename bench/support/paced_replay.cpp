#include "bench/support/paced_replay.h"

#include "bench/support/raw_peer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace bench {
namespace {

double Now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void Sleep(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace

void Record(LinkScript& script, LinkStep::Kind kind, const std::uint8_t* data, int len, int ms) {
    const bool moves = kind == LinkStep::Write || kind == LinkStep::Read;
    if (moves && len <= 0) return;
    if (moves && !script.empty() && script.back().kind == kind) {
        script.back().bytes.insert(script.back().bytes.end(), data, data + len);
        script.back().at = Now();
        return;
    }
    script.push_back(
        {kind, moves ? std::vector<std::uint8_t>(data, data + len) : std::vector<std::uint8_t>{}, ms, Now()});
}

double ReplaySeconds(const LinkScript& script, const std::string& port, int settleMs,
                     std::vector<double>* ends) {
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
            ok = ReadExactly(fd, buffer.data(), static_cast<int>(buffer.size())) &&
                 std::memcmp(buffer.data(), step.bytes.data(), buffer.size()) == 0;
            break;
        case LinkStep::Pause:
            Sleep(step.ms);
            break;
        }
        if (!ok) {
            std::fprintf(stderr, "replay: step %zu of %zu (%s of %zu bytes) failed\n",
                         static_cast<std::size_t>(&step - script.data()), script.size(),
                         step.kind == LinkStep::Read ? "read" : "write/open", step.bytes.size());
            if (step.kind == LinkStep::Read)
                for (std::size_t i = 0; i < buffer.size(); ++i)
                    if (buffer[i] != step.bytes[i]) {
                        std::fprintf(stderr, "replay: byte %zu is %02X, the run read %02X\n", i, buffer[i],
                                     step.bytes[i]);
                        break;
                    }
            if (fd >= 0) close(fd);
            return -1;
        }
        if (ends) ends->push_back(Now());
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (fd >= 0) close(fd);
    return seconds;
}

void BestPair::Add(double runSeconds, double replaySeconds) {
    if (runSeconds < 0 || replaySeconds <= 0) failed = true;
    if (failed) return;
    run = rounds ? std::min(run, runSeconds) : runSeconds;
    replay = rounds ? std::min(replay, replaySeconds) : replaySeconds;
    ++rounds;
}

void DumpTimelines(const std::string& name, const LinkScript& run, const std::vector<double>& replay) {
    const char* path = std::getenv("QBX_BENCH_STEPS");
    if (!path || run.empty() || replay.size() != run.size()) return;
    std::FILE* file = std::fopen(path, "a");
    if (!file) return;
    static const char* const kinds[] = {"open", "write", "read", "pause"};
    for (std::size_t i = 0; i < run.size(); ++i)
        std::fprintf(file, "%s %s %zu %.6f %.6f\n", name.c_str(), kinds[run[i].kind], run[i].bytes.size(),
                     run[i].at - run.front().at, replay[i] - replay.front());
    std::fclose(file);
}

} // namespace bench

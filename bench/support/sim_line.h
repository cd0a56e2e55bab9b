#pragma once
// What the benchmarks against qbx-sim share: the two lines, the settings
// that reach the simulator over each, the raw baseline's end of a line, and
// a stopwatch.
#include "bench/support/raw_peer.h"
#include "core/settings_store.h"
#include "tests/support/sim_process.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Line {
    const char* name;
    bool serial;
};

inline qbx::CSettings SettingsFor(const Line& line, const std::string& ptyPath, int port) {
    qbx::CSettings settings;
    if (line.serial) {
        settings.interfaceIndex = 0;
        setenv("QUILLBOX_COM1", ptyPath.c_str(), 1);
    } else {
        settings.interfaceIndex = 6;
        settings.ipAddress = "127.0.0.1";
        settings.port = static_cast<std::uint16_t>(port);
    }
    return settings;
}

// A simulator on a pseudo-terminal or loopback TCP, with the settings that reach it.
struct SimLine {
    qbx::test::CSimProcess sim;
    qbx::CSettings settings;

    bool Start(const Line& line, const std::vector<std::string>& extra) {
        std::vector<std::string> args =
            line.serial ? std::vector<std::string>{"--pty"} : std::vector<std::string>{"--tcp", "0"};
        args.insert(args.end(), extra.begin(), extra.end());
        if (!sim.Start(args)) {
            std::fprintf(stderr, "qbx-sim: %s\n", sim.Error().c_str());
            return false;
        }
        settings = SettingsFor(line, sim.PtyPath(), sim.TcpPort());
        return true;
    }
};

// The program's end of a raw exchange with a CRawPeer.
struct RawLine {
    CRawPeer peer;
    int fd = -1;
    ~RawLine() {
        if (fd >= 0) close(fd);
    }
    bool Start(const Line& line, const PeerCycle& cycle) {
        if (!(line.serial ? peer.StartPty(cycle) : peer.StartTcp(cycle))) return false;
        fd = line.serial ? open(peer.PtyPath().c_str(), O_RDWR | O_NOCTTY) : ConnectLoopback(peer.TcpPort());
        return fd >= 0;
    }
};

// The raw program side: its turns of `cycles` exchanges, nothing else; the
// cycles per second, 0 when the line failed.
inline double RawRate(int fd, const PeerCycle& device, int cycles) {
    unsigned char buffer[128] = {};
    auto start = Clock::now();
    for (int cycle = 0; cycle < cycles; ++cycle) {
        for (const PeerStep& step : device) {
            bool ok = step.write ? ReadExactly(fd, buffer, step.count) : WriteAll(fd, buffer, step.count);
            if (!ok) return 0;
        }
    }
    return cycles / Seconds(start);
}

} // namespace bench

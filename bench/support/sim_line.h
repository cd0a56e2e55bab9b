#pragma once
// What the benchmarks against qbx-sim share: the two lines, the settings
// that reach the simulator over each, and a stopwatch.
#include "app/settings_store.h"
#include "tests/support/sim_process.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
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

} // namespace bench

#include "bench/soak/soak_watchdog.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace soak {

CWatchdog::CWatchdog() : watcher([this] { Watch(); }) {}

CWatchdog::~CWatchdog() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        ending = true;
    }
    changed.notify_all();
    watcher.join();
}

void CWatchdog::Arm(std::chrono::milliseconds limit, const std::string& text, pid_t pid) {
    {
        std::lock_guard<std::mutex> lock(mutex);
        armed = true;
        bound = limit;
        deadline = std::chrono::steady_clock::now() + limit;
        what = text;
        device = pid;
    }
    changed.notify_all();
}

void CWatchdog::Disarm() {
    std::lock_guard<std::mutex> lock(mutex);
    armed = false;
}

void CWatchdog::Watch() {
    std::unique_lock<std::mutex> lock(mutex);
    while (!ending) {
        if (!armed) {
            changed.wait(lock);
            continue;
        }
        if (changed.wait_until(lock, deadline) == std::cv_status::timeout && armed &&
            std::chrono::steady_clock::now() >= deadline) {
            std::fprintf(stderr, "\nHANG: %s took longer than its bound of %.1f s\n", what.c_str(),
                         bound.count() / 1000.0);
            std::fflush(stderr);
            if (device > 0) kill(device, SIGKILL);
            std::_Exit(1);
        }
    }
}

} // namespace soak

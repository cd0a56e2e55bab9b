#pragma once
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <thread>

// Ends the run when a transfer outlives its bound: a hang must not look
// like a slow run. It names the transfer so that it can be replayed, stops
// the simulator the transfer was talking to, and exits with status 1.
namespace soak {

class CWatchdog {
  public:
    CWatchdog();
    ~CWatchdog();
    CWatchdog(const CWatchdog&) = delete;
    CWatchdog& operator=(const CWatchdog&) = delete;

    // `what` is printed when the bound passes; `device` is killed then.
    void Arm(std::chrono::milliseconds bound, const std::string& what, pid_t device);
    void Disarm();

  private:
    void Watch();

    std::mutex mutex;
    std::condition_variable changed;
    bool armed = false;
    bool ending = false;
    std::chrono::steady_clock::time_point deadline;
    std::chrono::milliseconds bound{0};
    std::string what;
    pid_t device = -1;
    std::thread watcher;
};

} // namespace soak

#pragma once
#include <csignal>
#include <cstdint>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs a piece of a test in a child process, so that a call that never
// returns fails the test instead of hanging it.
namespace qbx::test {

struct CBoundedRun {
    bool finished = false; // false: it was still running at the limit and has been stopped
    int exitCode = -1;
    std::int64_t elapsedMs = 0;
};

// `body` runs in a forked child and its result becomes the exit code
// (0..255). The parent waits at most `limitMs` for the child to end, then
// stops exactly that child by its pid.
inline CBoundedRun RunBounded(const std::function<int()>& body, int limitMs) {
    CBoundedRun run;
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return run;
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = fork();
    if (pid == 0) {
        close(ends[0]);
        _exit(body() & 0xFF); // the write end closes with the child
    }
    close(ends[1]);
    // The pipe reports a hang-up once the child is gone.
    pollfd gone{ends[0], POLLIN, 0};
    int ready;
    do {
        ready = poll(&gone, 1, limitMs);
    } while (ready < 0 && errno == EINTR);
    close(ends[0]);
    timespec end{};
    clock_gettime(CLOCK_MONOTONIC, &end);
    run.elapsedMs = (end.tv_sec - start.tv_sec) * 1000 + (end.tv_nsec - start.tv_nsec) / 1000000;
    if (pid < 0) return run;
    if (ready == 0) kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    run.finished = ready > 0 && WIFEXITED(status);
    if (run.finished) run.exitCode = WEXITSTATUS(status);
    return run;
}

// Interrupts the calling process with SIGALRM every `everyUs` microseconds,
// with a handler that does nothing and restarts no call: every blocking
// call sees EINTR again and again.
inline void StartSignalStorm(long everyUs) {
    struct sigaction action {};
    action.sa_handler = [](int) {};
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART
    sigaction(SIGALRM, &action, nullptr);
    itimerval timer{};
    timer.it_interval.tv_usec = everyUs;
    timer.it_value.tv_usec = everyUs;
    setitimer(ITIMER_REAL, &timer, nullptr);
}

} // namespace qbx::test

#include "tests/support/sim_process.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace qbx::test {

namespace {

constexpr const char* kReadyPrefix = "qbx-sim ready ";
constexpr const char* kTcpPrefix = "tcp 127.0.0.1:";
constexpr const char* kPtyPrefix = "pty ";
constexpr std::size_t kMaxReadyLine = 1024;

int RemainingMs(std::chrono::steady_clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Waits for `child` to end, at most `waitMs`; true when it was reaped.
bool ReapWithin(pid_t child, int waitMs, int& status) {
    const int pidFd = static_cast<int>(syscall(SYS_pidfd_open, child, 0));
    if (pidFd >= 0) {
        pollfd p{pidFd, POLLIN, 0};
        while (poll(&p, 1, waitMs) < 0 && errno == EINTR) {
        }
        close(pidFd);
        if ((p.revents & POLLIN) == 0) return false;
    }
    // Without pidfd support this blocks; the child has had its SIGTERM.
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return true;
}

} // namespace

std::string CSimProcess::DefaultProgram() {
    return QBX_SIM_PROGRAM;
}

bool CSimProcess::Start(const std::string& program, const std::vector<std::string>& arguments,
                        std::chrono::milliseconds readyWait) {
    Stop();
    error.clear();
    endStatus = -1;
    readyLine.clear();
    tcpPort = 0;
    ptyPath.clear();

    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        error = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    // The child starts with a clean signal state whatever the test runner did.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGTERM);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    outputFd = pipeFds[0];
    if (spawned != 0) {
        pid = -1;
        error = "cannot start " + program + ": " + std::strerror(spawned);
        Stop();
        return false;
    }
    if (!ReadReadyLine(readyWait) || !ParseReadyLine()) {
        const std::string why = error;
        endStatus = Stop();
        error = why;
        return false;
    }
    return true;
}

bool CSimProcess::ReadReadyLine(std::chrono::milliseconds readyWait) {
    const auto deadline = std::chrono::steady_clock::now() + readyWait;
    while (readyLine.size() < kMaxReadyLine) {
        pollfd p{outputFd, POLLIN, 0};
        const int ready = poll(&p, 1, RemainingMs(deadline));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) {
            error = "no ready line within " + std::to_string(readyWait.count()) + " ms";
            return false;
        }
        char c = 0;
        const ssize_t got = read(outputFd, &c, 1);
        if (got <= 0) {
            error = "qbx-sim ended before it was ready";
            return false;
        }
        if (c == '\n') return true;
        readyLine += c;
    }
    error = "ready line too long";
    return false;
}

bool CSimProcess::ParseReadyLine() {
    const std::string prefix = kReadyPrefix;
    if (readyLine.rfind(prefix, 0) != 0) {
        error = "unexpected first line: " + readyLine;
        return false;
    }
    const std::string where = readyLine.substr(prefix.size());
    if (where.rfind(kTcpPrefix, 0) == 0) {
        const long port = std::strtol(where.c_str() + std::strlen(kTcpPrefix), nullptr, 10);
        tcpPort = port > 0 && port <= 0xFFFF ? static_cast<std::uint16_t>(port) : 0;
        if (tcpPort != 0) return true;
    } else if (where.rfind(kPtyPrefix, 0) == 0) {
        ptyPath = where.substr(std::strlen(kPtyPrefix));
        if (!ptyPath.empty()) return true;
    }
    error = "unexpected ready line: " + readyLine;
    return false;
}

int CSimProcess::Stop(std::chrono::milliseconds stopWait) {
    int status = -1;
    if (pid > 0) {
        kill(pid, SIGTERM);
        if (!ReapWithin(pid, static_cast<int>(stopWait.count()), status)) {
            kill(pid, SIGKILL);
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }
        pid = -1;
    }
    if (outputFd >= 0) {
        close(outputFd);
        outputFd = -1;
    }
    return status;
}

} // namespace qbx::test

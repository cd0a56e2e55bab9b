#pragma once
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// A program started by a test, its standard error read through a pipe. It is
// stopped by its own process id when the object goes.
class ChildProcess {
  public:
    ChildProcess(const std::string& program, const std::string& folder) {
        const std::string instance = InstanceOfThisTest();
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) return;
        pid = fork();
        if (pid == 0) {
            dup2(fds[1], STDERR_FILENO);
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            // An instance of this test process's own, so that a Quillbox the
            // user has open on the machine does not refuse it.
            setenv("QUILLBOX_INSTANCE", instance.c_str(), 1);
            if (chdir(folder.c_str()) != 0) _exit(126);
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        errorOutput = fds[0];
    }
    ~ChildProcess() {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        if (errorOutput >= 0) close(errorOutput);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Reads standard error until `text` shows up, the program ends or the
    // time runs out. True when it showed up.
    bool WaitForError(const std::string& text, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
        auto deadline = std::chrono::steady_clock::now() + limit;
        while (errors.find(text) == std::string::npos) {
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) return false;
            pollfd p{errorOutput, POLLIN, 0};
            if (poll(&p, 1, static_cast<int>(left.count())) <= 0) return false;
            char buffer[4096];
            ssize_t n = read(errorOutput, buffer, sizeof buffer);
            if (n <= 0) return false;
            errors.append(buffer, static_cast<size_t>(n));
        }
        return true;
    }
    // The instance every child of this test process runs as.
    static std::string InstanceOfThisTest() { return "test-" + std::to_string(getpid()); }

    bool IsRunning() const { return pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0; }
    const std::string& Errors() const { return errors; }

  private:
    pid_t pid = -1;
    int errorOutput = -1;
    std::string errors;
};

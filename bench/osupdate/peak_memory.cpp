#include "bench/osupdate/peak_memory.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {
namespace {

// In the child between fork and exec: only async-signal-safe calls.
[[noreturn]] void Exec(char* const* argv, const char* errorFile) {
    int in = open("/dev/null", O_RDONLY);
    int out = open("/dev/null", O_WRONLY);
    int err = open(errorFile, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(127);
    execv(argv[0], argv);
    _exit(127);
}

} // namespace

ChildRun RunForPeakMemory(const std::vector<std::string>& arguments, const std::string& errorFile) {
    ChildRun run;
    if (arguments.empty()) return run;
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child < 0) return run;
    if (child == 0) Exec(argv.data(), errorFile.c_str());
    int status = 0;
    rusage usage{};
    pid_t waited;
    do {
        waited = wait4(child, &status, 0, &usage);
    } while (waited < 0 && errno == EINTR);
    if (waited != child) return run;
    run.peakKiB = usage.ru_maxrss;
    if (WIFEXITED(status)) run.exitStatus = WEXITSTATUS(status);
    return run;
}

} // namespace bench

#pragma once
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// Runs a program found on PATH with `arguments`, its output thrown away, and
// returns its exit status; 127 when it could not be started.
inline int RunTool(const std::vector<std::string>& arguments) {
    pid_t pid = fork();
    if (pid < 0) return 127;
    if (pid == 0) {
        int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        std::vector<char*> argv;
        for (const std::string& a : arguments)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return 127;
    return WEXITSTATUS(status);
}

#pragma once
#include <chrono>
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

// Runs qbx-sim as a child process for a test: starts it, waits (bounded) for
// its ready line, tells where it listens, and stops exactly this child again.
namespace qbx::test {

class CSimProcess {
  public:
    static constexpr std::chrono::milliseconds kDefaultReadyWait{10000};
    static constexpr std::chrono::milliseconds kDefaultStopWait{5000};

    CSimProcess() = default;
    ~CSimProcess() { Stop(); }
    CSimProcess(const CSimProcess&) = delete;
    CSimProcess& operator=(const CSimProcess&) = delete;

    // The qbx-sim of the build's program folder.
    static std::string DefaultProgram();

    // Starts `program` with `arguments` (as they are, without the program
    // name) and waits at most `readyWait` for "qbx-sim ready ...". False
    // when it could not start, ended, or stayed silent; Error() says which,
    // and a child that is still there has been stopped.
    bool Start(const std::string& program, const std::vector<std::string>& arguments,
               std::chrono::milliseconds readyWait = kDefaultReadyWait);
    bool Start(const std::vector<std::string>& arguments,
               std::chrono::milliseconds readyWait = kDefaultReadyWait) {
        return Start(DefaultProgram(), arguments, readyWait);
    }

    bool IsRunning() const { return pid > 0; }
    pid_t Pid() const { return pid; }
    const std::string& ReadyLine() const { return readyLine; }
    const std::string& Error() const { return error; }
    // The waitpid status of a child that ended before it was ready, else -1.
    int EndStatus() const { return endStatus; }
    // The TCP port from "ready tcp 127.0.0.1:PORT", else 0.
    std::uint16_t TcpPort() const { return tcpPort; }
    // The slave path from "ready pty PATH", else "".
    const std::string& PtyPath() const { return ptyPath; }

    // SIGTERM to this child by its pid, then waits for it; after `stopWait`
    // it gets SIGKILL. Returns the status as waitpid reports it, or -1 when
    // no child was running. Harmless to call again.
    int Stop(std::chrono::milliseconds stopWait = kDefaultStopWait);

  private:
    bool ReadReadyLine(std::chrono::milliseconds readyWait);
    bool ParseReadyLine();

    pid_t pid = -1;
    int outputFd = -1; // the child's standard output, kept open while it runs
    std::string readyLine;
    std::string error;
    int endStatus = -1;
    std::uint16_t tcpPort = 0;
    std::string ptyPath;
};

} // namespace qbx::test

#pragma once
#include "sim/device_state.h"
#include "sim/state_file.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_folder.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

// What one qbx run left: its exit status (-1 when it did not exit) and
// what it wrote to standard output and standard error.
struct QbxRun {
    int status = -1;
    std::string out;
    std::string err;
};

// qbx run as a script runs it, against a simulator over loopback TCP or a
// pseudo-terminal: `folder` is the program folder, whose qbx_man.ini points
// at the simulator, and `files` the folder the person works in.
class CQbxAgainstSim {
  protected:
    // Starts the simulator with `arguments` after --tcp 0 or --pty, and
    // points the program folder's settings at it.
    void StartSim(bool serial, std::vector<std::string> arguments, int language = 1) {
        arguments.insert(arguments.begin(), serial ? "--pty" : "--tcp");
        if (!serial) arguments.insert(arguments.begin() + 1, "0");
        ASSERT_TRUE(sim.Start(arguments)) << sim.Error();
        const std::string lang = std::to_string(language);
        if (serial) {
            folder.Write("qbx_man.ini", "0\n" + lang + "\n");
            environment = "QUILLBOX_COM1='" + sim.PtyPath() + "'";
        } else {
            folder.Write("qbx_man.ini",
                         "6\n" + lang + "\n127.0.0.1\n" + std::to_string(sim.TcpPort()) + "\n");
            environment.clear();
        }
    }

    // The simulator arguments for a state file of the device's own, fresh
    // for each device, so that what it holds is this run's.
    std::vector<std::string> FreshState() const {
        std::filesystem::remove(files.File("state.txt"));
        return {"--state", files.File("state.txt")};
    }

    // The device's state once `ready` holds, or as it is after `wait`.
    qbx::sim::CDeviceState State(const std::function<bool(const qbx::sim::CDeviceState&)>& ready,
                                 std::chrono::milliseconds wait = std::chrono::seconds(1)) const {
        const auto deadline = std::chrono::steady_clock::now() + wait;
        for (;;) {
            qbx::sim::CDeviceState state;
            int badLine = 0;
            qbx::sim::LoadStateFile(files.File("state.txt"), state, badLine);
            if (ready(state) || std::chrono::steady_clock::now() > deadline) return state;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    // Runs qbx `arguments` from the working folder, without a terminal.
    QbxRun Call(const std::string& arguments) const {
        const std::string command = "cd '" + files.Path() + "' && " + environment +
                                    " '" QBX_PROGRAM_DIR "/qbx' --folder '" + folder.Path() + "' " +
                                    arguments + " </dev/null >'" + files.File("out") + "' 2>'" +
                                    files.File("err") + "'";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, files.Read("out"), files.Read("err")};
    }

    qbx::test::CSimProcess sim;
    TempFolder folder; // the program folder
    TempFolder files;  // where the person works
    std::string environment;
};

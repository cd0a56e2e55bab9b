#pragma once
#include <string>
#include <vector>

// A program run to its end as a child of its own, with what the kernel
// counted for it: the highest resident set it reached.
namespace bench {

struct ChildRun {
    int exitStatus = -1; // -1 when it could not start or did not exit normally
    long peakKiB = 0;    // ru_maxrss of the child, in KiB
};

// Runs `arguments` (the program's path first) with standard input from
// /dev/null, standard output discarded and standard error into `errorFile`,
// and waits for it with wait4.
ChildRun RunForPeakMemory(const std::vector<std::string>& arguments, const std::string& errorFile);

} // namespace bench

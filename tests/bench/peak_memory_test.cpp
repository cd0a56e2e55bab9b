// The benchmark's child runs: the exit status, what the child said on
// standard error, and a peak resident memory that is the child's own.
#include "bench/osupdate/peak_memory.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

TEST(PeakMemory, ExitStatusAndErrorOutput) {
    TempFolder folder;
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string error;
    } cases[] = {
        {{"/bin/sh", "-c", "exit 0"}, 0, ""},
        {{"/bin/sh", "-c", "echo refused >&2; exit 3"}, 3, "refused\n"},
        {{"/bin/sh", "-c", "read line; echo \"[$line]\" >&2"}, 0, "[]\n"}, // input is empty
        {{"/bin/sh", "-c", "kill -TERM $$"}, -1, ""},
        {{"/nonexistent/program"}, 127, ""},
        {{}, -1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.empty() ? "(none)" : c.arguments.back());
        folder.Write("err", "");
        const bench::ChildRun run = bench::RunForPeakMemory(c.arguments, folder.File("err"));
        EXPECT_EQ(run.exitStatus, c.status);
        EXPECT_EQ(folder.Read("err"), c.error);
    }
}

// dd holds a buffer of its block size and fills it; the peak follows it,
// and it is dd's own, not the test's.
TEST(PeakMemory, FollowsWhatTheChildTouches) {
    TempFolder folder;
    auto peakOfDd = [&](const std::string& blockSize) {
        return bench::RunForPeakMemory(
            {"/bin/dd", "if=/dev/zero", "of=/dev/null", "bs=" + blockSize, "count=1"}, folder.File("err"));
    };
    const bench::ChildRun small = peakOfDd("1K"), large = peakOfDd("32M");
    ASSERT_EQ(small.exitStatus, 0);
    ASSERT_EQ(large.exitStatus, 0);
    EXPECT_GT(small.peakKiB, 0);
    EXPECT_LT(small.peakKiB, 16 * 1024);
    // Well below the 32 MiB: the kernel may not keep every page of the buffer resident.
    EXPECT_GE(large.peakKiB - small.peakKiB, 16 * 1024);
}

} // namespace

// The soak run's memory and descriptor figures: growth counts from the first
// sample after the warm-up, and this process's own descriptors are seen.
#include "bench/soak/process_sample.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using soak::CSampleSeries;
using soak::ProcessSample;

TEST(ProcessSample, GrowthCountsFromTheEndOfTheWarmUp) {
    const struct {
        const char* name;
        std::vector<ProcessSample> samples;
        long rssGrowth;
        int fdGrowth;
    } cases[] = {
        {"flat after a warm-up", {{0, 3000, 5}, {100, 4200, 6}, {200, 4210, 6}, {300, 4200, 6}}, 10, 0},
        {"a leak", {{0, 3000, 5}, {100, 4000, 5}, {200, 5000, 6}, {300, 6000, 7}}, 2000, 2},
        {"shrinking", {{0, 3000, 5}, {100, 4000, 6}, {200, 3900, 5}}, 0, 0},
        {"the peak in the middle", {{0, 3000, 5}, {100, 4000, 5}, {200, 7000, 9}, {300, 4000, 5}}, 3000, 4},
        {"warm-up longer than the run", {{0, 3000, 5}, {50, 4000, 6}}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CSampleSeries series(100);
        for (const ProcessSample& sample : c.samples)
            series.Add(sample);
        EXPECT_EQ(series.RssGrowthKiB(), c.rssGrowth);
        EXPECT_EQ(series.FdGrowth(), c.fdGrowth);
    }
}

TEST(ProcessSample, SeesThisProcesssDescriptorsAndMemory) {
    const ProcessSample before = soak::SampleSelf(0);
    ASSERT_GT(before.rssKiB, 0);
    const int fd = open("/dev/null", O_RDONLY);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(soak::SampleSelf(1).fds, before.fds + 1);
    close(fd);
    EXPECT_EQ(soak::SampleSelf(2).fds, before.fds);
}

} // namespace

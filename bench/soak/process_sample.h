#pragma once
#include <vector>

// The bench process's own resident memory and open descriptors, and how
// they develop over a long run.
namespace soak {

struct ProcessSample {
    long transfers = 0; // done when the sample was taken
    long rssKiB = 0;
    int fds = 0;
};

// Read from /proc/self; -1 where it cannot be read.
ProcessSample SampleSelf(long transfers);

// The samples of a run and their figures after the warm-up: growth is the
// most any later sample stands above the first one after the warm-up.
class CSampleSeries {
  public:
    explicit CSampleSeries(long warmUpTransfers) : warmUp(warmUpTransfers) {}
    void Add(const ProcessSample& sample) { samples.push_back(sample); }

    const std::vector<ProcessSample>& All() const { return samples; }
    // The first sample at or past the warm-up, else the last one.
    const ProcessSample& Baseline() const;
    const ProcessSample& Middle() const { return samples[samples.size() / 2]; }
    long MaxRssKiB() const;
    int MaxFds() const;
    long RssGrowthKiB() const;
    int FdGrowth() const;

  private:
    long warmUp;
    std::vector<ProcessSample> samples;
};

} // namespace soak

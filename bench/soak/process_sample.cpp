#include "bench/soak/process_sample.h"

#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <unistd.h>

namespace soak {

ProcessSample SampleSelf(long transfers) {
    ProcessSample sample;
    sample.transfers = transfers;
    sample.rssKiB = -1;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        long size = 0, resident = 0;
        if (std::fscanf(statm, "%ld %ld", &size, &resident) == 2)
            sample.rssKiB = resident * (sysconf(_SC_PAGESIZE) / 1024);
        std::fclose(statm);
    }
    sample.fds = -1;
    if (DIR* dir = opendir("/proc/self/fd")) {
        int count = 0;
        while (const dirent* entry = readdir(dir))
            count += entry->d_name[0] != '.';
        closedir(dir);
        sample.fds = count - 1; // not the one this listing holds
    }
    return sample;
}

const ProcessSample& CSampleSeries::Baseline() const {
    for (const ProcessSample& sample : samples)
        if (sample.transfers >= warmUp) return sample;
    return samples.back();
}

long CSampleSeries::MaxRssKiB() const {
    long most = 0;
    for (const ProcessSample& sample : samples)
        most = std::max(most, sample.rssKiB);
    return most;
}

int CSampleSeries::MaxFds() const {
    int most = 0;
    for (const ProcessSample& sample : samples)
        most = std::max(most, sample.fds);
    return most;
}

long CSampleSeries::RssGrowthKiB() const {
    const ProcessSample& base = Baseline();
    long growth = 0;
    for (const ProcessSample& sample : samples)
        if (sample.transfers >= base.transfers) growth = std::max(growth, sample.rssKiB - base.rssKiB);
    return growth;
}

int CSampleSeries::FdGrowth() const {
    const ProcessSample& base = Baseline();
    int growth = 0;
    for (const ProcessSample& sample : samples)
        if (sample.transfers >= base.transfers) growth = std::max(growth, sample.fds - base.fds);
    return growth;
}

} // namespace soak

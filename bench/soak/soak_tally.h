#pragma once
#include "bench/soak/soak_plan.h"
#include "bench/soak/soak_transfer.h"

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace soak {

// What the run did: transfers by kind and line, by fault, the messages they
// showed, the checks that failed and the slowest transfer against its bound.
class CTally {
  public:
    void Add(const TransferPlan& plan, const Outcome& out);
    void Print(std::FILE* to) const;

    long Transfers() const { return transfers; }
    long FailedChecks() const { return failedChecks; }

  private:
    struct Split {
        long ok = 0;
        long failed = 0;
    };
    long transfers = 0;
    long failedChecks = 0;
    long questions = 0;
    Split byKindAndLine[kKindCount][2];
    std::map<std::string, Split> byFault;
    std::map<std::pair<int, int>, long> messages; // (group, number)
    std::vector<std::string> failures;            // the first ones, with their replay
    std::map<std::string, long> problems;         // every failed check, by what failed
    double slowestShare = 0;                      // of its bound
    double slowestSeconds = 0;
    long slowestIndex = -1;
    double operationSeconds = 0;
    double longestSeconds = 0;
    long longestIndex = -1;
};

} // namespace soak

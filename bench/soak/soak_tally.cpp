#include "bench/soak/soak_tally.h"

#include <algorithm>

namespace soak {
namespace {

constexpr std::size_t kFailuresListed = 20;

} // namespace

void CTally::Add(const TransferPlan& plan, const Outcome& out) {
    ++transfers;
    Split& line = byKindAndLine[static_cast<int>(plan.kind)][plan.serial ? 1 : 0];
    ++(out.succeeded ? line.ok : line.failed);
    // Several faults at once count for each of them.
    for (std::size_t from = 0; from <= plan.fault.size();) {
        const std::size_t plus = std::min(plan.fault.find('+', from), plan.fault.size());
        Split& fault = byFault[plan.fault.substr(from, plus - from)];
        ++(out.succeeded ? fault.ok : fault.failed);
        from = plus + 1;
    }
    for (int number : out.shown)
        ++messages[{MessageGroup(plan.kind), number}];
    questions += out.questions;
    operationSeconds += out.seconds;
    if (out.seconds > longestSeconds) {
        longestSeconds = out.seconds;
        longestIndex = plan.index;
    }
    const double share = out.bound.count() > 0 ? out.seconds * 1000 / out.bound.count() : 0;
    if (share > slowestShare) {
        slowestShare = share;
        slowestSeconds = out.seconds;
        slowestIndex = plan.index;
    }
    if (out.problems.empty()) return;
    ++failedChecks;
    for (const std::string& problem : out.problems)
        ++problems[problem];
    if (failures.size() >= kFailuresListed) return;
    std::string text = "transfer " + std::to_string(plan.index) + " (" + ReplayArguments(plan) +
                       "): " + Describe(plan) + ":";
    for (const std::string& problem : out.problems)
        text += "\n      " + problem;
    failures.push_back(text);
}

void CTally::Print(std::FILE* to) const {
    std::fprintf(to, "transfers: %ld (each: succeeded / failed with its message)\n", transfers);
    std::fprintf(to, "  %-14s %13s %13s\n", "kind", "tcp", "pty");
    for (int kind = 0; kind < kKindCount; ++kind) {
        const Split* lines = byKindAndLine[kind];
        std::fprintf(to, "  %-14s %6ld / %-5ld %6ld / %-5ld\n", KindName(static_cast<Kind>(kind)),
                     lines[0].ok, lines[0].failed, lines[1].ok, lines[1].failed);
    }
    std::fprintf(to, "faults (succeeded / failed):\n");
    for (const auto& [name, split] : byFault)
        std::fprintf(to, "  %-14s %6ld / %-6ld\n", name.c_str(), split.ok, split.failed);
    std::fprintf(to, "messages shown (G.NNN x count):");
    int column = 0;
    for (const auto& [id, count] : messages)
        std::fprintf(to, "%s%2d.%03d x %-5ld", column++ % 6 == 0 ? "\n  " : "  ", id.first, id.second, count);
    std::fprintf(to, "\nquestions answered Yes (mode switch): %ld\n", questions);
    std::fprintf(to, "slowest transfer against its watchdog bound: %ld, %.3f s, %.1f %% of its bound\n",
                 slowestIndex, slowestSeconds, slowestShare * 100);
    std::fprintf(to, "longest transfer: %ld, %.3f s\n", longestIndex, longestSeconds);
    std::fprintf(to, "time in the operations: %.1f s\n", operationSeconds);
    std::fprintf(to, "failed checks: %ld\n", failedChecks);
    for (const auto& [problem, count] : problems)
        std::fprintf(to, "  %6ld x %s\n", count, problem.c_str());
    if (!failures.empty()) std::fprintf(to, "  the first of them:\n");
    for (const std::string& failure : failures)
        std::fprintf(to, "    %s\n", failure.c_str());
}

} // namespace soak

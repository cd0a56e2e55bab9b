// The soak run's plans: a transfer is replayed from the seed and its index
// alone, every kind runs over both lines alike, and a kind draws only the
// faults the simulator applies to it.
#include "bench/soak/soak_plan.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

using namespace soak;

bool SamePlan(const TransferPlan& a, const TransferPlan& b) {
    return a.maxFaults == b.maxFaults && a.kind == b.kind && a.serial == b.serial &&
           a.deviceKind == b.deviceKind && a.size == b.size && a.oldSize == b.oldSize &&
           a.oldTarget == b.oldTarget && a.verify == b.verify && a.fault == b.fault &&
           a.faultArgs == b.faultArgs && a.dataSeed == b.dataSeed && a.flipAt == b.flipAt &&
           a.skipFrom == b.skipFrom && a.skipTo == b.skipTo;
}

TEST(SoakPlan, AnyTransferIsReplayedByItselfAndSeedsDiffer) {
    std::vector<TransferPlan> run;
    for (long index = 0; index < 200; ++index)
        run.push_back(PlanTransfer(42, index));
    int differ = 0;
    for (long index : {0L, 7L, 63L, 199L}) {
        SCOPED_TRACE(index);
        EXPECT_TRUE(SamePlan(PlanTransfer(42, index), run[index]));
        differ += !SamePlan(PlanTransfer(43, index), run[index]);
    }
    EXPECT_GE(differ, 3);
}

TEST(SoakPlan, EveryKindRunsOverBothLinesAlike) {
    std::map<std::pair<Kind, bool>, int> runs;
    for (long index = 0; index < 16 * 50; ++index) {
        const TransferPlan plan = PlanTransfer(5, index);
        ++runs[{plan.kind, plan.serial}];
    }
    ASSERT_EQ(runs.size(), 2u * kKindCount);
    for (const auto& [key, count] : runs)
        EXPECT_EQ(count, 50) << KindName(key.first) << (key.second ? " pty" : " tcp");
}

// Over enough transfers each kind meets every fault it can draw, and none
// other: a fault the simulator does not apply to a kind would only make
// clean runs look like fault runs.
TEST(SoakPlan, KindsDrawTheirOwnFaultsAndAllOfThem) {
    std::map<std::pair<Kind, std::string>, std::set<std::string>> drawn; // by kind and device
    for (long index = 0; index < 8 * 3000; ++index) {
        const TransferPlan plan = PlanTransfer(9, index);
        drawn[{plan.kind, plan.deviceKind}].insert(plan.fault);
    }
    for (const auto& [key, faults] : drawn) {
        SCOPED_TRACE(std::string(KindName(key.first)) + " on " + key.second);
        const std::vector<std::string> open = FaultsFor(key.first, key.second);
        EXPECT_EQ(std::vector<std::string>(faults.begin(), faults.end()), [&] {
            std::vector<std::string> sorted = open;
            std::sort(sorted.begin(), sorted.end());
            return sorted;
        }());
    }
    const struct {
        Kind kind;
        const char* device;
        const char* fault;
        bool open;
    } cases[] = {
        {Kind::SlotUpload, "A2", "bad-end-sum", true},    {Kind::SlotDownload, "A2", "bad-end-sum", false},
        {Kind::SlotDownload, "A2", "nak-end", true},      {Kind::WebPage, "A3", "nak-end", false},
        {Kind::OsUpdate, "A8", "refuse-switch", true},    {Kind::OsUpdate, "A2", "refuse-switch", false},
        {Kind::FirmwareSerial, "A2", "skip-after", true}, {Kind::BootDataWrite, "A3", "skip-after", false},
        {Kind::BootDataWrite, "A3", "flip-stored", true}, {Kind::BootDataRead, "A3", "busy", false},
    };
    for (const auto& c : cases) {
        const auto open = FaultsFor(c.kind, c.device);
        EXPECT_EQ(std::count(open.begin(), open.end(), c.fault), c.open ? 1 : 0)
            << KindName(c.kind) << " " << c.fault;
    }
}

TEST(SoakPlan, SeveralFaultsAreDifferentAndEachOneApplies) {
    int several = 0;
    for (long index = 0; index < 8 * 200; ++index) {
        const TransferPlan plan = PlanTransfer(4, index, 3);
        SCOPED_TRACE(Describe(plan));
        const auto open = FaultsFor(plan.kind, plan.deviceKind);
        std::set<std::string> names;
        for (std::size_t from = 0; from <= plan.fault.size();) {
            const std::size_t plus = std::min(plan.fault.find('+', from), plan.fault.size());
            const std::string name = plan.fault.substr(from, plus - from);
            EXPECT_TRUE(names.insert(name).second);
            EXPECT_NE(std::find(open.begin(), open.end(), name), open.end());
            from = plus + 1;
        }
        EXPECT_LE(names.size(), 3u);
        several += names.size() > 1;
    }
    EXPECT_GT(several, 0);
}

TEST(SoakPlan, WhatTheChecksRelyOn) {
    int flips = 0, skips = 0;
    for (long index = 0; index < 8 * 2000; ++index) {
        const TransferPlan plan = PlanTransfer(3, index);
        SCOPED_TRACE(Describe(plan));
        ASSERT_GE(plan.size, 1u);
        // A flipped byte shows only in a read-back.
        if (plan.fault == "flip-stored") {
            EXPECT_TRUE(plan.verify);
            ++flips;
        }
        if (plan.fault == "skip-after") {
            EXPECT_LE(plan.skipFrom, plan.skipTo);
            EXPECT_LE(plan.skipTo, plan.size);
            skips += plan.skipTo > plan.skipFrom;
        } else {
            EXPECT_EQ(plan.skipTo, plan.skipFrom);
        }
        // The device asks an update for exactly the bytes the file holds.
        const auto args = SimArguments(plan);
        const auto sizeOption = std::find(args.begin(), args.end(), "--os-size");
        EXPECT_EQ(sizeOption != args.end(), plan.kind == Kind::OsUpdate);
        EXPECT_EQ(args.front(), plan.serial ? "--pty" : "--tcp");
    }
    EXPECT_GT(flips, 0);
    EXPECT_GT(skips, 0);
}

} // namespace

// The run over a slot list, and the overwrite check of the download preparation.
#include "operations/download_preparation_checks.h"
#include "operations/transfer_run.h"
#include "operations/transfer_steps.h"
#include "recording_host.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

SlotList Ticked(std::initializer_list<std::pair<int, std::string>> entries) {
    SlotList slots;
    for (auto& [slot, path] : entries)
        slots[slot - 1] = {1, path};
    return slots;
}

TEST(TransferRun, ShowsEverySlotsFileRunsTheTickedOnesAndBeeps) {
    SlotList slots = Ticked({{2, "/data/Kessel Süd.dat"}, {5, "/data/halle.v2.dat"}});
    slots[3] = {0, "/data/unticked.dat"};
    CRecordingHost host;
    std::vector<int> run;
    auto result = RunSlotList(host, true, slots, 11508, [&](int slot, const std::string&) {
        run.push_back(slot);
        return true;
    });
    EXPECT_EQ(result, TransferRunResult::Finished);
    EXPECT_FALSE(ClosesAtOnce(result));
    EXPECT_EQ(run, (std::vector<int>{2, 5}));
    EXPECT_EQ(host.beeps, 1);
    ASSERT_EQ(host.fileTexts.size(), 7u);
    EXPECT_EQ(host.fileTexts[0], "[11508]: ");
    EXPECT_EQ(host.fileTexts[1], "[11508]: Kessel Süd");
    EXPECT_EQ(host.fileTexts[3], "[11508]: unticked");
    EXPECT_EQ(host.fileTexts[4], "[11508]: halle.v2");
}

// The finished window lists each ticked slot by what became of it.
TEST(TransferRun, ReportsTheOutcomeOfEveryTickedSlot) {
    using O = SlotOutcome;
    const struct {
        int failing; // 0: none
        O doneAs;
        std::vector<std::pair<int, O>> outcomes;
        std::size_t fileTexts;
    } cases[] = {
        {0, O::Verified, {{2, O::Verified}, {5, O::Verified}, {6, O::Verified}}, 7},
        {0, O::Transferred, {{2, O::Transferred}, {5, O::Transferred}, {6, O::Transferred}}, 7},
        {5, O::Verified, {{2, O::Verified}, {5, O::Failed}, {6, O::NotTried}}, 5},
        {2, O::Transferred, {{2, O::Failed}, {5, O::NotTried}, {6, O::NotTried}}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failing);
        CRecordingHost host;
        SlotList slots = Ticked({{2, "/a/two.dat"}, {5, "/a/five.dat"}, {6, "/a/six.dat"}});
        slots[3] = {0, "/a/unticked.dat"};
        auto result = RunSlotList(
            host, true, slots, 11508, [&](int slot, const std::string&) { return slot != c.failing; },
            c.doneAs);
        EXPECT_EQ(result, c.failing ? TransferRunResult::SlotFailed : TransferRunResult::Finished);
        EXPECT_EQ(host.outcomes, c.outcomes);
        EXPECT_EQ(host.fileTexts.size(), c.fileTexts); // the failed slot's file stays in view
    }
}

TEST(TransferRun, NothingTickedStillBeepsAndAMissingListClosesSilently) {
    CRecordingHost host;
    auto never = [](int, const std::string&) { return false; };
    EXPECT_EQ(RunSlotList(host, true, SlotList{}, 11508, never), TransferRunResult::Finished);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(RunSlotList(host, false, SlotList{}, 11508, never), TransferRunResult::NoSlotList);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_TRUE(host.shown.empty());
}

TEST(TransferSteps, TitlesAndTexts) {
    EXPECT_EQ(transfer::PathTitle("/a.b/c/Kessel.dat"), "Kessel");
    EXPECT_EQ(transfer::PathTitle("/a.b/c/noext"), "noext");
    EXPECT_EQ(transfer::PathTitle("x.tar.dat"), "x.tar");
    EXPECT_EQ(transfer::ProgressText(0x40, 0x8400), "0040 / 8400");
    EXPECT_EQ(transfer::SlotNumberText(7), "   7");
}

TEST(DownloadPreparationChecks, AsksOnlyForExistingFilesOfTickedSlotsAndStopsAtNo) {
    TempFolder folder;
    folder.Write("one.dat", "x");
    folder.Write("three.dat", "x");
    folder.Write("four.dat", "x");
    SlotList slots = Ticked({{1, folder.File("one.dat")},
                             {2, folder.File("new.dat")},
                             {3, folder.File("three.dat")},
                             {4, folder.File("four.dat")}});
    slots[0].flag = 0;
    std::vector<int> asked;
    EXPECT_FALSE(ConfirmOverwrites(slots, [&](int slot, const std::string&) {
        asked.push_back(slot);
        return false;
    }));
    EXPECT_EQ(asked, (std::vector<int>{3}));
    asked.clear();
    EXPECT_TRUE(ConfirmOverwrites(slots, [&](int slot, const std::string&) {
        asked.push_back(slot);
        return true;
    }));
    EXPECT_EQ(asked, (std::vector<int>{3, 4}));
}

} // namespace
} // namespace qbx

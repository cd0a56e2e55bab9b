// Program paths that only a misbehaving device reaches, against the
// simulator's faults over loopback TCP and a pseudo-terminal: each ends with
// its own message, in bounded time, and leaves the slot or the file as it
// was; where the line lets the program recover, the transfer succeeds.
#include "formats/function_data_image.h"
#include "formats/slot_list.h"
#include "operations/download_transfer.h"
#include "operations/download_transfer_messages.h"
#include "operations/upload_transfer.h"
#include "operations/upload_transfer_messages.h"
#include "recording_host.h"
#include "sim_link.h"
#include "tests/support/temp_folder.h"
#include "transfer_script.h"

#include <chrono>
#include <thread>

namespace qbx {
namespace {

constexpr int kSlot = 2;
constexpr std::uint32_t kOldSize = 0x100;   // what the slot holds before
constexpr std::uint32_t kFileSize = 0x1234; // what is uploaded into it

struct FaultCase {
    const char* name;
    Line line;
    std::vector<std::string> faults;
    std::string messages; // numbers shown, "" when the transfer succeeds
};

void PrintTo(const FaultCase& c, std::ostream* out) {
    *out << c.name;
}

std::string CaseName(const testing::TestParamInfo<FaultCase>& info) {
    return std::string(info.param.name) + (info.param.line == Line::Tcp ? "Tcp" : "Serial");
}

// A simulator whose slot 2 holds 0x100 bytes of its seed pattern.
class FaultRun {
  public:
    explicit FaultRun(const FaultCase& c) : line(c.line) {
        std::vector<std::string> args = {"--slot",
                                         std::to_string(kSlot) + "=Alt:" + std::to_string(kOldSize)};
        args.insert(args.end(), c.faults.begin(), c.faults.end());
        started = link.Start(c.line, args);
    }
    // Downloads the slot without faults left to strike; false with a message.
    bool Download(const std::string& name) {
        CRecordingHost host{download_transfer::kGroup};
        // A device may still repeat its last frame after the program gave
        // up; the port's settling time in production lets it arrive before
        // the next request discards it.
        if (line == Line::Serial)
            std::this_thread::sleep_for(std::chrono::milliseconds(LinkTiming{}.serial.settleMs));
        bool done = DownloadSlot(host, kSlot, folder.File(name), link.Options());
        EXPECT_EQ(host.Numbers(), "");
        return done;
    }
    // True when the slot still holds the seeded 0x100 bytes.
    bool SlotAsBefore() {
        if (!Download("check.dat")) return false;
        FunctionDataImage image;
        if (image.Load(folder.File("check.dat")) != 0 || image.Header().dataSize != kOldSize) return false;
        for (std::uint32_t i = 0; i < kOldSize; ++i) {
            if (image.Data()[i] != static_cast<std::uint8_t>(i * 7 + kSlot * 31)) return false;
        }
        return true;
    }

    Line line;
    SimLink link;
    TempFolder folder;
    bool started = false;
};

class UploadFault : public testing::TestWithParam<FaultCase> {};

TEST_P(UploadFault, EndsWithItsMessageAndKeepsTheSlot) {
    const FaultCase& c = GetParam();
    FaultRun run(c);
    ASSERT_TRUE(run.started) << run.link.sim.Error();
    FunctionDataImage file = test::PatternImage(kFileSize);
    ASSERT_TRUE(file.Save(run.folder.File("meter.dat")));
    CRecordingHost host{upload_transfer::kGroup};
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(UploadSlot(host, kSlot, run.folder.File("meter.dat"), run.link.Options()), c.messages.empty());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(host.Numbers(), c.messages);
    EXPECT_FALSE(host.waitCursor);
    if (c.messages.empty()) {
        ASSERT_TRUE(run.Download("back.dat"));
        EXPECT_EQ(run.folder.Read("back.dat"), run.folder.Read("meter.dat"));
    } else {
        EXPECT_TRUE(run.SlotAsBefore()); // header and data: a broken-off upload changes nothing
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sim, UploadFault,
    testing::Values(
        // Requests outside the image are refused; inside, any order is served by address.
        FaultCase{"RequestPastTheEnd", Line::Tcp, {"--extra-request", "3=0x1234"}, "37"},
        FaultCase{"RequestPastTheEnd", Line::Serial, {"--extra-request", "3=0x1234"}, "37"},
        FaultCase{"RequestAcrossTheEnd", Line::Tcp, {"--extra-request", "1=0x1230:16"}, "37"},
        FaultCase{"RequestFarOut", Line::Serial, {"--extra-request", "2=0xFFFFC0"}, "37"},
        FaultCase{"RequestOutOfOrder", Line::Serial, {"--extra-request", "2=0x1200:52"}, ""},
        FaultCase{"Descending", Line::Tcp, {"--descending", "--block", "100"}, ""},
        FaultCase{"Descending", Line::Serial, {"--descending"}, ""},
        // The device's end frame with a wrong sum: once over TCP, five times on a serial line.
        FaultCase{"WrongEndSum", Line::Tcp, {"--bad-end-sum", "1"}, "25"},
        FaultCase{"WrongEndSum", Line::Serial, {"--bad-end-sum", "5"}, "25"},
        FaultCase{"WrongEndSumRetried", Line::Serial, {"--bad-end-sum", "4"}, ""},
        // SelectSlot answered with 3 of its 4 bytes.
        FaultCase{"ShortSelect", Line::Tcp, {"--short-reply", "40:3"}, "17"},
        FaultCase{"ShortSelect", Line::Serial, {"--short-reply", "40:3:5"}, "17"},
        FaultCase{"ShortSelectRetried", Line::Serial, {"--short-reply", "40:3:4"}, ""},
        // Bytes after the identification are not read as the next answer.
        FaultCase{"SurplusAfterIdentification", Line::Tcp, {"--surplus", "18:3:2"}, ""},
        FaultCase{"SurplusAfterIdentification", Line::Serial, {"--surplus", "18:3:2"}, ""},
        // The line cut in the middle of the data.
        FaultCase{"CutInTheMiddle", Line::Tcp, {"--drop-after", "21"}, "40"}),
    CaseName);

class DownloadFault : public testing::TestWithParam<FaultCase> {};

TEST_P(DownloadFault, EndsWithItsMessageAndSavesNothing) {
    const FaultCase& c = GetParam();
    FaultRun run(c);
    ASSERT_TRUE(run.started) << run.link.sim.Error();
    CRecordingHost host{download_transfer::kGroup};
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(DownloadSlot(host, kSlot, run.folder.File("back.dat"), run.link.Options()), c.messages.empty());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(host.Numbers(), c.messages);
    EXPECT_EQ(run.folder.Exists("back.dat"), c.messages.empty());
    EXPECT_TRUE(run.SlotAsBefore()); // the device goes on working
}

INSTANTIATE_TEST_SUITE_P(Sim, DownloadFault,
                         testing::Values(
                             // The program's end frame refused.
                             FaultCase{"EndFrameRefused", Line::Tcp, {"--nak-end", "1"}, "21"},
                             FaultCase{"EndFrameRefused", Line::Serial, {"--nak-end", "5"}, "21"},
                             FaultCase{"EndFrameRefusedRetried", Line::Serial, {"--nak-end", "4"}, ""},
                             // ReadSlotHeader with 20 of the 53 bytes after the status.
                             FaultCase{"ShortHeader", Line::Tcp, {"--short-reply", "41:23"}, "16"},
                             FaultCase{"ShortHeader", Line::Serial, {"--short-reply", "41:23:5"}, "16"},
                             // The same answer in two TCP segments: one receive per read sees 20
                             // bytes and fails; a serial read waits for the rest.
                             FaultCase{"SplitHeader", Line::Tcp, {"--split-reply", "41:23"}, "16"},
                             FaultCase{"SplitHeader", Line::Serial, {"--split-reply", "41:23"}, ""},
                             FaultCase{"SplitIdentification", Line::Tcp, {"--split-reply", "18:3"}, "6"},
                             // The block request's "!C" cut to one byte.
                             FaultCase{"HalfAcknowledgement", Line::Tcp, {"--short-reply", "F2:1"}, "24"},
                             FaultCase{"SurplusAfterSelect", Line::Tcp, {"--surplus", "40:2"}, ""}),
                         CaseName);

} // namespace
} // namespace qbx

// Upload and download runs against the simulator, over loopback TCP and a
// pseudo-terminal.
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

#include <algorithm>
#include <filesystem>

namespace qbx {
namespace {

// Writes a ".dat" file of the given layout with a pattern image.
std::string WriteDat(const TempFolder& folder, const std::string& name, int format) {
    FunctionDataImage image = test::PatternImage(format == 1   ? 0x8000
                                                 : format == 2 ? 0x8400
                                                               : 0x1234,
                                                 format == 3 ? 0x85 : 0x80);
    image.Header().fileFormat = static_cast<std::uint8_t>(format);
    if (format == 1) image.Header().firmware.clear();
    if (format != 3) image.Header().bootsector.clear();
    if (format == 2) image.Header().firmware = "  2.8"; // as the layout reads it back
    std::string path = folder.File(name);
    EXPECT_TRUE(image.Save(path));
    return path;
}

void WriteList(const TempFolder& folder, const char* name,
               std::initializer_list<std::pair<int, std::string>> ticked) {
    SlotList slots;
    for (auto& [slot, path] : ticked)
        slots[slot - 1] = {1, path};
    ASSERT_TRUE(WriteSlotList(name, slots, folder.Path()));
}

std::size_t Count(const std::vector<int>& values, int value) {
    return static_cast<std::size_t>(std::count(values.begin(), values.end(), value));
}

class TransferRoundTrip : public testing::TestWithParam<Line> {};

TEST_P(TransferRoundTrip, DownloadGivesBackTheUploadedFilesInAllThreeFormats) {
    SimLink link;
    // Over TCP the device asks in blocks of its own size.
    std::vector<std::string> args;
    if (GetParam() == Line::Tcp) args = {"--block", "100"};
    ASSERT_TRUE(link.Start(GetParam(), args)) << link.sim.Error();
    TempFolder folder;
    std::string one = WriteDat(folder, "Kessel Süd.dat", 1), two = WriteDat(folder, "halle.dat", 2),
                three = WriteDat(folder, "meter.dat", 3);
    WriteList(folder, kUploadSlotListName, {{1, one}, {3, two}, {6, three}});
    CRecordingHost up;
    ASSERT_EQ(RunUploadTransfer(up, link.Options(), folder.Path()), TransferRunResult::Finished);
    EXPECT_TRUE(up.shown.empty()) << up.Numbers();
    EXPECT_EQ(up.beeps, 1);
    EXPECT_EQ(up.statuses.front(), 11500);
    EXPECT_EQ(up.statuses.back(), 11506);
    EXPECT_EQ(Count(up.statuses, 11502), 3u);
    EXPECT_EQ(up.slotNumbers, (std::vector<std::string>{"   1", "   3", "   6"}));
    EXPECT_EQ(Count(link.pauses, 200), 3u);

    WriteList(folder, kDownloadSlotListName,
              {{1, folder.File("back1.dat")}, {3, folder.File("back3.dat")}, {6, folder.File("back6.dat")}});
    CRecordingHost down;
    ASSERT_EQ(RunDownloadTransfer(down, link.Options(), folder.Path()), TransferRunResult::Finished);
    EXPECT_TRUE(down.shown.empty()) << down.Numbers();
    EXPECT_EQ(std::vector<int>(down.statuses.begin(), down.statuses.begin() + 3),
              (std::vector<int>{11500, 11502, 11502}));
    EXPECT_EQ(down.statuses.back(), 11505);
    EXPECT_EQ(down.pumps, 0x8000 / 64 + 0x8400 / 64 + 0x1234 / 64 + 1);
    EXPECT_EQ(Count(link.pauses, 100), 3u);
    EXPECT_EQ(folder.Read("back1.dat"), folder.Read("Kessel Süd.dat"));
    EXPECT_EQ(folder.Read("back3.dat"), folder.Read("halle.dat"));
    EXPECT_EQ(folder.Read("back6.dat"), folder.Read("meter.dat"));
}

INSTANTIATE_TEST_SUITE_P(Lines, TransferRoundTrip, testing::Values(Line::Tcp, Line::Serial),
                         [](const auto& info) { return info.param == Line::Tcp ? "Tcp" : "Serial"; });

TEST(TransferRoundTrip, HeaderTextsWithACarriageReturnComeBackUnchanged) {
    SimLink link;
    ASSERT_TRUE(link.Start(Line::Tcp, {}));
    TempFolder folder;
    // As a text editor leaves it: the CRs inside the texts are no line ends.
    std::string text = "BRAVOLT_DAT_FILE\r\nFILE_FORMAT: 3\r\n     DEVICE: 85\r\n   FIRMWARE: V1\r2\r\n"
                       " BOOTSECTOR: B\r\r\n  DATA_SIZE: 0021\r\n \r\nDATA\r\n:200000" +
                       std::string(64, '5') + "\r\n:01002077";
    folder.Write("cr.dat", text);
    WriteList(folder, kUploadSlotListName, {{2, folder.File("cr.dat")}});
    WriteList(folder, kDownloadSlotListName, {{2, folder.File("back.dat")}});
    CRecordingHost host;
    ASSERT_EQ(RunUploadTransfer(host, link.Options(), folder.Path()), TransferRunResult::Finished);
    ASSERT_EQ(RunDownloadTransfer(host, link.Options(), folder.Path()), TransferRunResult::Finished);
    EXPECT_EQ(host.Numbers(), "");
    FunctionDataImage sent, back;
    ASSERT_EQ(sent.Load(folder.File("cr.dat")), kDatLoaded);
    ASSERT_EQ(back.Load(folder.File("back.dat")), kDatLoaded);
    EXPECT_EQ(back.Header().firmware, "V1\r2");
    EXPECT_EQ(back.Header().bootsector, "B\r");
    EXPECT_EQ(back.Data(), sent.Data());
    // Saved by the program, it comes back byte for byte.
    ASSERT_TRUE(sent.Save(folder.File("saved.dat")));
    EXPECT_EQ(folder.Read("back.dat"), folder.Read("saved.dat"));
}

TEST(TransferFaults, DeviceErrorDuringUploadAndDownload) {
    TempFolder folder;
    std::string file = WriteDat(folder, "meter.dat", 3);
    WriteList(folder, kUploadSlotListName, {{2, file}});
    WriteList(folder, kDownloadSlotListName, {{2, folder.File("back.dat")}});

    SimLink upload;
    ASSERT_TRUE(upload.Start(Line::Serial, {"--device-error", "20@3"}));
    CRecordingHost up;
    EXPECT_EQ(RunUploadTransfer(up, upload.Options(), folder.Path()), TransferRunResult::SlotFailed);
    EXPECT_EQ(up.Numbers(), "28");
    EXPECT_EQ(up.shown[0].text, "[11022] 20");

    SimLink download;
    ASSERT_TRUE(download.Start(Line::Tcp, {"--slot", "2=Halle:0x400", "--device-error", "20@3"}));
    CRecordingHost down;
    EXPECT_EQ(RunDownloadTransfer(down, download.Options(), folder.Path()), TransferRunResult::SlotFailed);
    EXPECT_EQ(down.Numbers(), "33");
    EXPECT_FALSE(folder.Exists("back.dat"));
}

TEST(TransferFaults, BusyFramesAnywhereInTheUpload) {
    SimLink link;
    // 0x1234 bytes are 73 requests; frame 74 is the end frame.
    ASSERT_TRUE(link.Start(Line::Serial, {"--busy", "7", "--busy", "3@5", "--busy", "2@74"}));
    TempFolder folder;
    WriteList(folder, kUploadSlotListName, {{4, WriteDat(folder, "meter.dat", 3)}});
    WriteList(folder, kDownloadSlotListName, {{4, folder.File("back.dat")}});
    CRecordingHost host;
    EXPECT_EQ(RunUploadTransfer(host, link.Options(), folder.Path()), TransferRunResult::Finished);
    EXPECT_EQ(RunDownloadTransfer(host, link.Options(), folder.Path()), TransferRunResult::Finished);
    EXPECT_EQ(host.Numbers(), "");
    EXPECT_EQ(folder.Read("back.dat"), folder.Read("meter.dat"));
}

TEST(TransferFaults, AFailingSlotStopsTheRunAndLeavesItsFileAsItWas) {
    SimLink link;
    ASSERT_TRUE(
        link.Start(Line::Tcp, {"--slot", "2=A:0x200", "--slot", "4=B:0x200", "--device-error", "21@2"}));
    TempFolder folder;
    folder.Write("two.dat", "the old file");
    WriteList(folder, kDownloadSlotListName, {{2, folder.File("two.dat")}, {4, folder.File("four.dat")}});
    CRecordingHost host;
    EXPECT_EQ(RunDownloadTransfer(host, link.Options(), folder.Path()), TransferRunResult::SlotFailed);
    EXPECT_EQ(host.Numbers(), "34");
    EXPECT_EQ(host.beeps, 0);
    EXPECT_EQ(folder.Read("two.dat"), "the old file");
    EXPECT_FALSE(folder.Exists("four.dat")); // slot 4 was not tried: the error strikes only once
}

TEST(TransferFaults, SlotsWithoutUsableDataAreRefused) {
    TempFolder folder;
    // Slot 4's firmware text holds a line feed, which no file line can hold:
    // refused before the transfer, not after it.
    folder.Write("state", "format 1\nslot 3 02 80 \"\" \"\" 000100 \"odd\"\n"
                          "slot 4 01 85 \"V1\\x0A2\" \"\" 000100 \"lf\"\n");
    for (int slot : {3, 4, 5}) { // status 2; a line feed; empty
        SimLink link;
        ASSERT_TRUE(link.Start(Line::Tcp, {"--state", folder.File("state")}));
        CRecordingHost host{download_transfer::kGroup};
        EXPECT_FALSE(DownloadSlot(host, slot, folder.File("x.dat"), link.Options()));
        EXPECT_EQ(host.Numbers(), "17");
        EXPECT_FALSE(folder.Exists("x.dat"));
    }
}

TEST(TransferFaults, ADownloadThatCannotBeSavedNamesItsPath) {
    TempFolder folder;
    std::filesystem::create_directory(folder.File("taken.dat"));
    for (const std::string& path : {folder.File("no such folder/x.dat"), folder.File("taken.dat")}) {
        SCOPED_TRACE(path);
        SimLink link;
        ASSERT_TRUE(link.Start(Line::Tcp, {"--slot", "6=Keller:0x100"}));
        CRecordingHost host{download_transfer::kGroup};
        EXPECT_FALSE(DownloadSlot(host, 6, path, link.Options()));
        EXPECT_EQ(host.Numbers(), "47");
        EXPECT_EQ(host.shown.at(0).text, "[11025] " + path);
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("taken.dat")));
}

TEST(TransferFaults, UnusableFileAndMissingList) {
    SimLink link;
    ASSERT_TRUE(link.Start(Line::Tcp, {}));
    TempFolder folder;
    folder.Write("bad.dat", "not function data\r\n");
    CRecordingHost host{upload_transfer::kGroup};
    EXPECT_FALSE(UploadSlot(host, 1, folder.File("bad.dat"), link.Options()));
    EXPECT_EQ(host.Numbers(), "16");
    EXPECT_EQ(host.shown[0].text, "[11044] " + folder.File("bad.dat"));
    EXPECT_EQ(RunUploadTransfer(host, link.Options(), folder.Path()), TransferRunResult::NoSlotList);
    EXPECT_EQ(RunDownloadTransfer(host, link.Options(), folder.Path()), TransferRunResult::NoSlotList);
    EXPECT_EQ(host.shown.size(), 1u);
}

TEST(TransferModeSwitch, StatusShowsTheSwitchAndNoEndsTheSlot) {
    TempFolder folder;
    std::string file = WriteDat(folder, "meter.dat", 3);
    SimLink link;
    ASSERT_TRUE(link.Start(Line::Tcp, {"--kind", "A8"}));
    CRecordingHost declined{upload_transfer::kGroup};
    EXPECT_FALSE(UploadSlot(declined, 1, file, link.Options()));
    EXPECT_EQ(declined.Numbers(), "7");
    EXPECT_EQ(Count(declined.statuses, 11501), 0u);

    CRecordingHost host{upload_transfer::kGroup};
    host.answers = {true};
    EXPECT_TRUE(UploadSlot(host, 1, file, link.Options()));
    EXPECT_EQ(host.Numbers(), "7");
    EXPECT_EQ(std::vector<int>(host.statuses.begin(), host.statuses.begin() + 3),
              (std::vector<int>{11500, 11501, 11502}));
    EXPECT_FALSE(host.waitCursor);
}

} // namespace
} // namespace qbx

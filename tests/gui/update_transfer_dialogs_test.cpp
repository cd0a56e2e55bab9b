// The OS update transfer and the firmware update dialogs against the
// simulated LINKBOX: what the person sees on success and on failure.
#include "dialog_world.h"
#include "formats/handover_file.h"
#include "gui/firmware/update_transfer_dialogs.h"
#include "tests/formats/hex_builder.h"

namespace qbx {
namespace {

constexpr int kStatus = 1008, kProgress = 1009, kFile = 1023;
constexpr std::uint32_t kImageSize = 0x400;

// An image of kImageSize bytes in 16-byte records behind `head`.
std::string UpdateFile(const std::string& head) {
    const std::vector<std::uint8_t> image = hexfile::Pattern(kImageSize, 7);
    std::string text = head + "\n" + hexfile::Linear(0);
    for (std::uint32_t address = 0; address < kImageSize; address += 16)
        text +=
            hexfile::Data(static_cast<std::uint16_t>(address),
                          std::vector<std::uint8_t>(image.begin() + address, image.begin() + address + 16));
    return text + hexfile::Record(1, 0, {});
}

class UpdateTransferDialogs : public DeviceDialogTest {
  protected:
    template <class Dialog> void Run(Dialog& dialog) {
        ASSERT_TRUE(dialog.Initialize());
        if (dialog.HasEnded()) return;
        EXPECT_FALSE(dialog.IsItemEnabled(kIdCancel));
        ASSERT_TRUE(dialog.IsTimerRunning(kTransferTimer));
        dialog.FireTimer(kTransferTimer);
        EXPECT_FALSE(dialog.IsTimerRunning(kTransferTimer));
    }
    void HandOver(const std::string& program) {
        ASSERT_TRUE(WriteHandoverFile({kNoWelcomePage, program}, folder.Path()));
    }
};

TEST_F(UpdateTransferDialogs, OsUpdateFinishesWithBeepAndWaitsForClose) {
    StartLinkbox({"--os-size", "0x400"});
    folder.Write("Heizung V4.prg", UpdateFile("BRAVOLT_PROGRAM_FILE 400"));
    HandOver(folder.File("Heizung V4.prg"));
    COsUpdateTransferDialog dialog(context);
    Run(dialog);
    EXPECT_EQ(ui.MessageNumbers(), "");
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_FALSE(dialog.HasEnded());
    EXPECT_TRUE(dialog.IsItemEnabled(kIdCancel));
    EXPECT_EQ(dialog.ItemText(kFile), "Heizung V4");
    EXPECT_EQ(dialog.ItemText(kStatus), module.String(11506));
    EXPECT_EQ(dialog.ItemText(kProgress), "00400 / 00400"); // the file's own total
    EXPECT_EQ(dialog.ProgressPos(1007), 100);
    EXPECT_TRUE(dialog.Click(kIdCancel));
    EXPECT_EQ(dialog.Result(), kIdCancel);
}

TEST_F(UpdateTransferDialogs, OsUpdateFailuresShowTheirMessageAndClose) {
    const struct {
        std::vector<std::string> sim;
        std::string file, messages;
        bool handover = true;
    } cases[] = {
        {{"--os-size", "0x400", "--device-error", "20"}, "BRAVOLT_PROGRAM_FILE 400", "4.027"},
        {{"--os-size", "0x400"}, "NOT_A_PROGRAM 400", "4.001"},
        {{"--os-size", "0x400"}, "BRAVOLT_PROGRAM_FILE 400", "4.120", false},
        // A bootloader that is not in transfer mode, and the person says No.
        {{"--kind", "A8", "--mode", "80"}, "BRAVOLT_PROGRAM_FILE 400", "4.008"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.messages);
        StartLinkbox(c.sim);
        folder.Write("os.prg", UpdateFile(c.file));
        std::filesystem::remove(folder.File(kHandoverFileName));
        if (c.handover) HandOver(folder.File("os.prg"));
        ui.Clear();
        COsUpdateTransferDialog dialog(context);
        Run(dialog);
        EXPECT_EQ(ui.MessageNumbers(), c.messages);
        EXPECT_TRUE(dialog.HasEnded());
        EXPECT_EQ(ui.beeps, 0);
        sim.Stop();
    }
}

TEST_F(UpdateTransferDialogs, FirmwareUpdateStaysOpenWithItsFinishedState) {
    StartLinkbox({"--firmware-size", "0x400"});
    folder.Write("Box 2.8.frm", UpdateFile("BRAVOLT_LINKBOX_FIRMWARE_FILE 400"));
    ui.openFiles = {QString::fromStdString(folder.File("Box 2.8.frm"))};
    CFirmwareUpdateDialog dialog(context);
    Run(dialog);
    EXPECT_EQ(ui.MessageNumbers(), "");
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_FALSE(dialog.HasEnded());
    EXPECT_TRUE(dialog.IsItemEnabled(kIdCancel));
    EXPECT_EQ(dialog.ItemText(kFile), module.String(11508) + ": Box 2.8");
    EXPECT_EQ(dialog.ItemText(kProgress), "0400 / 0400");
    EXPECT_EQ(dialog.ItemText(kStatus), module.String(11506));
    EXPECT_TRUE(ui.chooserStarts.at(0).endsWith("/Betriebssystem_BL"));
    EXPECT_TRUE(dialog.Click(kIdCancel));
    EXPECT_TRUE(dialog.HasEnded());
}

TEST_F(UpdateTransferDialogs, FirmwareRefusalsAndFailuresEndTheDialog) {
    const struct {
        std::string name, head, messages;
        bool timer; // the update was started
    } cases[] = {
        {"", "", "", false}, // chooser cancelled
        {"fw.Frm", "BRAVOLT_LINKBOX_FIRMWARE_FILE 400", "3.001", false},
        {"serial.frm", "BRAVOLT_FIRMWARE_FILE 400", "3.041", true},
        {"unknown.frm", "SOMETHING_ELSE 400", "3.007", true},
    };
    StartLinkbox({"--firmware-size", "0x400"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ui.Clear();
        if (!c.name.empty()) {
            folder.Write(c.name, UpdateFile(c.head));
            ui.openFiles = {QString::fromStdString(folder.File(c.name))};
        }
        CFirmwareUpdateDialog dialog(context);
        ASSERT_TRUE(dialog.Initialize());
        EXPECT_EQ(dialog.HasEnded(), !c.timer);
        if (c.timer) dialog.FireTimer(kTransferTimer);
        EXPECT_EQ(ui.MessageNumbers(), c.messages);
        EXPECT_TRUE(dialog.HasEnded());
        EXPECT_EQ(ui.beeps, 0);
    }
}

} // namespace
} // namespace qbx

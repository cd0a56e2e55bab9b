#include "dialog_world.h"
#include "formats/slot_list.h"
#include "ui/transfer_dialog.h"

namespace qbx {
namespace {

class TransferDialogs : public DeviceDialogTest {
  protected:
    // Opens the dialog and delivers the tick that runs the transfer.
    template <class Dialog> void RunTransfer(Dialog& dialog) {
        ASSERT_TRUE(dialog.Initialize());
        EXPECT_FALSE(dialog.IsItemEnabled(kIdCancel));
        EXPECT_TRUE(dialog.IsTimerRunning(kTransferTimer));
        dialog.FireTimer(kTransferTimer);
        EXPECT_FALSE(dialog.IsTimerRunning(kTransferTimer));
    }
};

TEST_F(TransferDialogs, UploadThenDownloadGivesTheSameFiles) {
    StartLinkbox();
    std::string controller = WriteDat("controller.dat", 2, 0x80, 0x8400);
    std::string gate = WriteDat("gate.dat", 3, 0x84, 0x0421);
    SlotList up;
    up[0] = {1, controller};
    up[2] = {1, gate};
    up[4] = {0, controller};
    ASSERT_TRUE(WriteUploadSlotList(up));
    CUploadTransferDialog upload(context);
    RunTransfer(upload);
    EXPECT_EQ(ui.MessageNumbers(), "");
    EXPECT_EQ(upload.RunResult(), TransferRunResult::Finished);
    EXPECT_FALSE(upload.HasEnded());
    EXPECT_TRUE(upload.IsItemEnabled(kIdCancel));
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(upload.ItemText(1009), "0421 / 0421");
    EXPECT_EQ(upload.ItemText(1008), module.String(11506));
    EXPECT_EQ(upload.ItemText(1073), "   3");

    SlotList down;
    down[0] = {1, folder.File("back1.dat")};
    down[2] = {1, folder.File("back3.dat")};
    ASSERT_TRUE(WriteDownloadSlotList(down));
    CDownloadTransferDialog download(context);
    RunTransfer(download);
    EXPECT_EQ(ui.MessageNumbers(), "");
    EXPECT_EQ(download.RunResult(), TransferRunResult::Finished);
    EXPECT_EQ(ui.beeps, 2);
    EXPECT_EQ(download.ItemText(1008), module.String(11505));
    EXPECT_EQ(folder.Read("back1.dat"), folder.Read("controller.dat"));
    EXPECT_EQ(folder.Read("back3.dat"), folder.Read("gate.dat"));
    EXPECT_TRUE(download.Click(kIdCancel));
    EXPECT_EQ(download.Result(), kIdCancel);
}

TEST_F(TransferDialogs, FailureShowsItsMessageAndClosesAtOnce) {
    StartLinkbox({"--device-error", "20"});
    SlotList up;
    up[1] = {1, WriteDat("a.dat", 3, 0x81, 0x100)};
    ASSERT_TRUE(WriteUploadSlotList(up));
    CUploadTransferDialog upload(context);
    RunTransfer(upload);
    EXPECT_EQ(ui.MessageNumbers(), "2.028");
    EXPECT_TRUE(upload.HasEnded());
    EXPECT_EQ(ui.beeps, 0);
}

TEST_F(TransferDialogs, VerifyReadsEachSlotBackAndNamesTheFirstDifference) {
    struct Case {
        bool verify;
        std::vector<std::string> sim;
        std::string messages;
    } cases[] = {
        {true, {}, ""},
        {true, {"--flip-stored", "0x42"}, "2.200"},
        {false, {"--flip-stored", "0x42"}, ""}, // unchecked, the spoilt byte goes unseen
    };
    for (const Case& c : cases) {
        StartLinkbox(c.sim);
        SlotList up;
        up[3] = {1, WriteDat("a.dat", 3, 0x81, 0x100)};
        ASSERT_TRUE(WriteUploadSlotList(up));
        ui.Clear();
        CUploadTransferDialog upload(context);
        upload.SetVerify(c.verify);
        RunTransfer(upload);
        EXPECT_EQ(ui.MessageNumbers(), c.messages);
        EXPECT_EQ(upload.RunResult(),
                  c.messages.empty() ? TransferRunResult::Finished : TransferRunResult::SlotFailed);
        if (c.messages.empty()) {
            // After the read-back the displays show the upload finished.
            EXPECT_EQ(upload.ItemText(1008), module.String(11506));
            EXPECT_EQ(upload.ItemText(1009), "0100 / 0100");
        } else {
            const QString expected = module.String(11950).replace("%d", "4").replace("%04X", "0042");
            EXPECT_EQ(ui.messages.back().text.toStdString(), expected.toStdString());
        }
        sim.Stop();
    }
}

// The finished window names every ticked slot, its file and its outcome; a
// failure after a slot went through keeps the window open to say so.
TEST_F(TransferDialogs, TheEndListsEveryTickedSlot) {
    StartLinkbox();
    const std::string two = WriteDat("zwei.dat", 3, 0x81, 0x100);
    const std::string five = WriteDat("fünf.dat", 3, 0x81, 0x80);
    const struct Case {
        const char* name;
        bool verify;
        bool fiveGone;                          // the file goes between the preparation and the transfer
        std::vector<std::pair<int, int>> lines; // slot, string
        std::string messages;
    } cases[] = {
        {"checked", true, false, {{2, 12003}, {5, 12003}, {6, 12003}}, ""},
        {"unchecked", false, false, {{2, 12002}, {5, 12002}, {6, 12002}}, ""},
        {"failed", true, true, {{2, 12003}, {5, 12005}, {6, 12006}}, "2.016"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string gone = folder.File("weg.dat");
        SlotList up;
        up[1] = {1, two};
        up[4] = {1, c.fiveGone ? gone : five};
        up[5] = {1, five};
        ASSERT_TRUE(WriteUploadSlotList(up));
        ui.Clear();
        CUploadTransferDialog upload(context);
        upload.SetVerify(c.verify);
        RunTransfer(upload);
        EXPECT_EQ(ui.MessageNumbers(), c.messages);
        EXPECT_FALSE(upload.HasEnded());
        EXPECT_TRUE(upload.IsItemEnabled(kIdCancel));
        QStringList expected;
        for (auto [slot, string] : c.lines) {
            const QString file = slot == 5 && c.fiveGone ? "weg.dat" : slot == 2 ? "zwei.dat" : "fünf.dat";
            expected << module.String(string).replace("%d", QString::number(slot)).replace("%s", file);
        }
        EXPECT_EQ(upload.ItemText(1960).toStdString(), expected.join('\n').toStdString());
        EXPECT_NE(upload.ItemToolTip(1960).indexOf(QString::fromStdString(two)), -1);
        EXPECT_TRUE(upload.Item(1023)->isHidden()); // the last slot's row alone said too little
        EXPECT_EQ(upload.ItemText(1008), module.String(c.messages.empty() ? 11506 : 12007));
    }

    SlotList down;
    down[1] = {1, folder.File("back2.dat")};
    down[5] = {1, folder.File("back6.dat")};
    ASSERT_TRUE(WriteDownloadSlotList(down));
    ui.Clear();
    CDownloadTransferDialog download(context);
    RunTransfer(download);
    EXPECT_EQ(ui.MessageNumbers(), "");
    const QString saved = module.String(12004).replace("%d", "2").replace("%s", "back2.dat") + "\n" +
                          module.String(12004).replace("%d", "6").replace("%s", "back6.dat");
    EXPECT_EQ(download.ItemText(1960).toStdString(), saved.toStdString());
}

TEST_F(TransferDialogs, NoSlotListClosesWithoutMessage) {
    StartLinkbox();
    CDownloadTransferDialog download(context);
    RunTransfer(download);
    EXPECT_TRUE(download.HasEnded());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TransferDialogs, NothingTickedStillFinishes) {
    StartLinkbox();
    ASSERT_TRUE(WriteUploadSlotList(SlotList{}));
    CUploadTransferDialog upload(context);
    RunTransfer(upload);
    EXPECT_FALSE(upload.HasEnded());
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_TRUE(upload.IsItemEnabled(kIdCancel));
}

TEST_F(TransferDialogs, CannotBeClosedBeforeTheRun) {
    CUploadTransferDialog upload(context);
    ASSERT_TRUE(upload.Initialize());
    upload.SendCommand(kIdCancel); // the close box: refused while the close button is off
    EXPECT_FALSE(upload.HasEnded());
}

} // namespace
} // namespace qbx

// The bootloader data dialog in both modes against the simulated LINKBOX:
// its choosers, what it shows, how it ends, and that every text it shows
// fits in every language.
#include "dialog_world.h"
#include "gui/bootdata/boot_data_dialog.h"
#include "tests/gui/label_fit.h"

#include <QApplication>

namespace qbx {
namespace {

constexpr int kProgressBar = 1007, kStatus = 1008, kProgress = 1009, kFile = 1023;

class BootDataDialog : public DeviceDialogTest {
  protected:
    // Opens the dialog and, when its preparation went through, fires the timer.
    void Run(CBootDataDialog& dialog) {
        ASSERT_TRUE(dialog.Initialize());
        if (dialog.HasEnded()) return;
        EXPECT_FALSE(dialog.IsItemEnabled(kIdCancel));
        ASSERT_TRUE(dialog.IsTimerRunning(kTransferTimer));
        dialog.FireTimer(kTransferTimer);
    }
    QString InFolder(const std::string& name) const { return QString::fromStdString(folder.File(name)); }
};

TEST_F(BootDataDialog, WrittenDataIsReadBackUnderItsOldName) {
    StartLinkbox();
    WriteDat("Anlage Nord.dat", 3, 0xA3, 0x345);
    ui.openFiles = {InFolder("Anlage Nord.dat")};
    CBootDataDialog write(context, kBootDataWriteMode);
    Run(write);
    EXPECT_EQ(ui.MessageNumbers(), "");
    EXPECT_FALSE(write.HasEnded());
    EXPECT_TRUE(write.IsItemEnabled(kIdCancel));
    EXPECT_EQ(write.windowTitle(), module.String(11680));
    EXPECT_EQ(write.ItemText(kFile), module.String(11508) + ": Anlage Nord.dat");
    EXPECT_EQ(write.ItemToolTip(kFile), InFolder("Anlage Nord.dat"));
    EXPECT_EQ(write.ItemText(kStatus), module.String(11506));
    EXPECT_EQ(write.ItemText(kProgress), "0345 / 0345");
    EXPECT_EQ(write.ProgressPos(kProgressBar), 0x345);
    EXPECT_EQ(ui.chooserFilters.at(0), module.String(11661));
    EXPECT_TRUE(ui.chooserStarts.at(0).endsWith("/Funktionsdaten")) << ui.chooserStarts.at(0).toStdString();
    EXPECT_EQ(ui.chooserSuffixes, std::vector<QString>{"dat"});
    EXPECT_EQ(ui.chooserTitles, std::vector<QString>{module.String(12012)});
    EXPECT_EQ(ui.beeps, 0);

    ui.Clear();
    ui.saveFiles = {InFolder("Kopie")};
    CBootDataDialog read(context, kBootDataReadMode);
    Run(read);
    EXPECT_EQ(ui.MessageNumbers(), "");
    EXPECT_EQ(ui.chooserNames, std::vector<QString>{"Anlage Nord"});
    EXPECT_EQ(ui.chooserTitles, std::vector<QString>{module.String(12013)});
    EXPECT_EQ(ui.chooserSuffixes, std::vector<QString>{"dat"});
    EXPECT_EQ(read.windowTitle(), module.String(11681));
    EXPECT_EQ(read.ItemText(kFile), module.String(11509) + ": Kopie.dat");
    EXPECT_EQ(read.ItemToolTip(kFile), InFolder("Kopie.dat"));
    EXPECT_EQ(read.ItemText(kStatus), module.String(11505));
    EXPECT_EQ(folder.Read("Kopie.dat"), folder.Read("Anlage Nord.dat"));
    EXPECT_TRUE(read.Click(kIdCancel));
    EXPECT_EQ(read.Result(), kIdCancel);
}

TEST_F(BootDataDialog, CancelledChoosersAndRefusalsCloseTheDialog) {
    StartLinkbox({"--boot-data", "alt:0x40"});
    WriteDat("controller.dat", 3, 0x80, 0x40);
    folder.Write("old.dat", "older");
    const struct {
        const char* name;
        int mode;
        std::vector<QString> open, save;
        std::deque<MessageAnswer> answers;
        std::string messages;
    } cases[] = {
        {"write, cancelled", kBootDataWriteMode, {}, {}, {}, ""},
        {"read, cancelled", kBootDataReadMode, {}, {}, {}, ""},
        {"write, controller file", kBootDataWriteMode, {InFolder("controller.dat")}, {}, {}, "12.003"},
        {"read, old file kept", kBootDataReadMode, {}, {InFolder("old.dat")}, {MessageAnswer::No}, "12.093"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ui.Clear();
        ui.openFiles.assign(c.open.begin(), c.open.end());
        ui.saveFiles.assign(c.save.begin(), c.save.end());
        ui.answers = c.answers;
        CBootDataDialog dialog(context, c.mode);
        ASSERT_TRUE(dialog.Initialize());
        EXPECT_TRUE(dialog.HasEnded());
        EXPECT_EQ(dialog.Result(), kIdCancel);
        EXPECT_EQ(ui.MessageNumbers(), c.messages);
    }
    EXPECT_EQ(folder.Read("old.dat"), "older");
}

// The question names what the LINKBOX keeps now; No leaves it there.
TEST_F(BootDataDialog, ReplacingTheStoredImageAsksFirst) {
    StartLinkbox({"--boot-data", "Anlage Nord:0x40"});
    WriteDat("Neubau.dat", 3, 0xA3, 0x40);
    const struct {
        MessageAnswer answer;
        const char* named;
    } cases[] = {{MessageAnswer::No, "Anlage Nord"},
                 {MessageAnswer::Yes, "Anlage Nord"},
                 {MessageAnswer::No, "Neubau"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.named);
        ui.Clear();
        ui.openFiles = {InFolder("Neubau.dat")};
        ui.answers = {c.answer};
        CBootDataDialog dialog(context, kBootDataWriteMode);
        Run(dialog);
        ASSERT_EQ(ui.MessageNumbers(), "12.096");
        EXPECT_EQ(ui.messages[0].kind, MessageKind::Question);
        EXPECT_NE(ui.messages[0].text.indexOf(QString::fromUtf8(c.named)), -1)
            << ui.messages[0].text.toStdString();
        EXPECT_EQ(dialog.HasEnded(), c.answer == MessageAnswer::No);
    }
}

TEST_F(BootDataDialog, AFailedTransferClosesWithItsMessage) {
    StartLinkbox({"--boot-data", "alt:0x200", "--device-error", "21@4"});
    ui.saveFiles = {InFolder("new.dat")};
    CBootDataDialog dialog(context, kBootDataReadMode);
    Run(dialog);
    EXPECT_EQ(ui.MessageNumbers(), "12.079");
    EXPECT_TRUE(dialog.HasEnded());
    EXPECT_FALSE(folder.Exists("new.dat"));
}

// The dialog with its real preparation, whose run only changes its displays
// through the dialog's own host and measures each change at once.
class CTextProbe : public CBootDataDialog {
  public:
    CTextProbe(CUiContext& context, int mode, std::vector<std::pair<int, std::string>> shows)
        : CBootDataDialog(context, mode), shows(std::move(shows)) {}
    std::vector<std::string> cut;

  protected:
    TransferRunResult Run(COperationHost& host) override {
        const QSize opened = size();
        for (const auto& [control, text] : shows) {
            if (control == kStatus) host.SetStatusString(std::stoi(text));
            if (control == kProgress) host.SetProgressText(text);
            if (control == kFile) host.SetFileText(text);
            std::string why = CutText(*this, control);
            if (!why.empty()) cut.push_back(why);
        }
        if (size() != opened) cut.push_back("the window grew during the run");
        return TransferRunResult::Finished;
    }

  private:
    std::vector<std::pair<int, std::string>> shows;
};

TEST_F(BootDataDialog, EveryTextShowsWholeInEveryLanguage) {
    const std::string stored = "Mehrfamilienhaus Bahnhofstr. 12";
    StartLinkbox({"--boot-data", stored + ":0x8400"});
    const std::string title = "Mehrfamilienhaus Bahnhofstrasse 12 Heizzentrale Untergeschoss";
    WriteDat(title + ".dat", 3, 0xA3, 0x8400);
    for (const char* language : {"QbxDEU.dll", "QbxENU.dll", "QbxITA.dll"}) {
        LoadModule(language);
        for (int mode : {kBootDataWriteMode, kBootDataReadMode}) {
            SCOPED_TRACE(std::string(language) + (mode == kBootDataWriteMode ? " write" : " read"));
            const bool writing = mode == kBootDataWriteMode;
            std::vector<std::pair<int, std::string>> shows = {
                {kFile, module.String(writing ? 11508 : 11509).toStdString() + ": " + title + ".dat"}};
            for (int status : writing ? std::vector<int>{11500, 11502, 11504, 11506}
                                      : std::vector<int>{11500, 11502, 11503, 11505}) {
                shows.push_back({kStatus, std::to_string(status)});
                shows.push_back({kProgress, "0000 / 8400"});
            }
            for (char digit : std::string("0123456789ABCDEF"))
                shows.push_back({kProgress, std::string(4, digit) + " / " + std::string(4, digit)});
            ui.Clear();
            ui.openFiles = {InFolder(title + ".dat")};
            ui.saveFiles = {InFolder(title + ".dat")};
            ui.answers = {MessageAnswer::Yes};
            CTextProbe dialog(context, mode, shows);
            ASSERT_TRUE(dialog.Initialize());
            ASSERT_FALSE(dialog.HasEnded()) << ui.MessageNumbers();
            dialog.show();
            QApplication::processEvents();
            dialog.FireTimer(kTransferTimer);
            EXPECT_EQ(dialog.cut, std::vector<std::string>{});
            EXPECT_EQ(CutText(dialog, kFile), "");
            EXPECT_GE(dialog.width(), CaptionNeed(dialog)) << dialog.windowTitle().toStdString();
        }
    }
}

} // namespace
} // namespace qbx

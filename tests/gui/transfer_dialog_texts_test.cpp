// The transfer dialogs change their texts while the interface thread is
// held by the link, so no layout pass runs between a text and the next
// blocking call. These tests set each text the way a run does and measure
// it at once, without letting an event through.
#include "formats/handover_file.h"
#include "formats/slot_list.h"
#include "gui/firmware/update_transfer_dialogs.h"
#include "gui/webpages/web_page_upload_dialog.h"
#include "platform/program_folder.h"
#include "tests/gui/label_fit.h"
#include "tests/gui/module_fixture.h"
#include "tests/support/temp_folder.h"
#include "ui/transfer_dialog.h"

#include <QApplication>
#include <QProgressBar>

#include <functional>

namespace qbx {
namespace {

constexpr int kStatus = 1008, kProgress = 1009, kFile = 1023, kSlot = 1073;

// One display change of a run: a status text by its string, or a text.
struct Show {
    int control;
    int stringId = 0;
    std::string text = {};
};

// A transfer dialog whose run only changes its displays, through the
// dialog's own host as a real run does, and measures each change at once.
template <class Dialog> class CTextProbe : public Dialog {
  public:
    CTextProbe(CUiContext& context, std::vector<Show> shows) : Dialog(context), shows(std::move(shows)) {}
    std::vector<std::string> cut;
    bool grew = false; // the window changed its size during the run

  protected:
    TransferRunResult Run(COperationHost& host) override {
        const QSize opened = this->size();
        for (const Show& show : shows) {
            if (show.control == kStatus) host.SetStatusString(show.stringId);
            if (show.control == kProgress) host.SetProgressText(show.text);
            if (show.control == kFile) host.SetFileText(show.text);
            if (show.control == kSlot) host.SetSlotNumber(show.text);
            std::string why = CutText(*this, show.control);
            if (!why.empty()) cut.push_back(why);
            grew = grew || this->size() != opened;
        }
        return TransferRunResult::Finished;
    }

  private:
    std::vector<Show> shows;
};

// What the progress bar shows at each step of a run that stalls: before
// its first range, with a range, after a wait, and once progress resumes.
struct BarState {
    int minimum, maximum, value; // value -1 while busy
    bool operator==(const BarState& other) const {
        return minimum == other.minimum && maximum == other.maximum && value == other.value;
    }
};

class CStallProbe : public CDownloadTransferDialog {
  public:
    using CDownloadTransferDialog::CDownloadTransferDialog;
    std::vector<BarState> states;

  protected:
    TransferRunResult Run(COperationHost& host) override {
        const WaitHook wait = host.LinkWaitHook();
        Record();
        wait(); // still connecting: busy as it opened
        Record();
        host.SetProgressRange(1, 100);
        host.SetProgressPosition(40);
        Record();
        wait();
        Record();
        host.SetProgressPosition(50);
        Record();
        return TransferRunResult::Finished;
    }

  private:
    void Record() {
        auto* bar = findChild<QProgressBar*>(QStringLiteral("1007"));
        const bool busy = bar->minimum() == 0 && bar->maximum() == 0;
        states.push_back({bar->minimum(), bar->maximum(), busy ? -1 : bar->value()});
    }
};

class TransferDialogTexts : public ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        SetProgramFolder(folder.Path());
    }
    void TearDown() override { SetProgramFolder(QBX_PROGRAM_DIR); }

    // Opens the dialog as the person sees it (shown, laid out with its
    // texts still empty), then delivers the tick that runs the probe.
    // Gives what was cut; `mayGrow` false also asks that the window had room
    // for everything from the start, since a window that grows while the link
    // blocks may not be repainted until the link lets go.
    template <class Dialog> std::vector<std::string> Probe(const std::vector<Show>& shows, bool mayGrow) {
        CTextProbe<Dialog> dialog(context, shows);
        EXPECT_TRUE(dialog.Initialize());
        dialog.show();
        QApplication::processEvents();
        dialog.FireTimer(kTransferTimer);
        if (!mayGrow && dialog.grew) dialog.cut.push_back("the window grew during the run");
        return dialog.cut;
    }

    // What a run shows for one slot: slot number, file text, then every
    // status text the dialog has, with progress texts in between.
    std::vector<Show> SlotRun(int fileStringId, const std::string& title, std::vector<int> statusIds) {
        std::vector<Show> shows = {{kSlot, 0, "   7"},
                                   {kFile, 0, module.String(fileStringId).toStdString() + ": " + title}};
        for (int id : statusIds) {
            shows.push_back({kStatus, id});
            shows.push_back({kProgress, 0, "0000 / 8400"});
        }
        for (const char* widest : {"8400 / 8400", "FFFF / FFFF", "DDDD / DDDD", "BBBB / BBBB", "0421 / 0421"})
            shows.push_back({kProgress, 0, widest});
        return shows;
    }

    // What an update run shows: its file text, then every status text with
    // progress texts of `digits` hexadecimal digits in between.
    static std::vector<Show> UpdateRun(const std::string& file, std::vector<int> statusIds, int digits) {
        std::vector<Show> shows = {{kFile, 0, file}};
        auto progress = [digits](char digit) {
            std::string number(static_cast<std::size_t>(digits), digit);
            return number + " / " + number;
        };
        for (int id : statusIds) {
            shows.push_back({kStatus, id});
            shows.push_back({kProgress, 0, progress('0')});
        }
        for (char widest : std::string("0123456789ABCDEF"))
            shows.push_back({kProgress, 0, progress(widest)});
        return shows;
    }

    TempFolder folder;
};

constexpr const char* kLanguages[] = {"QbxDEU.dll", "QbxENU.dll", "QbxITA.dll"};
const std::vector<int> kUploadStatus = {11500, 11501, 11502, 11504, 11506};
const std::vector<int> kDownloadStatus = {11500, 11501, 11502, 11503, 11505};

TEST_F(TransferDialogTexts, EveryStatusTextShowsWholeInEveryLanguage) {
    // A long title that the slot lists name, so the dialogs can make room for it.
    const std::string title = "Mehrfamilienhaus Bahnhofstrasse 12, Heizkreis Erdgeschoss links";
    SlotList slots;
    slots[6] = {1, folder.File(title + ".dat")};
    ASSERT_TRUE(WriteUploadSlotList(slots));
    ASSERT_TRUE(WriteDownloadSlotList(slots));
    for (const char* language : kLanguages) {
        LoadModule(language);
        for (int edition : {1, 2}) {
            AppState().edition = edition;
            SCOPED_TRACE(std::string(language) + " edition " + std::to_string(edition));
            EXPECT_EQ(Probe<CUploadTransferDialog>(SlotRun(11508, title, kUploadStatus), false),
                      std::vector<std::string>{});
            EXPECT_EQ(Probe<CDownloadTransferDialog>(SlotRun(11509, title, kDownloadStatus), false),
                      std::vector<std::string>{});
        }
    }
}

TEST_F(TransferDialogTexts, UpdateDialogsShowEveryTextWholeInEveryLanguage) {
    const std::string title = "QRT5130 Betriebssystem V4.17 build 9 Kundenversion Nord";
    ASSERT_TRUE(WriteHandoverFile({kNoWelcomePage, folder.File(title + ".prg")}, folder.Path()));
    folder.Write(title + ".frm", "");
    for (const char* language : kLanguages) {
        LoadModule(language);
        for (int edition : {1, 2}) {
            AppState().edition = edition;
            SCOPED_TRACE(std::string(language) + " edition " + std::to_string(edition));
            EXPECT_EQ(Probe<COsUpdateTransferDialog>(UpdateRun(title, kUploadStatus, 5), false),
                      std::vector<std::string>{});
            // The firmware dialog asks for its file as it opens.
            ui.openFiles = {QString::fromStdString(folder.File(title + ".frm"))};
            const std::string file = module.String(11508).toStdString() + ": " + title;
            EXPECT_EQ(Probe<CFirmwareUpdateDialog>(UpdateRun(file, {11500, 11502, 11504, 11506}, 4), false),
                      std::vector<std::string>{});
        }
    }
}

TEST_F(TransferDialogTexts, WebPageDialogShowsEveryTextWholeInEveryLanguage) {
    const std::string title = "Anlagenübersicht Heizzentrale Nord mit Pufferspeicher";
    folder.Write(title + ".html", std::string(196000, 'w'));
    for (const char* language : kLanguages) {
        LoadModule(language);
        SCOPED_TRACE(language);
        // The dialog asks for its file as it opens.
        ui.openFiles = {QString::fromStdString(folder.File(title + ".html"))};
        const std::string file = module.String(11508).toStdString() + ": " + title;
        EXPECT_EQ(Probe<CWebPageUploadDialog>(UpdateRun(file, {11500, 11504, 11506}, 5), false),
                  std::vector<std::string>{});
    }
}

TEST_F(TransferDialogTexts, TextsNotForeseenStillShowWhole) {
    // No slot list: the file text and a five-digit progress text come unannounced.
    for (const char* language : {"QbxDEU.dll", "QbxITA.dll"}) {
        LoadModule(language);
        SCOPED_TRACE(language);
        std::vector<Show> shows = {
            {kFile, 0, "Zieldatei: Schule Turnhalle Lüftung und Warmwasser Nachtabsenkung"},
            {kStatus, 11500},
            {kProgress, 0, "1A000 / 1FFFF"}};
        EXPECT_EQ(Probe<CDownloadTransferDialog>(shows, true), std::vector<std::string>{});
    }
}

TEST_F(TransferDialogTexts, OpensConnectingAndTurnsBusyWhileAWaitHoldsUpProgress) {
    CStallProbe dialog(context);
    dialog.SetStalledAfter(0);
    ASSERT_TRUE(dialog.Initialize());
    EXPECT_EQ(dialog.ItemText(kStatus), module.String(11500)); // before the link does anything
    dialog.FireTimer(kTransferTimer);
    const std::vector<BarState> expected = {
        {0, 0, -1}, {0, 0, -1}, {1, 100, 40}, {0, 0, -1}, {1, 100, 50},
    };
    EXPECT_EQ(dialog.states, expected);
}

} // namespace
} // namespace qbx

// The web page upload dialog against the simulated LINKBOX: the chooser and
// the checks as it opens, the displays after success, and the dialog ending
// after a failure.
#include "dialog_world.h"
#include "gui/webpages/web_page_upload_dialog.h"

namespace qbx {
namespace {

constexpr int kProgressBar = 1007, kStatus = 1008, kProgress = 1009, kFile = 1023;

class WebPageUploadDialog : public DeviceDialogTest {};

TEST_F(WebPageUploadDialog, UploadsAndWaitsWithItsCloseButtonWithoutBeep) {
    StartLinkbox({});
    folder.Write("Start Page.HTML", std::string(0x123, 'h'));
    ui.openFiles = {QString::fromStdString(folder.File("Start Page.HTML"))};
    CWebPageUploadDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    ASSERT_FALSE(dialog.HasEnded());
    EXPECT_EQ(dialog.windowTitle(), module.String(11670));
    EXPECT_FALSE(dialog.IsItemEnabled(kIdCancel));
    EXPECT_EQ(dialog.ItemText(kProgress), "00000 / 00123");
    EXPECT_EQ(dialog.ItemText(kStatus), module.String(11500));
    EXPECT_EQ(ui.chooserStarts.at(0), QString::fromStdString(folder.Path()));
    ASSERT_TRUE(dialog.IsTimerRunning(kTransferTimer));
    dialog.FireTimer(kTransferTimer);

    EXPECT_EQ(ui.MessageNumbers(), "");
    EXPECT_EQ(ui.beeps, 0);
    EXPECT_FALSE(dialog.HasEnded());
    EXPECT_TRUE(dialog.IsItemEnabled(kIdCancel));
    EXPECT_EQ(dialog.ItemText(kFile), module.String(11508) + ": Start Page");
    EXPECT_EQ(dialog.ItemText(kProgress), "00123 / 00123");
    EXPECT_EQ(dialog.ItemText(kStatus), module.String(11506));
    EXPECT_EQ(dialog.ProgressPos(kProgressBar), 0x123);
    EXPECT_TRUE(dialog.Click(kIdCancel));
    EXPECT_EQ(dialog.Result(), kIdCancel);
}

TEST_F(WebPageUploadDialog, RefusalsAndFailuresEndTheDialog) {
    const struct {
        std::vector<std::string> sim;
        std::string name;
        std::size_t size;
        std::string messages;
        bool timer; // the upload was started
    } cases[] = {
        {{}, "", 0, "", false}, // chooser cancelled
        {{}, "page.htm", 10, "11.001", false},
        {{}, "big.gif", 196001, "11.002", false},
        {{"--kind", "A2"}, "page.html", 10, "11.010", true},
        {{"--device-error", "50"}, "logo.gif", 500, "11.030", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name + " " + c.messages);
        StartLinkbox(c.sim);
        ui.Clear();
        if (!c.name.empty()) {
            folder.Write(c.name, std::string(c.size, 'g'));
            ui.openFiles = {QString::fromStdString(folder.File(c.name))};
        }
        CWebPageUploadDialog dialog(context);
        ASSERT_TRUE(dialog.Initialize());
        EXPECT_EQ(dialog.HasEnded(), !c.timer);
        if (c.timer) dialog.FireTimer(kTransferTimer);
        EXPECT_EQ(ui.MessageNumbers(), c.messages);
        EXPECT_TRUE(dialog.HasEnded());
        sim.Stop();
    }
}

} // namespace
} // namespace qbx

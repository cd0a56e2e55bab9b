// Runs under a real X server (Xvfb): a download against a device that never
// answers must not freeze the program's windows.
#include "dialog_world.h"
#include "formats/slot_list.h"
#include "gui/main_window.h"
#include "ui/transfer_dialog.h"

#include <QApplication>
#include <QImage>
#include <QProgressBar>
#include <QStyleFactory>
#include <QTimer>
#include <QWindow>

namespace qbx {
namespace {

constexpr int kDownloadButton = 1005;
constexpr int kProgressBar = 1007;
constexpr int kLookEveryMs = 20;

// Counts the paint events a widget receives.
class CPaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// What the test saw of a function's first window while its link waited.
struct Seen {
    bool windowShown = false; // visible and exposed
    int busyFrames = 0;       // distinct pictures of the busy bar
    int mainWindowPaints = 0; // paints of the main window meanwhile
    QImage lastFrame;

    bool Enough() const { return windowShown && busyFrames >= 3 && mainWindowPaints >= 3; }
};

QWidget* ShownDialog(int templateId) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->objectName() == QStringLiteral("Template%1").arg(templateId))
            return widget;
    }
    return nullptr;
}

class LiveWindow : public DeviceDialogTest {};

TEST_F(LiveWindow, SilentDeviceLeavesTheWindowsPaintingAndBusy) {
    QApplication::setStyle(QStyleFactory::create("Fusion")); // its busy bar moves
    struct Case {
        const char* what;
        int templateId; // the first window of the function
        const char* bar;
        bool throughMainWindow;
        bool (*waiting)(QWidget* dialog); // for the device, rather than about to begin
        std::string messages;             // as when the device stays silent to its time-out
    } cases[] = {
        {"the download's look at the slots", 157, "connectingBar", true, [](QWidget*) { return true; },
         "7.006"},
        {"the download itself", kDownloadTransferTemplate, "1007", false,
         [](QWidget* dialog) { return static_cast<CTransferDialog*>(dialog)->IsRunning(); }, "1.006"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.messages.clear();
        StartLinkbox({"--silent", "1000"});
        SlotList down;
        down[1] = {1, folder.File("back.dat")};
        ASSERT_TRUE(WriteDownloadSlotList(down));

        CMainWindow window(context);
        ASSERT_TRUE(window.Initialize());
        window.show();
        CPaintCounter mainPaints;
        window.installEventFilter(&mainPaints);

        Seen seen;
        int paintsBefore = -1;
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            QWidget* dialog = ShownDialog(c.templateId);
            auto* bar = dialog ? dialog->findChild<QProgressBar*>(c.bar) : nullptr;
            if (!bar || !sim.IsRunning() || !c.waiting(dialog)) return;
            if (paintsBefore < 0) paintsBefore = mainPaints.paints;
            seen.windowShown |= dialog->windowHandle() && dialog->windowHandle()->isExposed();
            QImage frame = bar->grab().toImage();
            if (frame != seen.lastFrame) ++seen.busyFrames;
            seen.lastFrame = frame;
            seen.mainWindowPaints = mainPaints.paints - paintsBefore;
            window.update();
            // Enough seen: the device goes away, and the run ends long
            // before its reads would have timed out.
            if (seen.Enough()) sim.Stop();
        });
        look.start(kLookEveryMs);
        if (c.throughMainWindow) {
            window.Click(kDownloadButton);
        } else {
            ui.dialogScripts[kDownloadTransferTemplate] = [](CDialog& dialog) { return dialog.exec(); };
            CDownloadTransferDialog transfer(context, &window);
            transfer.DoModal();
        }
        look.stop();
        sim.Stop();

        EXPECT_TRUE(seen.windowShown);
        EXPECT_GE(seen.busyFrames, 3);
        EXPECT_GE(seen.mainWindowPaints, 3);
        EXPECT_EQ(ui.MessageNumbers(), c.messages);
    }
}

} // namespace
} // namespace qbx

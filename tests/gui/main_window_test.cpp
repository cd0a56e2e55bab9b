#include "core/home_page.h"
#include "gui/about_box.h"
#include "gui/information_box.h"
#include "gui/main_window.h"
#include "gui/product_version.h"
#include "gui/session_log_interface.h"
#include "module_fixture.h"
#include "platform/program_folder.h"
#include "tests/support/temp_folder.h"

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

namespace qbx {
namespace {

class MainWindow : public ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        SetProgramFolder(folder.Path());
    }
    void TearDown() override { SetProgramFolder(QBX_PROGRAM_DIR); }

    std::vector<std::pair<int, QString>> MenuEntries(CMainWindow& window) {
        std::vector<std::pair<int, QString>> entries;
        for (QAction* action : window.SystemMenu()->actions()) {
            if (!action->isSeparator()) entries.emplace_back(action->data().toInt(), action->text());
        }
        return entries;
    }

    TempFolder folder;
};

TEST_F(MainWindow, ReadsTheEditionWhenItOpens) {
    for (auto [content, edition] : {std::pair{"2", 2}, std::pair{"1", 1}, std::pair{"", 1}}) {
        folder.Write("customer.ini", content);
        CMainWindow window(context);
        ASSERT_TRUE(window.Initialize());
        EXPECT_EQ(AppState().edition, edition);
    }
}

TEST_F(MainWindow, EscapeDoesNotQuitButCloseDoes) {
    CMainWindow window(context);
    ASSERT_TRUE(window.Initialize());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&window, &escape);
    EXPECT_FALSE(window.HasEnded());
    ASSERT_TRUE(window.Click(kIdCancel));
    EXPECT_TRUE(window.HasEnded());
}

TEST_F(MainWindow, SystemMenuHoldsAboutInformationAndTheFileCheck) {
    CMainWindow window(context);
    ASSERT_TRUE(window.Initialize());
    auto entries = MenuEntries(window);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0], std::make_pair(kSysCommandAbout, module.String(101)));
    EXPECT_EQ(entries[1], std::make_pair(kSysCommandInformation, module.String(102)));
    EXPECT_EQ(entries[2], std::make_pair(kSysCommandCheckFile, module.String(12100)));
    EXPECT_FALSE(window.windowIcon().isNull());
}

TEST_F(MainWindow, NoAboutEntryWhenTheModuleHasNoText) {
    module.Free();
    ASSERT_TRUE(module.Load(std::string(QBX_TEST_MODULE_DIR) + "/QbxTST.dll")); // string 101 left empty
    ASSERT_TRUE(module.String(101).isEmpty());
    CMainWindow window(context);
    ASSERT_TRUE(window.Initialize());
    auto entries = MenuEntries(window);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].first, kSysCommandInformation);
    for (QAction* action : window.SystemMenu()->actions())
        EXPECT_FALSE(action->isSeparator());
}

TEST_F(MainWindow, MenuCommandsOpenTheirBoxes) {
    CMainWindow window(context);
    ASSERT_TRUE(window.Initialize());
    window.OnSysCommand(kSysCommandAbout);
    window.OnSysCommand(kSysCommandInformation);
    window.OnSysCommand(kSysCommandCheckFile); // chooser cancelled: no report
    EXPECT_EQ(ui.chooserFilters.back(), module.String(12108));
    QString report;
    ui.dialogScripts[170] = [&report](CDialog& dialog) {
        report = dialog.ItemText(1201);
        return kIdOk;
    };
    ui.openFiles.push_back(QString::fromStdString(folder.File("missing.prg")));
    window.OnSysCommand(kSysCommandCheckFile);
    window.OnSysCommand(0xF060); // anything else is the desktop's business
    EXPECT_EQ(ui.dialogsRun, (std::vector<int>{100, 148, 170}));
    EXPECT_TRUE(report.contains("fault: 4.002: ")) << report.toStdString();
    EXPECT_TRUE(report.endsWith("Files checked: 1, sound: 0, would fail or lose data: 1."))
        << report.toStdString();
}

TEST_F(MainWindow, FunctionsWithoutTheirDialogsAreDisabled) {
    CMainWindow window(context);
    ASSERT_TRUE(window.Initialize());
    for (int button = 1003; button <= 1010; ++button) {
        ASSERT_NE(window.Item(button), nullptr) << button;
        EXPECT_TRUE(window.IsItemEnabled(button)) << button;
    }
    EXPECT_TRUE(window.Click(1010));
    EXPECT_TRUE(window.Click(1009)); // the web page dialog; its chooser is cancelled
    EXPECT_EQ(ui.dialogsRun, (std::vector<int>{132, 254}));
}

TEST_F(MainWindow, CancelledPreparationShowsNoTransfer) {
    CMainWindow window(context);
    ASSERT_TRUE(window.Initialize());
    ui.dialogScripts[153] = [](CDialog&) { return kIdCancel; };
    ui.dialogScripts[157] = [](CDialog&) { return kIdOk; }; // the transfer follows OK only
    ui.dialogScripts[134] = [](CDialog&) { return kIdCancel; };
    window.Click(1004);
    window.Click(1005);
    // Without settings both preparations end at once with their first message.
    EXPECT_EQ(ui.dialogsRun, (std::vector<int>{153, 157}));
    EXPECT_EQ(ui.MessageNumbers(), "6.001 7.001");
}

TEST_F(MainWindow, OsUpdateTransferFollowsOnlyAnAcceptedPreparation) {
    CMainWindow window(context);
    ASSERT_TRUE(window.Initialize());
    int answer = kIdCancel;
    ui.dialogScripts[160] = [&answer](CDialog&) { return answer; };
    ui.dialogScripts[130] = [](CDialog&) { return kIdCancel; };
    ui.dialogScripts[147] = [](CDialog&) { return kIdCancel; };
    window.Click(1003);
    answer = kIdOk;
    window.Click(1003);
    window.Click(1006);
    EXPECT_EQ(ui.dialogsRun, (std::vector<int>{160, 160, 130, 147}));
}

TEST_F(MainWindow, AboutBoxFollowsTheEdition) {
    struct Case {
        int edition;
        QString product;
        QString host;
        QString url;
    } cases[] = {{1, "Quillbox Suite", "bravolt.test", "https://bravolt.test/"},
                 {2, "ORMAND", "ormand.test", "https://ormand.test/"}};
    for (const Case& c : cases) {
        AppState().edition = c.edition;
        ui.Clear();
        CAboutBox about(context);
        ASSERT_TRUE(about.Initialize());
        EXPECT_EQ(about.ItemText(kAboutProductLine), c.product);
        EXPECT_EQ(about.ItemText(kVersionLine), module.String(12022).replace("%s", QBX_VERSION));
        EXPECT_EQ(about.ItemText(kAboutHomePageLink), c.host);
        auto* link = about.ItemAs<QLabel>(kAboutHomePageLink);
        ASSERT_NE(link, nullptr);
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        EXPECT_TRUE(about.Click(kAboutHomePageLink));
        EXPECT_EQ(ui.urlsOpened, std::vector<QString>{c.url});
    }
}

TEST_F(MainWindow, InformationBoxFollowsTheEdition) {
    for (int edition : {1, 2, 3}) {
        AppState().edition = edition;
        CInformationBox info(context);
        ASSERT_TRUE(info.Initialize());
        EXPECT_EQ(info.ItemText(kInformationText), module.String(edition == 2 ? 11450 : 11451));
        EXPECT_FALSE(info.ItemText(kInformationText).isEmpty());
        EXPECT_EQ(info.ItemText(kVersionLine), module.String(12022).replace("%s", QBX_VERSION));
    }
}

// The window menu's session log: a file chosen, then every message shown
// goes there (and the wire trace with it) until the entry is chosen again.
TEST_F(MainWindow, SessionLogEntryStartsAndStopsTheLog) {
    CSessionLogInterface logged(ui);
    CUiContext loggedContext{module, logged};
    CMainWindow window(loggedContext, &logged);
    ASSERT_TRUE(window.Initialize());
    auto entries = MenuEntries(window);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[2], std::make_pair(kSysCommandSessionLog, module.String(11903)));

    window.OnSysCommand(kSysCommandSessionLog); // chooser cancelled: nothing starts
    EXPECT_FALSE(logged.Running());
    EXPECT_EQ(ui.chooserFilters.back(), module.String(11905));

    const std::string path = folder.File("support.log");
    ui.saveFiles.push_back(QString::fromStdString(path));
    window.OnSysCommand(kSysCommandSessionLog);
    ASSERT_TRUE(logged.Running());
    EXPECT_EQ(logged.TracePath(), path);
    EXPECT_EQ(std::getenv("QUILLBOX_TRACE"), nullptr);
    EXPECT_EQ(MenuEntries(window)[2].second, module.String(11904));
    ui.dialogScripts[153] = [](CDialog&) { return kIdCancel; };
    window.Click(1004); // no settings: the preparation ends with its first message
    ASSERT_EQ(ui.MessageNumbers(), "6.001");

    window.OnSysCommand(kSysCommandSessionLog);
    EXPECT_FALSE(logged.Running());
    EXPECT_EQ(logged.TracePath(), "");
    EXPECT_EQ(MenuEntries(window)[2].second, module.String(11903));
    const std::string log = folder.Read("support.log");
    EXPECT_NE(log.find("-- Quillbox session log: Quillbox Suite "), std::string::npos) << log;
    EXPECT_NE(log.find("-- settings: " + folder.File("qbx_man.ini") + ", link "), std::string::npos) << log;
    EXPECT_NE(log.find("-- Quillbox-Message 6.001: " + ui.messages[0].text.toStdString().substr(0, 20)),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("-- session log ends"), std::string::npos) << log;
}

TEST_F(MainWindow, SessionLogThatCannotBeWrittenSaysSo) {
    CSessionLogInterface logged(ui);
    CUiContext loggedContext{module, logged};
    CMainWindow window(loggedContext, &logged);
    ASSERT_TRUE(window.Initialize());
    const std::string path = folder.File("missing/support.log");
    ui.saveFiles.push_back(QString::fromStdString(path));
    window.OnSysCommand(kSysCommandSessionLog);
    EXPECT_FALSE(logged.Running());
    ASSERT_EQ(ui.MessageNumbers(), "13.001");
    EXPECT_TRUE(ui.messages[0].text.contains(QString::fromStdString(path)));
    EXPECT_TRUE(ui.messages[0].text.contains("(system error 2)")) << ui.messages[0].text.toStdString();
    EXPECT_EQ(MenuEntries(window)[2].second, module.String(11903));
}

} // namespace
} // namespace qbx

#include "core/app_state.h"
#include "formats/folder_file.h"
#include "gui/settings/settings_dialog.h"
#include "platform/program_folder.h"
#include "tests/gui/module_fixture.h"
#include "tests/support/child_run.h"
#include "tests/support/temp_folder.h"

#include <filesystem>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qbx {
namespace {

// COM1 and COM2 exist (pseudo-terminals), COM3 to COM6 do not.
class SettingsDialog : public ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        SetProgramFolder(folder.Path());
        for (int n = 1; n <= 6; ++n) {
            std::string variable = "QUILLBOX_COM" + std::to_string(n);
            if (n <= 2) {
                char name[256];
                ASSERT_EQ(openpty(&masters[n - 1], &slaves[n - 1], name, nullptr, nullptr), 0);
                setenv(variable.c_str(), name, 1);
            } else {
                setenv(variable.c_str(), "/nonexistent/quillbox-port", 1);
            }
        }
    }
    void TearDown() override {
        for (int n = 1; n <= 6; ++n)
            unsetenv(("QUILLBOX_COM" + std::to_string(n)).c_str());
        for (int i = 0; i < 2; ++i)
            close(masters[i]), close(slaves[i]);
        SetProgramFolder(QBX_PROGRAM_DIR);
    }

    TempFolder folder;
    int masters[2] = {-1, -1}, slaves[2] = {-1, -1};
};

TEST_F(SettingsDialog, MissingPortsAreGreyedAndASavedMissingPortMeansNoChoice) {
    folder.Write("qbx_man.ini", "2\n1\n10.1.1.1\n4001\n"); // COM3, which is absent
    CSettingsDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    EXPECT_EQ(dialog.Selection(), -1);
    for (int id = 1011; id <= 1016; ++id) {
        EXPECT_EQ(dialog.IsItemEnabled(id), id <= 1012) << id;
        EXPECT_FALSE(dialog.IsChecked(id)) << id;
        // A greyed port says why, naming its device file.
        EXPECT_EQ(dialog.ItemToolTip(id),
                  id <= 1012 ? QString() : module.String(12023).replace("%s", "/nonexistent/quillbox-port"));
    }
    EXPECT_FALSE(dialog.IsChecked(1113));
    EXPECT_FALSE(dialog.IsItemEnabled(kIdOk));
    EXPECT_FALSE(dialog.IsItemEnabled(1114));
    EXPECT_EQ(dialog.ItemText(1114), "10.1.1.1");
    EXPECT_EQ(dialog.ItemText(1115), "4001");

    ASSERT_TRUE(dialog.Click(1113));
    EXPECT_EQ(dialog.Selection(), 6);
    EXPECT_TRUE(dialog.IsItemEnabled(kIdOk));
    EXPECT_TRUE(dialog.IsItemEnabled(1114));
    EXPECT_TRUE(dialog.IsItemEnabled(1115));

    EXPECT_EQ(dialog.ItemToolTip(1114), "");
    ASSERT_TRUE(dialog.Click(1012));
    EXPECT_FALSE(dialog.IsItemEnabled(1114));
    EXPECT_FALSE(dialog.IsItemEnabled(1115));
    EXPECT_EQ(dialog.ItemToolTip(1115), module.String(12024));
}

TEST_F(SettingsDialog, OkSavesTheChoiceAndKeepsTheLanguage) {
    struct Case {
        int radio;
        const char* ip;
        const char* port;
        const char* saved;
    } cases[] = {{1113, "192.168.7.9", "70000", "6\n2\n192.168.7.9\n4464\n"},
                 {1113, "linkbox.test", "port", "6\n2\nlinkbox.test\n0\n"},
                 {1113, "", "40000", "6\n2\n192.168.0.1\n40000\n"},
                 {1011, "1.2.3.4", "1", "0\n2\n1.2.3.4\n1\n"}};
    for (const Case& c : cases) {
        folder.Write("qbx_man.ini", "1\n2\n192.168.0.1\n40000\n");
        CSettingsDialog dialog(context);
        ASSERT_TRUE(dialog.Initialize());
        EXPECT_TRUE(dialog.IsChecked(1012));
        dialog.Click(c.radio);
        dialog.SetItemText(1114, c.ip);
        dialog.SetItemText(1115, c.port);
        ASSERT_TRUE(dialog.Click(kIdOk));
        EXPECT_EQ(dialog.Result(), kIdOk);
        EXPECT_EQ(folder.Read("qbx_man.ini"), c.saved);
    }
}

TEST_F(SettingsDialog, AFailedSaveIsReportedAndTheDialogStaysOpen) {
    // A folder in place of the file cannot be written, whoever runs the test.
    std::filesystem::create_directory(folder.File("qbx_man.ini"));
    CSettingsDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    dialog.Click(1113);
    ASSERT_TRUE(dialog.Click(kIdOk));
    EXPECT_FALSE(dialog.HasEnded());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Quillbox-Message 5.036");
    EXPECT_TRUE(ui.messages[0].text.contains(QString::fromStdString(folder.File("qbx_man.ini"))));

    std::filesystem::remove(folder.File("qbx_man.ini"));
    ASSERT_TRUE(dialog.Click(kIdOk)); // another try succeeds
    EXPECT_EQ(dialog.Result(), kIdOk);
    EXPECT_EQ(folder.Read("qbx_man.ini"), "6\n0\n192.168.0.1\n40000\n");
}

// Installed for several users the program folder cannot be written: each
// user's settings go to a folder of their own, and the program folder's copy
// is only the default they start from. Their working folders are their own.
TEST_F(SettingsDialog, AReadOnlyProgramFolderKeepsEachUsersSettingsApart) {
    folder.Write("qbx_man.ini", "1\n2\n10.9.9.9\n4001\n");
    ASSERT_EQ(chmod(folder.Path().c_str(), 0555), 0);
    TempFolder home;
    ASSERT_TRUE(test::GiveToUnprivileged(home.Path()));
    test::RunInChild({.unprivileged = true}, [&] {
        setenv("HOME", home.Path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", home.File("config").c_str(), 1);
        SetProgramFolder(folder.Path());
        ASSERT_TRUE(FilesArePerUser());
        CSettingsDialog dialog(context);
        ASSERT_TRUE(dialog.Initialize());
        EXPECT_TRUE(dialog.IsChecked(1012)) << "the administrator's default";
        dialog.Click(1113);
        ASSERT_TRUE(dialog.Click(kIdOk));
        EXPECT_EQ(dialog.Result(), kIdOk);
        EXPECT_EQ(home.Read("config/quillbox/qbx_man.ini"), "6\n2\n10.9.9.9\n4001\n");
        EXPECT_EQ(folder.Read("qbx_man.ini"), "1\n2\n10.9.9.9\n4001\n");

        const std::string download = ReadFolder(FolderLine::Download, kStandardEdition);
        EXPECT_EQ(download, home.File("Quillbox/Funktionsdaten"));
        EXPECT_TRUE(std::filesystem::is_directory(download));
    });
    chmod(folder.Path().c_str(), 0755);
}

TEST_F(SettingsDialog, CancelSavesNothing) {
    folder.Write("qbx_man.ini", "1\n0\n");
    CSettingsDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    dialog.Click(1113);
    dialog.SetItemText(1114, "10.0.0.1");
    dialog.Click(kIdCancel);
    EXPECT_EQ(dialog.Result(), kIdCancel);
    EXPECT_EQ(folder.Read("qbx_man.ini"), "1\n0\n");
}

TEST_F(SettingsDialog, OpensFoldersAndLanguage) {
    CSettingsDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    EXPECT_TRUE(dialog.IsChecked(1011)); // no file: COM1
    dialog.Click(1063);
    dialog.Click(1064);
    EXPECT_EQ(ui.dialogsRun, (std::vector<int>{156, 163}));
    EXPECT_FALSE(folder.Exists("qbx_man.ini"));
}

TEST(PortText, AsTheLibraryReadsIt) {
    EXPECT_EQ(PortFromText("40000"), 40000);
    EXPECT_EQ(PortFromText("70000"), 4464);
    EXPECT_EQ(PortFromText("12ab"), 12);
    EXPECT_EQ(PortFromText(" 7"), 7);
    EXPECT_EQ(PortFromText(""), 0);
    EXPECT_EQ(PortFromText("-1"), 65535);
}

} // namespace
} // namespace qbx

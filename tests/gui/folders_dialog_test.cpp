#include "core/app_state.h"
#include "gui/settings/folders_dialog.h"
#include "platform/program_folder.h"
#include "tests/gui/module_fixture.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QKeyEvent>

namespace qbx {
namespace {

constexpr int kEdit = 1064, kBox = 1087, kBrowse = 1054;

class FoldersDialog : public ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        SetProgramFolder(folder.Path());
    }
    void TearDown() override { SetProgramFolder(QBX_PROGRAM_DIR); }
    std::string Line(const std::string& path) {
        return std::string(256 - std::min<size_t>(256, path.size()), ' ') + path + "\r\n";
    }

    TempFolder folder;
};

TEST_F(FoldersDialog, WithoutAFileEveryLineShowsItsDefault) {
    for (int edition : {1, 2}) {
        AppState().edition = edition;
        CFoldersDialog dialog(context);
        ASSERT_TRUE(dialog.Initialize());
        const char* os = edition == 2 ? "Betriebssystem_OC" : "Betriebssystem_QRT5130";
        std::vector<std::string> expected = {"Funktionsdaten", "Funktionsdaten", os, "Betriebssystem_BL",
                                             "Begrüssungsseiten"};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(dialog.ItemText(kEdit + i).toStdString(), folder.Path() + "/" + expected[i]);
            EXPECT_FALSE(dialog.IsChecked(kBox + i));
            EXPECT_FALSE(dialog.IsItemEnabled(kBrowse + i));
        }
        EXPECT_EQ(dialog.ItemText(1100), module.String(edition == 2 ? 11600 : 11602));
        EXPECT_EQ(dialog.ItemText(1099), module.String(edition == 2 ? 11601 : 11603));
    }
}

TEST_F(FoldersDialog, OwnFoldersAreShownAndWrittenRightAligned) {
    std::string own = "/srv/quillbox/upload"; // 20 characters
    folder.Write("directory.ini", Line(own) + Line("") + Line("") + Line("") + Line(""));
    CFoldersDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    EXPECT_TRUE(dialog.IsChecked(kBox));
    EXPECT_TRUE(dialog.IsItemEnabled(kBrowse));
    EXPECT_EQ(dialog.ItemText(kEdit).toStdString(), own);

    dialog.Click(kBox + 4); // a box that was clear: the path starts empty
    EXPECT_EQ(dialog.ItemText(kEdit + 4), "");
    ui.folders = {"/home/service/Begrüßung"};
    dialog.Click(kBrowse + 4);
    ASSERT_TRUE(dialog.Click(kIdOk));
    EXPECT_EQ(folder.Read("directory.ini"),
              Line(own) + Line("") + Line("") + Line("") + Line("/home/service/Begrüßung"));
    EXPECT_EQ(ui.chooserStarts, std::vector<QString>{""});
}

TEST_F(FoldersDialog, ClearingABoxKeepsTheOwnFolderForLater) {
    folder.Write("directory.ini", Line("") + Line("/data/down") + Line("") + Line("") + Line(""));
    CFoldersDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    dialog.Click(kBox + 1);
    EXPECT_EQ(dialog.ItemText(kEdit + 1).toStdString(), folder.Path() + "/Funktionsdaten");
    EXPECT_FALSE(dialog.IsItemEnabled(kBrowse + 1));
    dialog.Click(kBox + 1);
    EXPECT_EQ(dialog.ItemText(kEdit + 1), "/data/down");
    dialog.Click(kBox + 1);
    ASSERT_TRUE(dialog.Click(kIdOk));
    EXPECT_EQ(folder.Read("directory.ini"), Line("") + Line("") + Line("") + Line("") + Line(""));
}

TEST_F(FoldersDialog, CancelledChooserAndTypedTextKeepTheStoredPath) {
    folder.Write("directory.ini", Line("/a") + Line("") + Line("") + Line("") + Line(""));
    CFoldersDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    dialog.SetItemText(kEdit, "/typed/but/not/taken");
    dialog.Click(kBrowse); // cancelled
    EXPECT_EQ(dialog.ItemText(kEdit), "/a");
    dialog.Click(kIdCancel);
    EXPECT_EQ(folder.Read("directory.ini"), Line("/a") + Line("") + Line("") + Line("") + Line(""));
}

TEST_F(FoldersDialog, TypedFolderIsTakenOnEnterEvenOnABrowseButton) {
    CFoldersDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    dialog.show();
    dialog.Click(kBox + 3);
    dialog.SetItemText(kEdit + 3, "/opt/firmware");
    // Enter presses OK, not the focused button, which opened its chooser again.
    QWidget* browse = dialog.Item(kBrowse + 3);
    browse->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(browse, &enter);
    EXPECT_TRUE(dialog.HasEnded());
    EXPECT_EQ(dialog.Result(), kIdOk);
    EXPECT_EQ(ui.chooserStarts, std::vector<QString>{});
    EXPECT_EQ(folder.Read("directory.ini"),
              Line("") + Line("") + Line("") + Line("/opt/firmware") + Line(""));
}

TEST_F(FoldersDialog, PathFieldsFollowTheirBoxes) {
    folder.Write("directory.ini", Line("/own/up") + Line("") + Line("") + Line("") + Line(""));
    CFoldersDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(dialog.IsItemEnabled(kEdit + i), i == 0) << i;

    dialog.Click(kBox + 2);
    EXPECT_TRUE(dialog.IsItemEnabled(kEdit + 2));
    dialog.SetItemText(kEdit + 2, "/typed/os");
    dialog.Click(kBox + 2); // cleared: the default is shown and cannot be edited
    EXPECT_FALSE(dialog.IsItemEnabled(kEdit + 2));
    EXPECT_EQ(dialog.ItemText(kEdit + 2).toStdString(), folder.Path() + "/Betriebssystem_QRT5130");
    dialog.Click(kBox + 2); // ticked again: the typed folder comes back
    EXPECT_EQ(dialog.ItemText(kEdit + 2), "/typed/os");
    dialog.Click(kBox); // the stored folder leaves, its field locks
    EXPECT_FALSE(dialog.IsItemEnabled(kEdit));
    ASSERT_TRUE(dialog.Click(kIdOk));
    EXPECT_EQ(folder.Read("directory.ini"), Line("") + Line("") + Line("/typed/os") + Line("") + Line(""));
}

TEST_F(FoldersDialog, FoldersTooLongForTheFileAreRefused) {
    const std::string fits = "/" + std::string(255, 'f'); // 256 bytes
    std::string over = "/";                               // 129 letters, 257 bytes
    for (int i = 0; i < 128; ++i)
        over += "\xC3\xBC";
    CFoldersDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    dialog.Click(kBox + 1);
    ui.folders = {QString::fromStdString(over)};
    dialog.Click(kBrowse + 1); // the chosen folder is refused, the field keeps what it had
    ASSERT_EQ(ui.MessageNumbers(), "5.037");
    EXPECT_NE(ui.messages[0].text.indexOf("257"), -1) << ui.messages[0].text.toStdString();
    EXPECT_EQ(dialog.ItemText(kEdit + 1), "");

    dialog.SetItemText(kEdit + 1, QString::fromStdString(over));
    dialog.Click(kIdOk); // typed: refused on OK, the dialog stays open
    EXPECT_EQ(ui.MessageNumbers(), "5.037 5.037");
    EXPECT_FALSE(dialog.HasEnded());
    EXPECT_FALSE(folder.Exists("directory.ini"));

    dialog.SetItemText(kEdit + 1, QString::fromStdString(fits));
    ASSERT_TRUE(dialog.Click(kIdOk));
    EXPECT_TRUE(dialog.HasEnded());
    EXPECT_EQ(folder.Read("directory.ini"), Line("") + Line(fits) + Line("") + Line("") + Line(""));
}

} // namespace
} // namespace qbx

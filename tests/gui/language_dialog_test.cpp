#include "gui/language_dialog.h"
#include "module_fixture.h"
#include "platform/program_folder.h"
#include "tests/support/temp_folder.h"

#include <filesystem>
#include <sys/stat.h>

namespace qbx {
namespace {

class LanguageDialog : public ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        SetProgramFolder(folder.Path());
    }
    void TearDown() override { SetProgramFolder(QBX_PROGRAM_DIR); }

    // Opens the dialog, picks `choice` and presses OK.
    void Choose(int choice) {
        CLanguageDialog dialog(context);
        ASSERT_TRUE(dialog.Initialize());
        EXPECT_EQ(dialog.RadioIndex(kLanguageGroup), AppState().selectedLanguage);
        dialog.SetRadioIndex(kLanguageGroup, choice);
        ASSERT_TRUE(dialog.Click(kIdOk));
        EXPECT_EQ(dialog.Result(), kIdOk);
    }

    TempFolder folder;
};

TEST_F(LanguageDialog, SameLanguageWritesNothing) {
    AppState().selectedLanguage = 1;
    Choose(1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(folder.Exists("qbx_man.ini"));
}

TEST_F(LanguageDialog, NewLanguageIsSavedAndAnnouncedInThatLanguage) {
    struct Case {
        int from, to;
        const char* text;
    } cases[] = {
        {1, 2, "Per applicare la nuova impostazione della lingua, occorre chiudere e riavviare Quillbox."},
        {2, 0,
         "Um die neue Spracheinstellung zu übernehmen, muss Quillbox beendet und neu gestartet werden."},
        {0, 1, "Restart Quillbox to activate the new language selection."},
    };
    for (const Case& c : cases) {
        folder.Write("qbx_man.ini", "6\n" + std::to_string(c.from) + "\nlinkbox.test\n4001\n");
        AppState().selectedLanguage = c.from;
        ui.Clear();
        Choose(c.to);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].caption, "Quillbox-Message 9.001");
        EXPECT_EQ(ui.messages[0].kind, MessageKind::Information);
        EXPECT_EQ(ui.messages[0].text, QString::fromUtf8(c.text));
        EXPECT_EQ(folder.Read("qbx_man.ini"), "6\n" + std::to_string(c.to) + "\nlinkbox.test\n4001\n");
        EXPECT_EQ(AppState().selectedLanguage, c.to);
    }
}

TEST_F(LanguageDialog, AFailedSaveClaimsNoChangeAndKeepsTheDialogOpen) {
    // A folder in place of the file cannot be written, whoever runs the test.
    std::filesystem::create_directory(folder.File("qbx_man.ini"));
    AppState().selectedLanguage = 1;
    CLanguageDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    dialog.SetRadioIndex(kLanguageGroup, 2);
    ASSERT_TRUE(dialog.Click(kIdOk));
    EXPECT_FALSE(dialog.HasEnded());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Quillbox-Message 9.002");
    // In the language of the running module, which stays until the next start.
    EXPECT_TRUE(ui.messages[0].text.startsWith("The language cannot be saved in " +
                                               QString::fromStdString(folder.File("qbx_man.ini"))));
    EXPECT_EQ(AppState().selectedLanguage, 1);
    dialog.Click(kIdCancel);
    EXPECT_EQ(AppState().selectedLanguage, 1);
}

TEST_F(LanguageDialog, CancelKeepsEverything) {
    CLanguageDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    dialog.SetRadioIndex(kLanguageGroup, 2);
    dialog.Click(kIdCancel);
    EXPECT_EQ(dialog.Result(), kIdCancel);
    EXPECT_EQ(AppState().selectedLanguage, 0);
    EXPECT_FALSE(folder.Exists("qbx_man.ini"));
}

} // namespace
} // namespace qbx

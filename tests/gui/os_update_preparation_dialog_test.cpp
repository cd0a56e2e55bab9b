// The OS update preparation: the choice of the welcome page and the program
// file, its small welcome-page editor, and what it hands to the transfer.
#include "dialog_world.h"
#include "formats/handover_file.h"
#include "gui/firmware/os_update_preparation_dialog.h"

#include <QLineEdit>
#include <filesystem>

namespace qbx {
namespace {

constexpr int kBox = 1083, kGroupBox = 1098, kPageTitle = 1074, kChoosePage = 1079, kNew = 1080, kEdit = 1081,
              kProgramTitle = 1082, kSave = 1084, kCancelEdit = 1085, kChooseProgram = 1086;
constexpr int kLines[4] = {1075, 1076, 1077, 1078};

class OsUpdatePreparation : public DeviceDialogTest {
  protected:
    std::unique_ptr<COsUpdatePreparationDialog> Open(int edition = 1) {
        AppState().edition = edition;
        auto dialog = std::make_unique<COsUpdatePreparationDialog>(context);
        EXPECT_TRUE(dialog->Initialize());
        return dialog;
    }
    // "SENBO" style summary of which controls can be used: Save, Edit, New,
    // Browse for a page, OK; a '-' for each that cannot.
    static std::string Usable(const CDialog& dialog) {
        std::string state;
        const std::pair<int, char> controls[] = {
            {kSave, 'S'}, {kEdit, 'E'}, {kNew, 'N'}, {kChoosePage, 'B'}, {kIdOk, 'O'}};
        for (auto [id, letter] : controls)
            state += dialog.IsItemEnabled(id) ? letter : '-';
        return state;
    }
    static bool LinesEditable(const CDialog& dialog) {
        auto* edit = dialog.ItemAs<QLineEdit>(kLines[0]);
        return edit && !edit->isReadOnly();
    }
    static std::vector<std::string> Shown(const CDialog& dialog) {
        std::vector<std::string> lines;
        for (int id : kLines)
            lines.push_back(dialog.ItemText(id).toStdString());
        return lines;
    }
    OsUpdateHandover HandedOver() {
        OsUpdateHandover paths;
        EXPECT_TRUE(ReadHandoverFile(paths, folder.Path()));
        return paths;
    }
    // A page file and a hand-over file that names it, as an earlier run left them.
    std::string EarlierPage(const std::string& content) {
        folder.Write("old.bgs", content);
        EXPECT_TRUE(WriteHandoverFile({folder.File("old.bgs"), folder.File("os.prg")}, folder.Path()));
        return folder.File("old.bgs");
    }
};

TEST_F(OsUpdatePreparation, StandardPageHandsOverTheEditionsChoice) {
    // The customer's page is that of the program folder, never of the
    // folder the page chooser starts in.
    folder.Write("directory.ini", "\n\n\n\n" + std::string(250, ' ') + "/other\n");
    const struct {
        int edition, boxLabel, groupLabel;
        std::string line1, handedOver;
    } cases[] = {
        {1, 11653, 11654, "  BRAVOLT", "0"},
        {2, 11650, 11651, "        ORMAND", folder.File("Begr\xC3\xBCssungsseiten/ormand.bgs")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edition);
        std::filesystem::remove(folder.File(kHandoverFileName));
        auto dialog = Open(c.edition);
        EXPECT_EQ(dialog->ItemText(kBox), module.String(c.boxLabel));
        EXPECT_EQ(dialog->ItemText(kGroupBox), module.String(c.groupLabel));
        EXPECT_TRUE(dialog->IsChecked(kBox));
        EXPECT_EQ(Shown(*dialog)[0], c.line1);
        EXPECT_EQ(Usable(*dialog), "----O");
        EXPECT_FALSE(LinesEditable(*dialog));
        ui.openFiles = {QString::fromStdString(folder.File("new os.PRG"))};
        EXPECT_TRUE(dialog->Click(kChooseProgram));
        EXPECT_EQ(dialog->ItemText(kProgramTitle), "new os");
        EXPECT_TRUE(dialog->Click(kIdOk));
        EXPECT_EQ(dialog->Result(), kIdOk);
        EXPECT_EQ(HandedOver().welcomePage, c.handedOver);
        EXPECT_EQ(HandedOver().programFile, folder.File("new os.PRG"));
    }
    EXPECT_EQ(ui.MessageNumbers(), "");
    // The program chooser starts in the edition's operating-system folder.
    ASSERT_EQ(ui.chooserStarts.size(), 2u);
    EXPECT_TRUE(ui.chooserStarts[0].endsWith("/Betriebssystem_QRT5130"));
    EXPECT_TRUE(ui.chooserStarts[1].endsWith("/Betriebssystem_OC"));
}

TEST_F(OsUpdatePreparation, OnlyAllLowerOrAllUpperCaseExtensionsAreTaken) {
    EarlierPage(std::string(88, 'x'));
    const struct {
        int edition;
        bool newPage;
        int button;
        std::string name, message;
    } cases[] = {
        {1, false, kChooseProgram, "os.Prg", "8.006"},
        {2, false, kChooseProgram, "os.pRG", "8.007"},
        {1, false, kChooseProgram, "os.hex", "8.006"},
        {1, false, kChooseProgram, "OS.PRG", ""},
        {1, false, kChoosePage, "page.Bgs", "8.003"},
        {1, false, kChoosePage, "page.BGS", ""},
        {1, true, kChoosePage, "page.bGs", "8.004"},
        {1, true, kChoosePage, "page.txt", "8.004"},
        {1, true, kChoosePage, "page", ""}, // gets ".bgs"
    };
    folder.Write("page.BGS", "Seite");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ui.Clear();
        auto dialog = Open(c.edition);
        if (c.newPage) {
            EXPECT_TRUE(dialog->Click(kNew));
        }
        const int title = c.button == kChooseProgram ? kProgramTitle : kPageTitle;
        const QString before = dialog->ItemText(title);
        const QString chosen = QString::fromStdString(folder.File(c.name));
        if (c.newPage)
            ui.saveFiles = {chosen};
        else
            ui.openFiles = {chosen};
        EXPECT_TRUE(dialog->Click(c.button));
        EXPECT_EQ(ui.MessageNumbers(), c.message);
        // A refused name leaves the earlier choice alone.
        const QString stem = QString::fromStdString(std::filesystem::path(c.name).stem().string());
        EXPECT_EQ(dialog->ItemText(title), c.message.empty() ? stem : before);
    }
}

TEST_F(OsUpdatePreparation, EditThenCancelRestoresAndEditThenSaveWritesPaddedLines) {
    // 30 characters: the second line is cut short, the last two are missing.
    std::string page = EarlierPage("Kessel Nord           Halle 3");
    auto dialog = Open();
    EXPECT_FALSE(dialog->IsChecked(kBox));
    EXPECT_EQ(dialog->ItemText(kPageTitle), "old");
    EXPECT_EQ(Shown(*dialog), (std::vector<std::string>{"Kessel Nord", "Halle 3", "", ""}));
    EXPECT_EQ(Usable(*dialog), "-ENBO");

    EXPECT_TRUE(dialog->Click(kEdit));
    EXPECT_EQ(Usable(*dialog), "S----");
    EXPECT_TRUE(dialog->IsItemEnabled(kCancelEdit));
    EXPECT_TRUE(LinesEditable(*dialog));
    dialog->SetItemText(kLines[1], "Halle 4");
    EXPECT_TRUE(dialog->Click(kCancelEdit));
    EXPECT_EQ(Shown(*dialog)[1], "Halle 3");
    EXPECT_EQ(Usable(*dialog), "-ENBO");
    EXPECT_FALSE(LinesEditable(*dialog));
    EXPECT_EQ(folder.Read("old.bgs"), "Kessel Nord           Halle 3");

    EXPECT_TRUE(dialog->Click(kEdit));
    dialog->SetItemText(kLines[1], "Halle 4 \xC3\xA4");           // ä
    dialog->SetItemText(kLines[3], std::string(30, 'z').c_str()); // the edit keeps 22
    EXPECT_TRUE(dialog->Click(kSave));
    EXPECT_EQ(folder.Read("old.bgs"), "Kessel Nord           Halle 4 \xE4" + std::string(13, ' ') +
                                          std::string(22, ' ') + std::string(22, 'z'));
    EXPECT_EQ(Usable(*dialog), "-ENBO");
    EXPECT_FALSE(dialog->IsItemEnabled(kCancelEdit));
    EXPECT_FALSE(LinesEditable(*dialog));
    EXPECT_EQ(ui.MessageNumbers(), "");
}

TEST_F(OsUpdatePreparation, NewPageNamesItsFileAndAsksBeforeReplacingOne) {
    EarlierPage("Alt");
    folder.Write("taken.bgs", "keep me");
    auto dialog = Open();
    EXPECT_TRUE(dialog->Click(kNew));
    EXPECT_TRUE(dialog->IsNewPage());
    EXPECT_EQ(dialog->ItemText(kPageTitle), "");
    EXPECT_EQ(Usable(*dialog), "S--B-");
    dialog->SetItemText(kLines[0], "Neu");

    // Save without a name asks for one; No to replacing keeps the file and editing.
    ui.saveFiles = {QString::fromStdString(folder.File("taken"))};
    ui.answers = {MessageAnswer::No};
    EXPECT_TRUE(dialog->Click(kSave));
    EXPECT_EQ(ui.MessageNumbers(), "8.005");
    EXPECT_EQ(ui.messages.back().kind, MessageKind::Caution);
    EXPECT_TRUE(ui.messages.back().text.contains(QString::fromStdString(folder.File("taken.bgs"))));
    EXPECT_EQ(folder.Read("taken.bgs"), "keep me");
    EXPECT_TRUE(dialog->IsEditing());
    EXPECT_EQ(dialog->ItemText(kPageTitle), "");

    // Yes replaces it.
    ui.saveFiles = {QString::fromStdString(folder.File("taken.bgs"))};
    ui.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(dialog->Click(kSave));
    EXPECT_EQ(folder.Read("taken.bgs").substr(0, 22), "Neu" + std::string(19, ' '));
    EXPECT_FALSE(dialog->IsEditing());
    EXPECT_EQ(dialog->ItemText(kPageTitle), "taken");

    // A new page that is cancelled gives the earlier page back.
    EXPECT_TRUE(dialog->Click(kNew));
    dialog->SetItemText(kLines[0], "Verworfen");
    EXPECT_TRUE(dialog->Click(kCancelEdit));
    EXPECT_EQ(Shown(*dialog)[0], "Neu");
    EXPECT_EQ(dialog->ItemText(kPageTitle), "taken");
    EXPECT_TRUE(dialog->Click(kIdOk));
    EXPECT_EQ(HandedOver().welcomePage, folder.File("taken.bgs"));
}

TEST_F(OsUpdatePreparation, OkNeedsAPageAndAProgramFileAndAWrittenHandover) {
    auto dialog = Open();
    EXPECT_TRUE(dialog->Click(kBox)); // cleared: a page file must be chosen now
    EXPECT_EQ(Usable(*dialog), "--NBO");
    EXPECT_TRUE(dialog->Click(kIdOk));
    EXPECT_TRUE(dialog->Click(kBox));
    EXPECT_TRUE(dialog->Click(kIdOk));
    EXPECT_EQ(ui.MessageNumbers(), "8.001 8.002");
    EXPECT_FALSE(dialog->HasEnded());

    // A path that the hand-over file cannot keep whole.
    ui.openFiles = {QString::fromStdString(folder.File(NameOfPathBytes(257, ".prg")))};
    EXPECT_TRUE(dialog->Click(kChooseProgram));
    EXPECT_EQ(ui.MessageNumbers(), "8.001 8.002 8.008");
    EXPECT_EQ(dialog->ItemText(kProgramTitle), "");

    // A hand-over file that cannot be replaced keeps the dialog open.
    ui.openFiles = {QString::fromStdString(folder.File("os.prg"))};
    EXPECT_TRUE(dialog->Click(kChooseProgram));
    std::filesystem::create_directory(folder.File(kHandoverFileName));
    EXPECT_TRUE(dialog->Click(kIdOk));
    EXPECT_EQ(ui.MessageNumbers(), "8.001 8.002 8.008 8.009");
    EXPECT_FALSE(dialog->HasEnded());
    std::filesystem::remove(folder.File(kHandoverFileName));
    EXPECT_TRUE(dialog->Click(kIdOk));
    EXPECT_EQ(dialog->Result(), kIdOk);
}

TEST_F(OsUpdatePreparation, TheCustomersStandardPageMustOpenForAProgramThatTakesIt) {
    folder.Write("os.prg", "BRAVOLT_PROGRAM_FILE 20000\n");
    auto dialog = Open(2);
    ui.openFiles = {QString::fromStdString(folder.File("os.prg"))};
    EXPECT_TRUE(dialog->Click(kChooseProgram));
    EXPECT_TRUE(dialog->Click(kIdOk));
    EXPECT_EQ(ui.MessageNumbers(), "8.011");
    EXPECT_FALSE(dialog->HasEnded());
    std::filesystem::create_directory(folder.File("Begr\xC3\xBCssungsseiten"));
    folder.Write("Begr\xC3\xBCssungsseiten/ormand.bgs", std::string(88, 'O'));
    EXPECT_TRUE(dialog->Click(kIdOk));
    EXPECT_EQ(dialog->Result(), kIdOk);
}

TEST_F(OsUpdatePreparation, AnEarlierPageThatIsGoneFallsBackToTheStandardPage) {
    EarlierPage("Alt");
    std::filesystem::remove(folder.File("old.bgs"));
    auto dialog = Open(2);
    EXPECT_TRUE(dialog->IsChecked(kBox));
    EXPECT_EQ(dialog->ItemText(kPageTitle), "");
    EXPECT_EQ(Shown(*dialog)[2], "     Ormand Control");
    EXPECT_EQ(dialog->ItemText(kProgramTitle), "os"); // the program file is kept
}

} // namespace
} // namespace qbx

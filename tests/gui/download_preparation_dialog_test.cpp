#include "dialog_world.h"
#include "formats/slot_list.h"
#include "gui/functiondata/download_preparation_dialog.h"
#include "operations/download_preparation_checks.h"
#include "operations/download_preparation_messages.h"
#include "tests/gui/label_fit.h"

#include <QApplication>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace qbx {
namespace {

constexpr int kBox = 1037, kContent = 1028, kName = 1045, kBrowse = 1054;

class DownloadPreparation : public DeviceDialogTest {
  protected:
    void SetUp() override {
        DeviceDialogTest::SetUp();
        StartLinkbox({"--slot", "1=Eins", "--slot", "2=Zwei", "--slot", "5=Fuenf", "--slot", "7=Sieben"});
    }
    QString In(const std::string& name) { return QString::fromStdString(folder.File(name)); }
    // Ticks slot `slot` and chooses `name` for it.
    void Choose(CDownloadPreparationDialog& dialog, int slot, const std::string& name) {
        ui.saveFiles = {In(name)};
        ui.chooserTitles.clear();
        dialog.Click(kBox + slot - 1);
        // The chooser says which slot it is for.
        EXPECT_EQ(ui.chooserTitles,
                  std::vector<QString>{module.String(12011).replace("%d", QString::number(slot))});
    }
};

TEST_F(DownloadPreparation, EmptySlotsCannotBeChosenWhateverTheListSaid) {
    SlotList list;
    list[2] = {1, folder.File("three.dat")}; // slot 3 is empty in the bootloader
    list[4] = {0, folder.File("five.dat")};
    ASSERT_TRUE(WriteDownloadSlotList(list));
    CDownloadPreparationDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    ASSERT_FALSE(dialog.HasEnded()) << ui.MessageNumbers();
    EXPECT_EQ(dialog.ItemText(kContent + 2), module.String(11507));
    EXPECT_FALSE(dialog.IsItemEnabled(kBox + 2));
    EXPECT_EQ(dialog.Choices()[2].path, "");
    EXPECT_EQ(dialog.ItemText(kName + 4), "five"); // kept, though not ticked
    EXPECT_TRUE(dialog.IsItemEnabled(kBrowse + 4));
    EXPECT_EQ(dialog.ItemText(kContent + 6), "Sieben");
    EXPECT_TRUE(dialog.IsItemEnabled(kIdOk));
}

TEST_F(DownloadPreparation, NamesGetDatOrAreRefusedBySlotAndEdition) {
    struct Case {
        int slot;
        int edition;
        const char* chosen;
        const char* stored; // nullptr: refused
        const char* message;
    } cases[] = {{1, 1, "plain", "plain.dat", ""},
                 {2, 1, "caps.DAT", "caps.DAT", ""},
                 {1, 1, "notes.txt", nullptr, "7.017"},
                 {7, 2, "mixed.Dat", nullptr, "7.030"},
                 {5, 1, "x.tar.dat", "x.tar.dat", ""}};
    for (const Case& c : cases) {
        AppState().edition = c.edition;
        ui.Clear();
        CDownloadPreparationDialog dialog(context);
        ASSERT_TRUE(dialog.Initialize());
        AppState().edition = c.edition; // the edition is the main window's, not re-read here
        Choose(dialog, c.slot, c.chosen);
        EXPECT_EQ(ui.MessageNumbers(), c.message) << c.chosen;
        EXPECT_EQ(dialog.IsChecked(kBox + c.slot - 1), c.stored != nullptr) << c.chosen;
        EXPECT_EQ(dialog.Choices()[c.slot - 1].path, c.stored ? folder.File(c.stored) : "") << c.chosen;
    }
}

TEST_F(DownloadPreparation, PathsTheSlotListCannotKeepAreRefused) {
    struct Case {
        std::size_t bytes; // of the chosen path
        const char* extension;
        bool kept;
    } cases[] = {
        {252, "", true},  // 256 with ".dat"
        {253, "", false}, // 257 with ".dat"
        {256, ".DAT", true},
        {257, ".dat", false}, // fewer than 257 characters, but bytes count
    };
    for (const Case& c : cases) {
        ui.Clear();
        std::filesystem::remove(folder.File("config_do.ini")); // each case starts unticked
        CDownloadPreparationDialog dialog(context);
        ASSERT_TRUE(dialog.Initialize());
        std::string name = NameOfPathBytes(c.bytes, c.extension);
        Choose(dialog, 2, name);
        SCOPED_TRACE(std::to_string(c.bytes) + c.extension);
        EXPECT_EQ(ui.MessageNumbers(), c.kept ? "" : "7.060");
        EXPECT_EQ(dialog.IsChecked(kBox + 1), c.kept);
        if (!c.kept) continue;
        ASSERT_TRUE(dialog.Click(kIdOk));
        SlotList written;
        ASSERT_TRUE(ReadDownloadSlotList(written));
        EXPECT_EQ(written[1].path, DownloadPath(folder.File(name)));
        EXPECT_EQ(written[1].path.size(), 256u);
    }
}

TEST_F(DownloadPreparation, ChosenFileNamesShowWhole) {
    CDownloadPreparationDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    dialog.show();
    QApplication::processEvents();
    Choose(dialog, 5, "Schule Turnhalle, Lueftung und Warmwasser mit Nachtabsenkung");
    QApplication::processEvents();
    EXPECT_EQ(dialog.ItemText(kName + 4), "Schule Turnhalle, Lueftung und Warmwasser mit Nachtabsenkung");
    EXPECT_EQ(CutText(dialog, kName + 4), "");
}

TEST_F(DownloadPreparation, OneFileForTwoSlotsIsRefused) {
    CDownloadPreparationDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    Choose(dialog, 2, "same.dat");
    Choose(dialog, 5, "same.dat");
    Choose(dialog, 7, "Same.dat"); // another file: case matters
    dialog.Click(kIdOk);
    EXPECT_FALSE(dialog.HasEnded());
    EXPECT_EQ(ui.MessageNumbers(), "7.038");
    EXPECT_NE(ui.messages[0].text.indexOf(In("same.dat")), -1) << ui.messages[0].text.toStdString();
    EXPECT_FALSE(folder.Exists("config_do.ini"));
}

TEST_F(DownloadPreparation, ExistingFilesNeedConsent) {
    folder.Write("old.dat", "keep me");
    CDownloadPreparationDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    Choose(dialog, 1, "new.dat");
    Choose(dialog, 7, "old.dat");
    dialog.Click(kIdOk); // answered No
    EXPECT_FALSE(dialog.HasEnded());
    ASSERT_EQ(ui.MessageNumbers(), "7.058");
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Caution);
    EXPECT_FALSE(folder.Exists("config_do.ini"));

    ui.answers = {MessageAnswer::Yes};
    dialog.Click(kIdOk);
    EXPECT_EQ(dialog.Result(), kIdOk);
    SlotList written;
    ASSERT_TRUE(ReadDownloadSlotList(written));
    EXPECT_EQ(written[0].path, folder.File("new.dat"));
    EXPECT_EQ(written[6].path, folder.File("old.dat"));
    EXPECT_EQ(folder.Read("old.dat"), "keep me"); // only the transfer writes it
}

TEST_F(DownloadPreparation, UntickedSlotsTakeNoPartInTheChecks) {
    SlotList list;
    list[0] = {0, folder.File("a.dat")};
    list[1] = {1, folder.File("a.dat")};
    ASSERT_TRUE(WriteDownloadSlotList(list));
    folder.Write("a.dat", "");
    ui.answers = {MessageAnswer::Yes};
    CDownloadPreparationDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    dialog.Click(kIdOk);
    EXPECT_EQ(ui.MessageNumbers(), "7.053"); // only slot 2 asks
    EXPECT_EQ(dialog.Result(), kIdOk);
    SlotList written;
    ASSERT_TRUE(ReadDownloadSlotList(written));
    EXPECT_EQ(written[0].flag, 0);
    EXPECT_EQ(written[0].path, folder.File("a.dat"));
}

// Every slot holds data, so each slot's and each pair's message can be shown.
class DownloadPreparationFull : public DownloadPreparation {
  protected:
    void SetUp() override {
        DeviceDialogTest::SetUp();
        std::vector<std::string> slots;
        for (int slot = 1; slot <= kSlotCount; ++slot)
            slots.insert(slots.end(), {"--slot", std::to_string(slot) + "=S"});
        StartLinkbox(slots);
    }
    void ClearAll(CDownloadPreparationDialog& dialog) {
        dialog.Click(kSlotClearAllButton);
        ui.Clear();
    }
};

TEST_F(DownloadPreparationFull, AWrongExtensionNamesTheSlotAndTheEdition) {
    // Slot 1 to 7 in the standard edition, then the same in the customer edition.
    const char* expected[2][kSlotCount] = {{"7.017", "7.019", "7.021", "7.023", "7.025", "7.027", "7.029"},
                                           {"7.018", "7.020", "7.022", "7.024", "7.026", "7.028", "7.030"}};
    for (int edition = 1; edition <= 2; ++edition) {
        AppState().edition = edition;
        CDownloadPreparationDialog dialog(context);
        ASSERT_TRUE(dialog.Initialize());
        ASSERT_FALSE(dialog.HasEnded()) << ui.MessageNumbers();
        AppState().edition = edition; // the main window's, not re-read by the dialog
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            ui.Clear();
            Choose(dialog, slot, "notes.txt");
            SCOPED_TRACE("edition " + std::to_string(edition) + " slot " + std::to_string(slot));
            EXPECT_EQ(ui.MessageNumbers(), expected[edition - 1][slot - 1]);
            EXPECT_FALSE(dialog.IsChecked(kBox + slot - 1));
            EXPECT_EQ(dialog.Choices()[slot - 1].path, "");
        }
    }
}

TEST_F(DownloadPreparationFull, EveryPairWithOneFileHasItsOwnMessage) {
    CDownloadPreparationDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    ASSERT_FALSE(dialog.HasEnded()) << ui.MessageNumbers();
    int expected = 31; // the pairs (2,1), (3,1), (3,2), (4,1) ... (7,6) count up from 7.031
    for (int higher = 2; higher <= kSlotCount; ++higher) {
        for (int lower = 1; lower < higher; ++lower, ++expected) {
            ClearAll(dialog);
            Choose(dialog, lower, "same.dat");
            Choose(dialog, higher, "same.dat");
            int other = 1; // a third ticked slot, with its own file
            while (other == lower || other == higher)
                ++other;
            Choose(dialog, other, "other.dat");
            dialog.Click(kIdOk);
            SCOPED_TRACE(std::to_string(higher) + "," + std::to_string(lower));
            char number[8];
            std::snprintf(number, sizeof number, "7.%03d", expected);
            ASSERT_EQ(ui.MessageNumbers(), number);
            EXPECT_NE(ui.messages[0].text.indexOf(In("same.dat")), -1) << ui.messages[0].text.toStdString();
            EXPECT_FALSE(dialog.HasEnded());
        }
    }
    EXPECT_EQ(expected, 52);
    EXPECT_FALSE(folder.Exists("config_do.ini"));
}

TEST_F(DownloadPreparationFull, AnExistingFileNamesItsSlot) {
    folder.Write("old.dat", "keep me");
    CDownloadPreparationDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    ASSERT_FALSE(dialog.HasEnded()) << ui.MessageNumbers();
    const char* expected[kSlotCount] = {"7.052", "7.053", "7.054", "7.055", "7.056", "7.057", "7.058"};
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        ClearAll(dialog);
        Choose(dialog, slot, "old.dat");
        Choose(dialog, slot == 1 ? 2 : 1, "new.dat"); // does not exist: no question
        dialog.Click(kIdOk);                          // answered No
        SCOPED_TRACE(slot);
        ASSERT_EQ(ui.MessageNumbers(), expected[slot - 1]);
        EXPECT_EQ(ui.messages[0].kind, MessageKind::Caution);
        EXPECT_FALSE(dialog.HasEnded());
    }
    EXPECT_FALSE(folder.Exists("config_do.ini"));
    EXPECT_EQ(folder.Read("old.dat"), "keep me");
}

TEST_F(DownloadPreparationFull, ASlotListThatCannotBeWrittenKeepsTheDialogOpen) {
    std::filesystem::create_directory(folder.File("config_do.ini")); // nothing can replace it
    CDownloadPreparationDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    ASSERT_FALSE(dialog.HasEnded()) << ui.MessageNumbers();
    Choose(dialog, 4, "new.dat");
    ASSERT_EQ(ui.MessageNumbers(), "");
    dialog.Click(kIdOk);
    EXPECT_EQ(ui.MessageNumbers(), "7.059");
    EXPECT_FALSE(dialog.HasEnded());
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("config_do.ini")));
}

TEST(DownloadChecks, PairOrderOfTheSameFileMessages) {
    using download_preparation::DuplicateMessage;
    EXPECT_EQ(DuplicateMessage(2, 1), 31);
    EXPECT_EQ(DuplicateMessage(3, 1), 32);
    EXPECT_EQ(DuplicateMessage(3, 2), 33);
    EXPECT_EQ(DuplicateMessage(5, 2), 38);
    EXPECT_EQ(DuplicateMessage(7, 6), 51);
    SlotList slots;
    slots[3] = {1, "/x.dat"};
    slots[6] = {1, "/x.dat"};
    slots[5] = {1, "/y.dat"};
    slots[1] = {1, "/y.dat"};
    auto pair = FindSameFile(slots);
    ASSERT_TRUE(pair);
    EXPECT_EQ(*pair, std::make_pair(6, 2)); // (6,2) comes before (7,4)
    EXPECT_EQ(download_preparation::ExtensionMessage(1, 1), 17);
    EXPECT_EQ(download_preparation::ExtensionMessage(7, 2), 30);
    EXPECT_EQ(download_preparation::OverwriteMessage(7), 58);
    EXPECT_EQ(CheckDownloadName("/dir.v2/file"), DownloadName::AppendDat);
}

} // namespace
} // namespace qbx

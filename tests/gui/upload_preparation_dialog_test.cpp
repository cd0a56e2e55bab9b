#include "dialog_world.h"
#include "formats/slot_list.h"
#include "gui/functiondata/upload_preparation_dialog.h"
#include "tests/gui/label_fit.h"

#include <QApplication>

#include <filesystem>

namespace qbx {
namespace {

constexpr int kBox = 1037, kContent = 1028, kName = 1045, kBrowse = 1054, kWelcome = 1125, kEmpty = 1132;
constexpr int kVerify = 1950;

class UploadPreparation : public DeviceDialogTest {};

TEST_F(UploadPreparation, ShowsWhatTheBootloaderHolds) {
    StartLinkbox({"--slot", "2=Kessel Süd", "--slot", "7=Halle"});
    CUploadPreparationDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    ASSERT_FALSE(dialog.HasEnded()) << ui.MessageNumbers();
    for (int i = 0; i < 7; ++i) {
        bool holds = i == 1 || i == 6;
        EXPECT_EQ(dialog.ItemText(kContent + i),
                  holds ? (i == 1 ? "Kessel Süd" : "Halle") : module.String(11507));
        EXPECT_EQ(dialog.IsItemEnabled(kEmpty + i), holds) << i;
        EXPECT_FALSE(dialog.IsItemEnabled(kBrowse + i)); // no slot list yet
        EXPECT_FALSE(dialog.IsItemEnabled(kWelcome + i));
    }
    EXPECT_FALSE(dialog.IsItemEnabled(kIdOk));
    EXPECT_FALSE(dialog.IsItemEnabled(1062));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(UploadPreparation, SlotListChoicesAreCheckedAgainWhenItOpens) {
    StartLinkbox();
    SlotList list;
    list[0] = {1, WriteDat("heating.dat", 2, 0x80, 0x8400)};
    list[1] = {1, WriteDat("other.dat", 3, 0x80, 0x2000)};
    list[2] = {0, WriteDat("unticked.dat", 2, 0x80, 0x8400)};
    list[3] = {1, folder.File("gone.dat")};
    list[4] = {1, WriteDat("plain.dat", 1, 0x80, 0x8000)};
    ASSERT_TRUE(WriteUploadSlotList(list));

    CUploadPreparationDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    struct Expect {
        bool ticked;
        const char* name;
        bool welcome;
    } expect[] = {{true, "heating", true}, {true, "other", true}, {false, "", false}, {false, "", false},
                  {true, "plain", false},  {false, "", false},    {false, "", false}};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(dialog.IsChecked(kBox + i), expect[i].ticked) << i;
        EXPECT_EQ(dialog.ItemText(kName + i), expect[i].name) << i;
        EXPECT_EQ(dialog.IsItemEnabled(kWelcome + i), expect[i].welcome) << i;
        EXPECT_EQ(dialog.IsItemEnabled(kBrowse + i), expect[i].ticked) << i;
    }
    EXPECT_TRUE(ui.messages.empty()); // dropped silently
    dialog.Click(kWelcome);           // the editor opens on the slot's file
    dialog.Click(kWelcome + 4);       // disabled for a format-1 file
    EXPECT_EQ(ui.dialogsRun, std::vector<int>{253});
    ASSERT_TRUE(dialog.Click(kIdOk));
    SlotList written;
    ASSERT_TRUE(ReadSlotList("config_up.ini", written));
    EXPECT_EQ(written[0].path, list[0].path);
    EXPECT_EQ(written[2].flag, 0);
    EXPECT_EQ(written[2].path, "");
    EXPECT_EQ(written[3].flag, 0); // a file that no longer loads is unticked
    EXPECT_EQ(written[4].flag, 1);
}

TEST_F(UploadPreparation, VerifyBoxIsRememberedWithTheSlotListAndHandedOnAfterOk) {
    StartLinkbox();
    SlotList list;
    list[0] = {1, WriteDat("heating.dat", 3, 0x80, 0x100)};
    ASSERT_TRUE(WriteUploadSlotList(list));
    bool before = false; // a list of seven lines only: off
    for (bool tick : {true, false}) {
        CUploadPreparationDialog dialog(context);
        ASSERT_TRUE(dialog.Initialize());
        EXPECT_EQ(dialog.IsChecked(kVerify), before);
        EXPECT_TRUE(dialog.IsItemEnabled(kVerify));
        if (tick != before) dialog.Click(kVerify);
        before = tick;
        EXPECT_EQ(dialog.IsChecked(kVerify), tick);
        ASSERT_TRUE(dialog.Click(kIdOk));
        EXPECT_EQ(dialog.VerifyAfterWriting(), tick);
    }
    EXPECT_TRUE(ui.messages.empty()) << ui.MessageNumbers();
}

TEST_F(UploadPreparation, TickingChoosesAFileAtOnce) {
    StartLinkbox();
    std::string good = WriteDat("good.dat", 3, 0x81, 0x100);
    folder.Write("broken.dat", "BRAVOLT_DAT_FILE \r\n");
    CUploadPreparationDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());

    dialog.Click(kBox); // chooser cancelled: stays unticked
    EXPECT_FALSE(dialog.IsChecked(kBox));
    EXPECT_EQ(ui.chooserStarts.back().toStdString(), folder.Path() + "/Funktionsdaten");
    EXPECT_EQ(ui.chooserFilters.back(), module.String(11660));

    ui.openFiles = {QString::fromStdString(good)};
    dialog.Click(kBox);
    EXPECT_TRUE(dialog.IsChecked(kBox));
    EXPECT_EQ(dialog.ItemText(kName), "good");
    EXPECT_FALSE(dialog.IsItemEnabled(kWelcome)); // another device: no welcome page
    EXPECT_TRUE(dialog.IsItemEnabled(kIdOk));

    ui.openFiles = {QString::fromStdString(folder.File("broken.dat")),
                    QString::fromStdString(folder.File("none.dat"))};
    dialog.Click(kBox + 1);
    dialog.Click(kBox + 2);
    EXPECT_EQ(ui.MessageNumbers(), "6.018 6.017");
    EXPECT_FALSE(dialog.IsChecked(kBox + 1));
    EXPECT_FALSE(dialog.IsChecked(kBox + 2));

    dialog.Click(kBox); // unticking forgets the file
    EXPECT_EQ(dialog.ItemText(kName), "");
    EXPECT_EQ(dialog.Choices()[0].path, "");
    // The refused files keep their paths, so OK stays possible until they go too.
    EXPECT_TRUE(dialog.IsItemEnabled(kIdOk));
    dialog.Click(1062);
    EXPECT_FALSE(dialog.IsItemEnabled(kIdOk));
    EXPECT_FALSE(dialog.IsItemEnabled(1062));
}

TEST_F(UploadPreparation, ASlotListThatCannotBeWrittenKeepsTheDialogOpen) {
    StartLinkbox();
    std::string good = WriteDat("good.dat", 3, 0x81, 0x100);
    std::filesystem::create_directory(folder.File("config_up.ini")); // nothing can replace it
    CUploadPreparationDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    ASSERT_FALSE(dialog.HasEnded()) << ui.MessageNumbers();
    ui.openFiles = {QString::fromStdString(good)};
    dialog.Click(kBox + 3);
    ASSERT_TRUE(dialog.IsChecked(kBox + 3)) << ui.MessageNumbers();
    dialog.Click(kIdOk);
    EXPECT_EQ(ui.MessageNumbers(), "6.025");
    EXPECT_FALSE(dialog.HasEnded());
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("config_up.ini")));
}

TEST_F(UploadPreparation, EmptiesABootloaderSlotAfterYes) {
    StartLinkbox({"--slot", "3=Altbau"});
    CUploadPreparationDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        ui.Clear();
        ui.answers = {answer};
        ASSERT_TRUE(dialog.Click(kEmpty + 2));
        ASSERT_EQ(ui.MessageNumbers(), "6.070");
        EXPECT_EQ(ui.messages[0].kind, MessageKind::Question);
        EXPECT_NE(ui.messages[0].text.indexOf("3"), -1) << ui.messages[0].text.toStdString();
        EXPECT_NE(ui.messages[0].text.indexOf("\"Altbau\""), -1) << ui.messages[0].text.toStdString();
        const bool emptied = answer == MessageAnswer::Yes;
        EXPECT_EQ(dialog.ItemText(kContent + 2), emptied ? module.String(11507) : QString("Altbau"));
        EXPECT_EQ(dialog.IsItemEnabled(kEmpty + 2), !emptied);
    }

    CUploadPreparationDialog again(context);
    ASSERT_TRUE(again.Initialize());
    EXPECT_EQ(again.ItemText(kContent + 2), module.String(11507)); // the device forgot it too
}

TEST_F(UploadPreparation, ConnectionFailuresEndTheDialog) {
    struct Case {
        const char* settings;
        std::string messages;
    } cases[] = {{nullptr, "6.001"}, {"9\n1\n", "6.002"}, {"5\n1\n", "6.003"}};
    setenv("QUILLBOX_COM6", "/nonexistent/port", 1);
    for (const Case& c : cases) {
        std::remove(folder.File("qbx_man.ini").c_str());
        if (c.settings) folder.Write("qbx_man.ini", c.settings);
        ui.Clear();
        CUploadPreparationDialog dialog(context);
        ASSERT_TRUE(dialog.Initialize());
        EXPECT_TRUE(dialog.HasEnded());
        EXPECT_EQ(dialog.Result(), kIdCancel);
        EXPECT_EQ(ui.MessageNumbers(), c.messages);
    }
    unsetenv("QUILLBOX_COM6");
}

TEST_F(UploadPreparation, DeclinedModeSwitchEndsWithoutMessage) {
    ASSERT_TRUE(sim.Start({"--tcp", "0", "--kind", "A8"}));
    folder.Write("qbx_man.ini", "6\n1\n127.0.0.1\n" + std::to_string(sim.TcpPort()) + "\n");
    CUploadPreparationDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    EXPECT_TRUE(dialog.HasEnded());
    EXPECT_EQ(ui.MessageNumbers(), "6.007");
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Question);
}

TEST_F(UploadPreparation, PathsTheSlotListCannotKeepAreRefused) {
    StartLinkbox();
    std::string fits = WriteDat(NameOfPathBytes(256, ".dat"), 3, 0x81, 0x100);
    std::string over = WriteDat(NameOfPathBytes(257, ".dat"), 3, 0x81, 0x100);
    ASSERT_EQ(fits.size(), 256u);
    CUploadPreparationDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());

    ui.openFiles = {QString::fromStdString(over)};
    dialog.Click(kBox + 2);
    ASSERT_EQ(ui.MessageNumbers(), "6.026");
    EXPECT_NE(ui.messages[0].text.indexOf("257"), -1) << ui.messages[0].text.toStdString();
    EXPECT_FALSE(dialog.IsChecked(kBox + 2));
    EXPECT_EQ(dialog.ItemText(kName + 2), "");
    EXPECT_FALSE(dialog.IsItemEnabled(kIdOk));

    ui.openFiles = {QString::fromStdString(fits), QString::fromStdString(fits), QString::fromStdString(over)};
    dialog.Click(kBox);
    dialog.Click(kBox + 1);
    dialog.Click(kBrowse + 1); // refused like a wrong file: the slot's earlier file goes too
    EXPECT_EQ(ui.MessageNumbers(), "6.026 6.026");
    EXPECT_FALSE(dialog.IsChecked(kBox + 1));
    ASSERT_TRUE(dialog.IsChecked(kBox));
    ASSERT_TRUE(dialog.Click(kIdOk));
    SlotList written;
    ASSERT_TRUE(ReadUploadSlotList(written));
    EXPECT_EQ(written[0].path, fits); // read back whole
    EXPECT_EQ(written[1].path, "");
    EXPECT_EQ(written[2].path, "");
}

TEST_F(UploadPreparation, ChosenFileNamesShowWhole) {
    StartLinkbox();
    // An "&" is part of the name, not an access letter.
    const std::string title = "Mehrfamilienhaus Bahnhofstrasse 12&14, Heizkreis Erdgeschoss links";
    std::string file = WriteDat(title + ".dat", 3, 0x81, 0x100);
    CUploadPreparationDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    dialog.show();
    QApplication::processEvents();
    ui.openFiles = {QString::fromStdString(file)};
    dialog.Click(kBox + 3);
    QApplication::processEvents();
    EXPECT_EQ(dialog.ItemText(kName + 3).toStdString(), title);
    EXPECT_EQ(dialog.ItemAs<QLabel>(kName + 3)->text().toStdString(), title); // as shown
    EXPECT_EQ(dialog.ItemToolTip(kName + 3).toStdString(), file);             // the folder too
    EXPECT_EQ(ui.chooserTitles, std::vector<QString>{module.String(12010).replace("%d", "4")});
    EXPECT_EQ(CutText(dialog, kName + 3), "");
}

TEST_F(UploadPreparation, ClearAllAndCancel) {
    StartLinkbox();
    SlotList list;
    list[5] = {1, WriteDat("six.dat", 2, 0x80, 0x8400)};
    ASSERT_TRUE(WriteUploadSlotList(list));
    std::string before = folder.Read("config_up.ini");
    CUploadPreparationDialog dialog(context);
    ASSERT_TRUE(dialog.Initialize());
    EXPECT_TRUE(dialog.IsChecked(kBox + 5));
    dialog.Click(1062);
    EXPECT_FALSE(dialog.IsChecked(kBox + 5));
    EXPECT_FALSE(dialog.IsItemEnabled(kIdOk));
    dialog.Click(kIdCancel);
    EXPECT_EQ(folder.Read("config_up.ini"), before);
}

} // namespace
} // namespace qbx

#include "dialog_world.h"
#include "gui/welcome/welcome_editor_dialog.h"

#include <QComboBox>

#include <filesystem>

namespace qbx {
namespace {

constexpr int kOwn = 1223, kLoad = 1228, kSave = 1229;
constexpr int kLines[] = {1075, 1225, 1226, 1227};

class WelcomeEditor : public DeviceDialogTest {
  protected:
    std::uint8_t ByteOf(const std::string& path, std::size_t offset) {
        FunctionDataImage image;
        EXPECT_EQ(image.Load(path), 0);
        std::uint8_t value = 0;
        EXPECT_TRUE(image.GetByte(offset, value));
        return value;
    }
    // A controller file without an own page.
    std::string ErasedPage() {
        std::string path = WriteDat("page.dat", 2, 0x80, 0x8400);
        FunctionDataImage image;
        image.Load(path);
        for (std::size_t i = 0x1E80; i < 0x1F00; ++i)
            image.SetByte(i, 0xFF);
        image.Save(path);
        return path;
    }
};

TEST_F(WelcomeEditor, TickingStartsFromTheDefaultPageAndOkStoresIt) {
    std::string path = ErasedPage();
    CWelcomeEditorDialog dialog(context, path);
    ASSERT_TRUE(dialog.Initialize());
    EXPECT_EQ(dialog.ItemText(1961), module.String(12019).replace("%s", QString::fromStdString(path)));
    EXPECT_FALSE(dialog.IsChecked(kOwn));
    EXPECT_FALSE(dialog.IsItemEnabled(kLines[0]));
    EXPECT_FALSE(dialog.IsItemEnabled(kLoad));
    EXPECT_EQ(dialog.ItemText(kLines[0]), "");

    dialog.Click(kOwn);
    EXPECT_EQ(dialog.ItemText(kLines[0]), "  BRAVOLT");
    EXPECT_EQ(dialog.ItemText(kLines[1]), "Homepage: bravolt.test");
    EXPECT_EQ(dialog.ItemText(kLines[2]), QString(22, '-'));
    EXPECT_EQ(dialog.ItemText(kLines[3]), "       QRT5130");
    EXPECT_TRUE(dialog.IsItemEnabled(kSave));

    EXPECT_TRUE(dialog.Item(1962)->isHidden()); // the default page shows whole
    dialog.SetItemText(kLines[3], "Größe 21°C");
    EXPECT_FALSE(dialog.Item(1962)->isHidden());
    EXPECT_EQ(dialog.ItemText(1962), module.String(12021).replace("%s", "ß")); // ö and ° it has
    ASSERT_TRUE(dialog.Click(kIdOk));
    EXPECT_EQ(dialog.Result(), kIdOk);
    EXPECT_EQ(ByteOf(path, 0x1EFF), 0x00);
    EXPECT_EQ(ByteOf(path, 0x1E82), ' ');
    EXPECT_EQ(ByteOf(path, 0x1EC4 + 2), 129);  // ö
    EXPECT_EQ(ByteOf(path, 0x1EC4 + 3), ' ');  // ß has no device character
    EXPECT_EQ(ByteOf(path, 0x1EC4 + 8), 127);  // °
    EXPECT_EQ(ByteOf(path, 0x1EC4 + 21), ' '); // padded to 22
}

TEST_F(WelcomeEditor, ClearingTheBoxErasesThePage) {
    std::string path = ErasedPage();
    {
        CWelcomeEditorDialog dialog(context, path);
        ASSERT_TRUE(dialog.Initialize());
        dialog.Click(kOwn);
        dialog.Click(kIdOk);
    }
    CWelcomeEditorDialog dialog(context, path);
    ASSERT_TRUE(dialog.Initialize());
    EXPECT_TRUE(dialog.IsChecked(kOwn));
    EXPECT_EQ(dialog.ItemText(kLines[0]), "  BRAVOLT"); // read back without its padding
    dialog.Click(kOwn);
    dialog.Click(kIdOk);
    for (std::size_t offset :
         {std::size_t(0x1E80), std::size_t(0x1E82), std::size_t(0x1ED9), std::size_t(0x1EFF)}) {
        EXPECT_EQ(ByteOf(path, offset), 0xFF) << offset;
    }
}

TEST_F(WelcomeEditor, ValueListsShareBytesThreeAndFour) {
    std::string path = ErasedPage();
    CWelcomeEditorDialog dialog(context, path);
    ASSERT_TRUE(dialog.Initialize());
    int values[] = {1, 2, 15, 0}; // A, B, C, D in lists 1141, 1140, 1139, 1138
    int lists[] = {1141, 1140, 1139, 1138};
    for (int i = 0; i < 4; ++i) {
        auto* list = dialog.ItemAs<QComboBox>(lists[i]);
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->count(), 16);
        list->setCurrentIndex(values[i]);
        Q_EMIT list->activated(values[i]);
    }
    ASSERT_TRUE(dialog.Click(kIdOk));
    EXPECT_EQ(ByteOf(path, 3), 0x21);
    EXPECT_EQ(ByteOf(path, 4), 0x0F);
}

TEST_F(WelcomeEditor, PageFilesGetTheirExtension) {
    std::string path = ErasedPage();
    CWelcomeEditorDialog dialog(context, path);
    ASSERT_TRUE(dialog.Initialize());
    dialog.Click(kOwn);
    dialog.SetItemText(kLines[0], "abc");
    for (int i = 1; i < 4; ++i)
        dialog.SetItemText(kLines[i], "");
    ui.saveFiles = {QString::fromStdString(folder.File("page.txt")),
                    QString::fromStdString(folder.File("p.BGS"))};
    dialog.Click(kSave);
    dialog.Click(kSave);
    EXPECT_EQ(folder.Read("page.txt.bgs"), "abc" + std::string(85, ' '));
    EXPECT_TRUE(folder.Exists("p.BGS.bgs"));
    EXPECT_EQ(ui.chooserStarts.back().toStdString(), folder.Path() + "/Begrüssungsseiten");

    folder.Write("mine.bgs", "Line one\nLine two\n");
    ui.openFiles = {QString::fromStdString(folder.File("mine")),
                    QString::fromStdString(folder.File("missing.bgs"))};
    dialog.Click(kLoad);
    EXPECT_EQ(dialog.ItemText(kLines[0]), "Line one");
    EXPECT_EQ(dialog.ItemText(kLines[1]), "Line two");
    dialog.Click(kLoad);
    EXPECT_EQ(ui.MessageNumbers(), "10.004");
}

TEST_F(WelcomeEditor, APageFileThatCannotBeCreatedIsReported) {
    std::string path = ErasedPage();
    std::filesystem::create_directory(folder.File("taken.bgs"));
    CWelcomeEditorDialog dialog(context, path);
    ASSERT_TRUE(dialog.Initialize());
    dialog.Click(kOwn);
    for (const char* chosen : {"no such folder/page.bgs", "taken"}) {
        SCOPED_TRACE(chosen);
        ui.Clear();
        ui.saveFiles = {QString::fromStdString(folder.File(chosen))};
        dialog.Click(kSave);
        EXPECT_EQ(ui.MessageNumbers(), "10.005");
        EXPECT_FALSE(dialog.HasEnded());
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("taken.bgs")));
}

TEST_F(WelcomeEditor, FilesItCannotEditCloseIt) {
    folder.Write("text.dat", "hello\r\n");
    std::string small = WriteDat("small.dat", 3, 0x80, 0x100);
    struct Case {
        std::string path;
        std::string messages;
    } cases[] = {
        {folder.File("text.dat"), "10.001"}, {folder.File("missing.dat"), "10.002"}, {small, "10.006"}};
    for (const Case& c : cases) {
        ui.Clear();
        CWelcomeEditorDialog dialog(context, c.path);
        ASSERT_TRUE(dialog.Initialize());
        EXPECT_TRUE(dialog.HasEnded());
        EXPECT_EQ(dialog.Result(), kIdCancel);
        EXPECT_EQ(ui.MessageNumbers(), c.messages);
    }
    EXPECT_NE(ui.messages.empty() ? QString() : ui.messages[0].text, QString());
}

TEST_F(WelcomeEditor, UnsavableFileKeepsTheDialogOpen) {
    std::string path = ErasedPage();
    CWelcomeEditorDialog dialog(context, path);
    ASSERT_TRUE(dialog.Initialize());
    std::filesystem::remove(path);
    std::filesystem::create_directory(path); // nothing can replace it now
    dialog.Click(kIdOk);
    EXPECT_FALSE(dialog.HasEnded());
    EXPECT_EQ(ui.MessageNumbers(), "10.003");
}

} // namespace
} // namespace qbx

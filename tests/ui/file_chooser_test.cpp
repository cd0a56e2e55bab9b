// The file and folder choosers as a person meets them: where they start,
// what they fill in, and that saving asks no question of its own.
#include "tests/support/qstring_printer.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/modal_script.h"
#include "ui/file_chooser.h"
#include "ui/qt_user_interface.h"

#include <QFileDialog>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <unistd.h>

namespace qbx {
namespace {

const QString kPageFilter = "Welcome pages (*.bgs)|*.bgs||";

TEST(ChooserStartFolder, AMissingFolderGivesItsNearestExistingAncestor) {
    TempFolder temp;
    std::filesystem::create_directories(temp.File("Funktionsdaten"));
    temp.Write("file.dat", "x");
    QString base = QString::fromStdString(temp.Path());
    struct {
        QString asked, expected;
    } cases[] = {{base + "/Funktionsdaten", base + "/Funktionsdaten"},
                 {base + "/Funktionsdaten/", base + "/Funktionsdaten"},
                 {base + "/Begrüssungsseiten", base},
                 {base + "/a/b/c", base},
                 {base + "/Funktionsdaten/a/b", base + "/Funktionsdaten"},
                 {base + "/file.dat", base}, // a file where a folder was meant
                 {base + "/file.dat/x", base},
                 {"/", "/"},
                 {"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(ChooserStartFolder(c.asked), c.expected) << c.asked.toStdString();

    // A relative folder from the folder file is the program folder's, the current one.
    std::filesystem::path before = std::filesystem::current_path();
    ASSERT_EQ(chdir(temp.Path().c_str()), 0);
    EXPECT_EQ(ChooserStartFolder("Funktionsdaten"), base + "/Funktionsdaten");
    EXPECT_EQ(ChooserStartFolder("Begrüssungsseiten"), base);
    ASSERT_EQ(chdir(before.c_str()), 0);
}

class QtChooser : public testing::Test {
  protected:
    void SetUp() override {
        base = QString::fromStdString(temp.Path());
        std::filesystem::create_directories(temp.File("Funktionsdaten"));
        temp.Write("Kessel Nord.bgs", "x");
    }
    // Runs `choose` while `step` handles the chooser it opens; a step that
    // leaves the chooser open cancels it.
    QString Run(const std::function<QString()>& choose, const std::function<void(QFileDialog&)>& step) {
        ModalScript script({[&](QWidget* widget) {
            auto* chooser = qobject_cast<QFileDialog*>(widget);
            if (!chooser) {
                ADD_FAILURE() << "not a file chooser: " << widget->metaObject()->className();
            } else {
                step(*chooser);
                if (chooser->isVisible()) chooser->reject();
            }
        }});
        QString chosen = choose();
        EXPECT_TRUE(script.Finished());
        EXPECT_EQ(script.unexpected, 0) << "a box the chooser should not have asked";
        return chosen;
    }
    std::function<QString()> Choose(ChooserKind kind, const QString& start) {
        return [this, kind, start] {
            switch (kind) {
            case ChooserKind::Open:
                return ui.ChooseOpenFile(nullptr, "Page", start, kPageFilter);
            case ChooserKind::Save:
                return ui.ChooseSaveFile(nullptr, "Page", start, kPageFilter);
            case ChooserKind::Folder:
                return ui.ChooseFolder(nullptr, "Folder", start);
            }
            return QString();
        };
    }
    static QString NameField(const QFileDialog& chooser) {
        auto* edit = chooser.findChild<QLineEdit*>("fileNameEdit");
        return edit ? edit->text() : "<no name field>";
    }

    TempFolder temp;
    QString base;
    CQtUserInterface ui;
};

TEST_F(QtChooser, EveryChooserStartsInTheNearestExistingFolderWithNoName) {
    struct {
        QString asked, shown;
    } starts[] = {{"/Funktionsdaten", "/Funktionsdaten"}, {"/Begrüssungsseiten", ""}, {"/x/y", ""}};
    for (ChooserKind kind : {ChooserKind::Open, ChooserKind::Save, ChooserKind::Folder}) {
        for (const auto& start : starts) {
            SCOPED_TRACE(static_cast<int>(kind));
            SCOPED_TRACE(start.asked.toStdString());
            QString chosen = Run(Choose(kind, base + start.asked), [&](QFileDialog& chooser) {
                EXPECT_EQ(chooser.directory().absolutePath(), base + start.shown);
                EXPECT_EQ(NameField(chooser), "");
                EXPECT_EQ(chooser.windowTitle(), kind == ChooserKind::Folder ? "Folder" : "Page"); // what for
                EXPECT_TRUE(chooser.testOption(QFileDialog::DontUseNativeDialog));
            });
            EXPECT_EQ(chosen, "");
        }
    }
}

TEST_F(QtChooser, EnterWithoutANameSavesNothing) {
    // The welcome-page folder of a fresh program folder does not exist: Enter
    // must not choose a file named like it in the program folder.
    QString chosen = Run(Choose(ChooserKind::Save, base + "/Begrüssungsseiten"), [](QFileDialog& chooser) {
        QMetaObject::invokeMethod(&chooser, "accept");
        EXPECT_TRUE(chooser.isVisible());
    });
    EXPECT_EQ(chosen, "");
}

TEST_F(QtChooser, ChosenPathsComeBackWhole) {
    struct {
        ChooserKind kind;
        QString name, expected;
    } cases[] = {{ChooserKind::Open, "Kessel Nord.bgs", "/Kessel Nord.bgs"},
                 // An existing file: the callers ask their own question about it.
                 {ChooserKind::Save, "Kessel Nord.bgs", "/Kessel Nord.bgs"},
                 {ChooserKind::Save, "Neu.bgs", "/Neu.bgs"},
                 {ChooserKind::Folder, "Funktionsdaten", "/Funktionsdaten"}};
    for (const auto& c : cases) {
        QString chosen = Run(Choose(c.kind, base), [&](QFileDialog& chooser) {
            // Typed, as a person would: selectFile leaves the field alone
            // once it has the focus, which depends on when the window came up.
            auto* edit = chooser.findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(edit, nullptr);
            edit->setText(c.name);
            QMetaObject::invokeMethod(&chooser, "accept");
        });
        EXPECT_EQ(chosen, base + c.expected) << c.name.toStdString();
    }
}

} // namespace
} // namespace qbx

// Message boxes and the texts of Qt's own boxes in each language.
#include "language/language_module.h"
#include "tests/support/qstring_printer.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/modal_script.h"
#include "ui/qt_user_interface.h"

#include <QFileDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace qbx {
namespace {

// Shows a message through the Qt interface while `step` handles its box.
MessageAnswer Show(MessageKind kind, const QString& text, const std::function<void(QMessageBox&)>& step) {
    CQtUserInterface ui;
    ModalScript script({[&](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (!box) {
            ADD_FAILURE() << "not a message box";
            return;
        }
        step(*box);
        if (box->isVisible()) box->reject();
    }});
    MessageAnswer answer = ui.ShowMessage(nullptr, "Quillbox-Message 7.052", text, kind);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(script.unexpected, 0);
    return answer;
}

TEST(QtMessage, TextsShowAsTypedInEveryKind) {
    // A path may hold what looks like markup; it must not turn italic or lose its line break.
    const QString text = "C:/Daten/<i>Kessel</i> & <b>Nord</b>.dat\nexistiert bereits.";
    for (MessageKind kind : {MessageKind::Notice, MessageKind::Question, MessageKind::Caution}) {
        Show(kind, text, [&](QMessageBox& box) {
            EXPECT_EQ(box.textFormat(), Qt::PlainText);
            auto* label = box.findChild<QLabel*>("qt_msgbox_label");
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            EXPECT_EQ(label->text(), text);
        });
    }
}

// The title bar is only as wide as the box; a short text made it cut the
// caption ("Quillbox-M…age 8.002").
TEST(QtMessage, TheBoxIsWideEnoughForItsCaption) {
    Show(MessageKind::Notice, "OK.", [&](QMessageBox& box) {
        QFont bold = box.font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        EXPECT_GE(box.width(), metrics.horizontalAdvance(box.windowTitle()) + 3 * metrics.height());
    });
}

TEST(QtMessage, ButtonsIconsAndAnswers) {
    struct {
        MessageKind kind;
        QMessageBox::Icon icon;
        QMessageBox::StandardButton press; // NoButton: closed with Escape
        MessageAnswer answer;
    } cases[] = {{MessageKind::Notice, QMessageBox::Warning, QMessageBox::Ok, MessageAnswer::Ok},
                 {MessageKind::Information, QMessageBox::Information, QMessageBox::Ok, MessageAnswer::Ok},
                 {MessageKind::Notice, QMessageBox::Warning, QMessageBox::NoButton, MessageAnswer::Ok},
                 {MessageKind::Question, QMessageBox::Question, QMessageBox::Yes, MessageAnswer::Yes},
                 {MessageKind::Question, QMessageBox::Question, QMessageBox::No, MessageAnswer::No},
                 {MessageKind::Question, QMessageBox::Question, QMessageBox::NoButton, MessageAnswer::No},
                 {MessageKind::Caution, QMessageBox::Warning, QMessageBox::Yes, MessageAnswer::Yes},
                 {MessageKind::Caution, QMessageBox::Warning, QMessageBox::NoButton, MessageAnswer::No}};
    for (const auto& c : cases) {
        MessageAnswer answer = Show(c.kind, "Text", [&](QMessageBox& box) {
            EXPECT_EQ(box.icon(), c.icon);
            bool question = IsQuestion(c.kind);
            QMessageBox::StandardButtons buttons = QMessageBox::Ok;
            if (question) buttons = QMessageBox::Yes | QMessageBox::No;
            EXPECT_EQ(box.standardButtons(), buttons);
            EXPECT_EQ(box.defaultButton(), box.button(question ? QMessageBox::No : QMessageBox::Ok));
            if (c.press == QMessageBox::NoButton)
                box.reject();
            else
                box.button(c.press)->click();
        });
        EXPECT_EQ(answer, c.answer) << static_cast<int>(c.kind) << " " << c.press;
    }
}

TEST(QtTexts, QtsOwnBoxesSpeakTheModulesLanguage) {
    struct {
        const char* module;
        QString yes, no, ok, lookIn, save;
    } cases[] = {{"QbxDEU.dll", "&Ja", "&Nein", "&OK", "Suchen in:", "S&peichern"},
                 {"QbxITA.dll", "&Sì", "&No", "&OK", "Cerca in:", "&Salva"},
                 // Last: a freed module takes Qt's texts with it.
                 {"QbxENU.dll", "&Yes", "&No", "&OK", "Look in:", "&Save"}};
    TempFolder folder;
    CQtUserInterface ui;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.module);
        CLanguageModule module;
        ASSERT_TRUE(module.Load(std::string(QBX_PROGRAM_DIR) + "/" + c.module));
        Show(MessageKind::Question, "?", [&](QMessageBox& box) {
            EXPECT_EQ(box.button(QMessageBox::Yes)->text(), c.yes);
            EXPECT_EQ(box.button(QMessageBox::No)->text(), c.no);
        });
        Show(MessageKind::Notice, "!",
             [&](QMessageBox& box) { EXPECT_EQ(box.button(QMessageBox::Ok)->text(), c.ok); });
        ModalScript script({[&](QWidget* widget) {
            auto* chooser = qobject_cast<QFileDialog*>(widget);
            ASSERT_NE(chooser, nullptr);
            EXPECT_EQ(chooser->labelText(QFileDialog::LookIn), c.lookIn);
            EXPECT_EQ(chooser->labelText(QFileDialog::Accept), c.save);
            chooser->reject();
        }});
        ui.ChooseSaveFile(nullptr, "Pages", QString::fromStdString(folder.Path()), "Pages (*.bgs)");
        EXPECT_TRUE(script.Finished());
    }
}

} // namespace
} // namespace qbx

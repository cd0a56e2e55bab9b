#include "ui/message_box.h"

#include "ui/caption_room.h"
#include "ui/mnemonics.h"

#include <QGridLayout>
#include <QSpacerItem>

namespace qbx {

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* owner, const QString& caption, const QString& text,
                                            MessageKind kind) {
    auto box = std::make_unique<QMessageBox>(owner);
    box->setWindowTitle(caption);
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    if (!IsQuestion(kind)) {
        box->setIcon(kind == MessageKind::Information ? QMessageBox::Information : QMessageBox::Warning);
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
    } else {
        box->setIcon(kind == MessageKind::Caution ? QMessageBox::Warning : QMessageBox::Question);
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::No);
        box->setEscapeButton(QMessageBox::No);
    }
    // Qt marks Yes and No but not OK.
    AssignMnemonics(*box);
    // The box sizes itself to its layout; a row of its own keeps the caption whole.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        grid->addItem(
            new QSpacerItem(CaptionWidth(*box, caption), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
            grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box;
}

MessageAnswer AnswerOf(const QMessageBox& box, MessageKind kind) {
    if (!IsQuestion(kind)) return MessageAnswer::Ok;
    return box.clickedButton() == box.button(QMessageBox::Yes) ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace qbx

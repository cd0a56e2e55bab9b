// Reading and setting controls of a CDialog by identifier, whatever widget
// class the template uses for them.
#include "ui/dialog.h"
#include "ui/mnemonics.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTextEdit>

namespace qbx {

void CDialog::SetItemText(int id, const QString& text) {
    QWidget* item = Item(id);
    // Texts are shown as they stand: an "&" in a path is no access letter.
    if (item && ReadsMnemonic(*item)) {
        if (auto* label = qobject_cast<QLabel*>(item))
            label->setText(EscapeMnemonic(text));
        else
            static_cast<QAbstractButton*>(item)->setText(EscapeMnemonic(text));
        if (mnemonicsAssigned) AssignMnemonics(*this);
    } else if (auto* label = qobject_cast<QLabel*>(item))
        label->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(item))
        edit->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(item))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(item))
        group->setTitle(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(item))
        plain->setPlainText(text);
    else if (auto* rich = qobject_cast<QTextEdit*>(item))
        rich->setPlainText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(item))
        combo->setCurrentText(text);
}

QString CDialog::ItemText(int id) const {
    QWidget* item = Item(id);
    if (item && ReadsMnemonic(*item)) {
        auto* label = qobject_cast<QLabel*>(item);
        return StripMnemonic(label ? label->text() : static_cast<QAbstractButton*>(item)->text());
    }
    if (auto* label = qobject_cast<QLabel*>(item)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(item)) return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(item)) return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(item)) return group->title();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(item)) return plain->toPlainText();
    if (auto* rich = qobject_cast<QTextEdit*>(item)) return rich->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(item)) return combo->currentText();
    return {};
}

void CDialog::SetItemToolTip(int id, const QString& text) {
    if (QWidget* item = Item(id)) item->setToolTip(text);
}

QString CDialog::ItemToolTip(int id) const {
    QWidget* item = Item(id);
    return item ? item->toolTip() : QString();
}

void CDialog::EnableItem(int id, bool enable) {
    if (QWidget* item = Item(id)) item->setEnabled(enable);
}

bool CDialog::IsItemEnabled(int id) const {
    QWidget* item = Item(id);
    return item && item->isEnabled();
}

void CDialog::SetCheck(int id, bool checked) {
    if (auto* button = ItemAs<QAbstractButton>(id)) button->setChecked(checked);
}

bool CDialog::IsChecked(int id) const {
    auto* button = ItemAs<QAbstractButton>(id);
    return button && button->isChecked();
}

void CDialog::SetFocusTo(int id) {
    if (QWidget* item = Item(id)) item->setFocus();
}

void CDialog::SetProgressRange(int id, int low, int high) {
    if (auto* bar = ItemAs<QProgressBar>(id)) bar->setRange(low, high);
}

void CDialog::SetProgressPos(int id, int position) {
    if (auto* bar = ItemAs<QProgressBar>(id)) bar->setValue(position);
}

int CDialog::ProgressPos(int id) const {
    auto* bar = ItemAs<QProgressBar>(id);
    return bar ? bar->value() : 0;
}

int CDialog::RadioIndex(int groupId) const {
    QWidget* group = Item(groupId);
    if (!group) return -1;
    const auto buttons = group->findChildren<QRadioButton*>();
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->isChecked()) return i;
    }
    return -1;
}

void CDialog::SetRadioIndex(int groupId, int index) {
    QWidget* group = Item(groupId);
    if (!group) return;
    const auto buttons = group->findChildren<QRadioButton*>();
    if (index >= 0 && index < buttons.size()) buttons[index]->setChecked(true);
}

} // namespace qbx

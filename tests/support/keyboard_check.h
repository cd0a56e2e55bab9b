#pragma once
#include "ui/mnemonics.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QSet>
#include <string>
#include <vector>

namespace qbx::test {

// What keeps `window` from being worked with the keyboard: a control with a
// text but not exactly one access letter, a letter twice, a field no label
// names (other than `unlabelled`), a button other than "1" that takes Enter.
inline std::vector<std::string> KeyboardFaults(const QWidget& window, const QSet<QString>& unlabelled = {}) {
    std::vector<std::string> faults;
    auto name = [](const QWidget* w) { return w->objectName().toStdString(); };
    QMap<QChar, const QWidget*> letters;
    QSet<const QWidget*> named;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<const QLabel*>(control); label && label->buddy())
            named.insert(label->buddy());
        if (!TakesMnemonic(*control)) continue;
        const QString text = qobject_cast<const QLabel*>(control)
                                 ? qobject_cast<const QLabel*>(control)->text()
                                 : qobject_cast<const QAbstractButton*>(control)->text();
        int markers = 0;
        for (int i = 0; i + 1 < text.size(); ++i) {
            if (text[i] == '&') markers += text[++i] != '&';
        }
        const QChar letter = MnemonicOf(text);
        if (markers != 1 || !letter.isLetterOrNumber())
            faults.push_back(name(control) + " \"" + text.toStdString() + "\": not one access letter");
        else if (letters.contains(letter))
            faults.push_back(name(control) + " \"" + text.toStdString() + "\": letter of " +
                             name(letters[letter]));
        else
            letters[letter] = control;
    }
    for (const QWidget* field : window.findChildren<QWidget*>()) {
        if (!qobject_cast<const QLineEdit*>(field) && !qobject_cast<const QComboBox*>(field)) continue;
        if (qobject_cast<const QComboBox*>(field->parentWidget())) continue; // a combo box's own edit
        if (!named.contains(field) && !unlabelled.contains(field->objectName()))
            faults.push_back(name(field) + ": no label names it");
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        const bool ok = button->objectName() == QLatin1String("1");
        if (button->autoDefault() || button->isDefault() != ok)
            faults.push_back(name(button) + (ok ? ": not the default button" : ": takes Enter"));
    }
    return faults;
}

} // namespace qbx::test

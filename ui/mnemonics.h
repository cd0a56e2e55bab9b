#pragma once
#include <QString>

class QWidget;

namespace qbx {

// Keyboard access letters ("&" before a letter in a control's text).

// A text shown as it stands in a control that reads "&" as a marker.
QString EscapeMnemonic(const QString& text);
// The text a person reads: without the marker, "&&" back to "&".
QString StripMnemonic(const QString& text);
// The marked character in lower case, or a null QChar.
QChar MnemonicOf(const QString& text);

// Buttons, check boxes, radio buttons and labels with a buddy: the
// controls whose texts read "&" as a marker.
bool ReadsMnemonic(const QWidget& control);
// Those of them with a text.
bool TakesMnemonic(const QWidget& control);

// Gives every control of `window` that takes one a letter no other control
// there has: a marker already in a text is kept; otherwise the first letter
// of a word, then any letter, then a digit; when the text has none left, a
// free one in brackets after it, as in " (&Q)".
void AssignMnemonics(QWidget& window);

} // namespace qbx

#pragma once
#include "ui/dialog.h"
#include "ui/mnemonics.h"

#include <QLabel>
#include <QStringList>
#include <algorithm>
#include <string>

namespace qbx {

// The least a window must be wide for the window manager to show its
// caption whole: the caption in bold and the title bar's buttons beside it.
inline int CaptionNeed(const QWidget& window) {
    QFont bold = window.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(window.windowTitle()) + 3 * metrics.height();
}

// Empty when the label shows its text whole: the text fits the label's
// contents (wrapped where the label wraps) and the label lies inside the
// window; else what is cut.
inline std::string CutText(const CDialog& dialog, const QLabel* label) {
    // A label naming a field shows its access letter underlined, not its "&".
    const QString text = label->buddy() ? StripMnemonic(label->text()) : label->text();
    QRect room = label->contentsRect();
    room.adjust(label->margin(), label->margin(), -label->margin(), -label->margin());
    const QFontMetrics metrics = label->fontMetrics();
    // A framed label indents its text by half an "x" unless told otherwise.
    int indent = label->indent() >= 0      ? label->indent()
                 : label->frameWidth() > 0 ? metrics.horizontalAdvance('x') / 2
                                           : 0;
    room.setWidth(room.width() - indent);
    // An unwrapped label breaks its text only at line breaks.
    const QStringList lines = text.split('\n');
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int count = static_cast<int>(lines.size());
    QSize need(widest, metrics.height() * count + metrics.leading() * (count - 1));
    if (label->wordWrap())
        need = metrics.boundingRect(QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap, text).size();
    const QRect inWindow(label->mapTo(&dialog, room.topLeft()), room.size());
    if (need.width() <= room.width() && need.height() <= room.height() && dialog.rect().contains(inWindow))
        return "";
    return "\"" + text.toStdString() + "\" needs " + std::to_string(need.width()) + "x" +
           std::to_string(need.height()) + ", has " + std::to_string(room.width()) + "x" +
           std::to_string(room.height()) + " at x " + std::to_string(inWindow.x()) + " in a window " +
           std::to_string(dialog.width()) + " wide";
}

inline std::string CutText(const CDialog& dialog, int id) {
    auto* label = dialog.ItemAs<QLabel>(id);
    if (!label) return "control " + std::to_string(id) + " is no label";
    return CutText(dialog, label);
}

} // namespace qbx

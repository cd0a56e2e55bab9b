#include "ui/caption_room.h"

#include <QFontMetrics>
#include <QWidget>

namespace qbx {
namespace {

// The window manager's icon at the left and three buttons at the right.
constexpr int kTitleBarFurnitureInLines = 6;

} // namespace

int CaptionWidth(const QWidget& window, const QString& caption) {
    QFont font = window.font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(caption) + kTitleBarFurnitureInLines * metrics.height();
}

} // namespace qbx

#pragma once
#include <QString>

class QWidget;

namespace qbx {

// The width a window needs so that the window manager can show its caption
// whole: the title bar is only as wide as the window, and a caption such as
// "Quillbox-Message 8.002" or a long Italian title was cut in the middle.
// The title font is the window manager's; the window's own font in bold is
// close to it, and the title bar's icon and buttons take a few lines' height.
int CaptionWidth(const QWidget& window, const QString& caption);

} // namespace qbx

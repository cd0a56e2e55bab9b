// Keeping texts whole that change while the interface thread is busy: Qt
// redoes a layout only from the event loop.
#include "ui/dialog.h"

#include <QLabel>
#include <QLayout>

#include <algorithm>

namespace qbx {

void CDialog::ReserveTextWidth(int id, const std::vector<QString>& texts) {
    auto* label = ItemAs<QLabel>(id);
    if (!label) return;
    label->ensurePolished(); // the style's font decides the widths
    const QString shown = label->text();
    int width = label->minimumWidth();
    for (const QString& text : texts) {
        label->setText(text);
        width = std::max(width, label->sizeHint().width());
    }
    label->setText(shown);
    label->setMinimumWidth(width);
}

bool CDialog::FitItem(int id) {
    QWidget* item = Item(id);
    if (!item || !item->isVisible()) return false; // showing lays the dialog out anyway
    const QSize need = item->sizeHint();
    if (need.width() <= item->width() && item->minimumSizeHint().height() <= item->height()) return false;
    // A width reserved earlier is the label's minimum for the layout, whatever
    // its text: raise it, or the layout keeps the old room.
    if (item->minimumWidth() > 0) item->setMinimumWidth(std::max(item->minimumWidth(), need.width()));
    // The template's layouts nest. Drop the cached sizes from the control out
    // to the window, then activate from the inside out: each activation
    // recomputes the layouts below it, and the window's own grows the window
    // and hands the inner ones their new room.
    std::vector<QLayout*> layouts;
    for (QWidget* widget = item; widget != this && widget->parentWidget(); widget = widget->parentWidget()) {
        widget->updateGeometry();
        if (QLayout* layout = widget->parentWidget()->layout()) layouts.push_back(layout);
    }
    for (QLayout* layout : layouts)
        layout->activate();
    return true;
}

} // namespace qbx

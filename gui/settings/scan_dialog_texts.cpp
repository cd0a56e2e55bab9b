#include "gui/settings/scan_dialog_texts.h"

#include "core/app_state.h"
#include "core/edition.h"

#include <QAbstractButton>
#include <QLabel>
#include <algorithm>

namespace qbx {

void LoadEditionLabels(CDialog& dialog, const std::vector<int>& controls, int edition1First,
                       int edition2First) {
    int first = AppState().edition == kCustomerEdition ? edition2First : edition1First;
    for (std::size_t i = 0; i < controls.size(); ++i)
        dialog.SetItemText(controls[i], dialog.String(first + static_cast<int>(i)));
}

void ReserveTextRoom(CDialog& dialog, int id, const std::vector<QString>& texts) {
    dialog.ReserveTextWidth(id, texts);
    auto* label = dialog.ItemAs<QLabel>(id);
    if (!label) return;
    const QString shown = label->text();
    int height = label->minimumHeight();
    for (const QString& text : texts) {
        label->setText(text);
        height = std::max(height, label->sizeHint().height());
    }
    label->setText(shown);
    label->setMinimumHeight(height);
}

void ReserveCaptionWidth(CDialog& dialog, int id, const std::vector<QString>& captions) {
    auto* button = dialog.ItemAs<QAbstractButton>(id);
    if (!button) return;
    button->ensurePolished();
    const QString shown = button->text();
    int width = button->minimumWidth();
    for (const QString& caption : captions) {
        button->setText(caption);
        width = std::max(width, button->sizeHint().width());
    }
    button->setText(shown);
    button->setMinimumWidth(width);
}

} // namespace qbx

#include "ui/connecting_view.h"

#include "ui/dialog.h"

#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QVBoxLayout>

namespace qbx {
namespace {

// The loaded template: the dialog's first child widget.
QWidget* ContentOf(CDialog& dialog) {
    QLayoutItem* item = dialog.layout() ? dialog.layout()->itemAt(0) : nullptr;
    return item ? item->widget() : nullptr;
}

} // namespace

CConnectingView::CConnectingView(CDialog& dialog, const QString& status)
    : dialog(dialog), panel(new QWidget(&dialog)) {
    QWidget* content = ContentOf(dialog);
    contentWasEnabled = content && content->isEnabled();
    if (content) content->setEnabled(false);
    auto* rows = new QVBoxLayout(panel);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addWidget(new QLabel(status, panel));
    auto* bar = new QProgressBar(panel);
    bar->setObjectName(QStringLiteral("connectingBar"));
    bar->setRange(0, 0); // no range: the style's moving busy bar
    bar->setTextVisible(false);
    rows->addWidget(bar);
    if (dialog.layout()) dialog.layout()->addWidget(panel);
    // Modal before it shows: a dialog shown first and made modal later would
    // leave the window behind it open to clicks.
    if (!dialog.isVisible()) {
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
    }
    CDialog::PumpWhileWaiting();
}

CConnectingView::~CConnectingView() {
    delete panel;
    if (QWidget* content = ContentOf(dialog)) content->setEnabled(contentWasEnabled);
    dialog.adjustSize();
}

} // namespace qbx

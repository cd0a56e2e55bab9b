#include "gui/about_box.h"

#include "core/app_state.h"
#include "core/edition.h"
#include "core/home_page.h"
#include "gui/product_version.h"

#include <QLabel>

namespace qbx {

CAboutBox::CAboutBox(CUiContext& context, QWidget* parent) : CDialog(context, kAboutTemplate, parent) {}

bool CAboutBox::OnInitDialog() {
    ShowProductVersion(*this);
    int edition = AppState().edition;
    SetItemText(kAboutHomePageLink, QString::fromStdString(HomePageHost(edition)));
    if (edition == kCustomerEdition) SetItemText(kAboutProductLine, kOemProductName);
    if (auto* link = ItemAs<QLabel>(kAboutHomePageLink)) {
        QFont font = link->font();
        font.setUnderline(true);
        link->setFont(font);
        QPalette palette = link->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
        link->setPalette(palette);
    }
    OnCommand(kAboutHomePageLink,
              [this, edition] { Context().ui.OpenUrl(QString::fromStdString(HomePageUrl(edition))); });
    return true;
}

} // namespace qbx

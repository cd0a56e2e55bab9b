#include "gui/product_version.h"

#include "operations/string_ids.h"
#include "ui/dialog.h"

namespace qbx {

void ShowProductVersion(CDialog& box) {
    box.SetItemText(kVersionLine,
                    QString::fromStdString(FormatMessage(box.String(str::kProductVersion).toStdString(),
                                                         {QBX_PRODUCT_VERSION})));
}

} // namespace qbx

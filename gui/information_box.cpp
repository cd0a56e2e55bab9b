#include "gui/information_box.h"

#include "core/app_state.h"
#include "core/edition.h"
#include "gui/product_version.h"

namespace qbx {
namespace {
constexpr int kOemInformationString = 11450;
constexpr int kStandardInformationString = 11451;
} // namespace

CInformationBox::CInformationBox(CUiContext& context, QWidget* parent)
    : CDialog(context, kInformationTemplate, parent) {}

bool CInformationBox::OnInitDialog() {
    ShowProductVersion(*this);
    SetItemText(
        kInformationText,
        String(AppState().edition == kCustomerEdition ? kOemInformationString : kStandardInformationString));
    return true;
}

} // namespace qbx

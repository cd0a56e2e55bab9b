#include "gui/settings/configuration_dialog.h"

namespace qbx {

int ConfigurationEntry(std::uint8_t value, int entries) {
    const int entry = value - 1;
    return entry >= 0 && entry < entries ? entry : -1;
}

std::uint8_t ConfigurationValue(int selected, std::uint8_t read) {
    return selected >= 0 ? static_cast<std::uint8_t>(selected + 1) : read;
}

CConfigurationDialog::CConfigurationDialog(CUiContext& context, std::uint8_t& value, QWidget* parent)
    : CDialog(context, kConfigurationTemplate, parent), value(value) {}

bool CConfigurationDialog::OnInitDialog() {
    SetCurSel(kConfigurationList, ConfigurationEntry(value, ItemCount(kConfigurationList)));
    return true;
}

void CConfigurationDialog::OnOK() {
    value = ConfigurationValue(CurSel(kConfigurationList), value);
    EndDialog(kIdOk);
}

} // namespace qbx

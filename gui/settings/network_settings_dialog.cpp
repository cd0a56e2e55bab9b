#include "gui/settings/network_settings_dialog.h"

#include "gui/settings/configuration_dialog.h"
#include "operations/bootloader_mode_messages.h"
#include "operations/bootloader_settings.h"
#include "operations/string_ids.h"
#include "ui/ip_address_field.h"

namespace qbx {
namespace {

constexpr int kAddress1 = 1114;
constexpr int kAddress2 = 1122;
constexpr int kAddress3 = 1123;
constexpr int kParameterByte = 1124;
constexpr int kParameterWord1 = 1125;
constexpr int kParameterWord2 = 1126;
constexpr int kByteDigits = 3;
constexpr int kWordDigits = 5;

} // namespace

CNetworkSettingsDialog::CNetworkSettingsDialog(CUiContext& context, std::uint8_t& configByte,
                                               NetworkSettings& settings, QWidget* parent)
    : CDialog(context, kNetworkSettingsTemplate, parent), configByte(configByte), settings(settings) {}

bool CNetworkSettingsDialog::OnInitDialog() {
    SetCurSel(kConfigurationList, ConfigurationEntry(configByte, ItemCount(kConfigurationList)));
    SetIpAddress(kAddress1, settings.address1);
    SetIpAddress(kAddress2, settings.address2);
    SetIpAddress(kAddress3, settings.address3);
    LimitText(kParameterByte, kByteDigits);
    LimitText(kParameterWord1, kWordDigits);
    LimitText(kParameterWord2, kWordDigits);
    SetItemNumber(kParameterByte, settings.parameterByte);
    SetItemNumber(kParameterWord1, settings.parameterWord1);
    SetItemNumber(kParameterWord2, settings.parameterWord2);
    return true;
}

// 192.168.0.300 must not become .30 or .255 unseen.
bool CNetworkSettingsDialog::AddressesAreAddresses() {
    for (int id : {kAddress1, kAddress2, kAddress3}) {
        std::array<unsigned char, 4> octets{};
        if (ParseIpAddress(ItemText(id), octets)) continue;
        Message(bootloader_mode::kGroup, bootloader_mode::kAddressRefused, str::kAddressRefused,
                {ItemText(id).toStdString()});
        SetFocusTo(id);
        return false;
    }
    return true;
}

// A number the device cannot keep is shown as it will be written, and the
// person confirms it with OK once more.
bool CNetworkSettingsDialog::ShowClamped(int id, long long typed, long long kept) {
    if (typed == kept) return false;
    SetItemNumber(id, kept);
    Message(bootloader_mode::kGroup, bootloader_mode::kValueClamped, str::kValueClamped, {typed, kept});
    SetFocusTo(id);
    return true;
}

void CNetworkSettingsDialog::OnOK() {
    long long byte = 0, word1 = 0, word2 = 0;
    // A field that holds no number keeps the dialog open, nothing taken.
    if (!TakeNumber(kParameterByte, NumberField::Signed16, byte) ||
        !TakeNumber(kParameterWord1, NumberField::Unsigned, word1) ||
        !TakeNumber(kParameterWord2, NumberField::Unsigned, word2))
        return;
    if (!AddressesAreAddresses()) return;
    if (ShowClamped(kParameterByte, byte, ClampParameterByte(byte)) ||
        ShowClamped(kParameterWord1, word1, ClampParameterWord(word1)) ||
        ShowClamped(kParameterWord2, word2, ClampParameterWord(word2)))
        return;
    configByte = ConfigurationValue(CurSel(kConfigurationList), configByte);
    settings.address1 = IpAddress(kAddress1);
    settings.address2 = IpAddress(kAddress2);
    settings.address3 = IpAddress(kAddress3);
    settings.parameterByte = ClampParameterByte(byte);
    settings.parameterWord1 = ClampParameterWord(word1);
    settings.parameterWord2 = ClampParameterWord(word2);
    EndDialog(kIdOk);
}

} // namespace qbx

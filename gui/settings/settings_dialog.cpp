#include "gui/settings/settings_dialog.h"

#include "core/settings_store.h"
#include "gui/language_dialog.h"
#include "gui/settings/bootloader_functions.h"
#include "gui/settings/folders_dialog.h"
#include "gui/settings/port_scan_dialog.h"
#include "gui/settings/tcp_status_dialog.h"
#include "link/serial_transport.h"
#include "operations/mode_switch.h"
#include "operations/settings_messages.h"
#include "operations/string_ids.h"
#include "platform/program_folder.h"
#include "platform/serial_port_path.h"

#include <QLineEdit>
#include <QRadioButton>
#include <cstdlib>
#include <unistd.h>

namespace qbx {
namespace {

constexpr int kComButtons[] = {1011, 1012, 1013, 1014, 1015, 1016};
constexpr int kTcpButton = 1113;
constexpr int kIpEdit = 1114;
constexpr int kPortEdit = 1115;
constexpr int kTcpStatusButton = 1116;
constexpr int kScanButton = 1019;
constexpr int kModeSwitchButton = 1024;
constexpr int kBootloaderSettingsButton = 1112;
constexpr int kFoldersButton = 1063;
constexpr int kLanguageButton = 1064;
constexpr int kTcpSelection = 6;
constexpr int kSerialPortCount = 6;
constexpr int kSettingsGroup = settings_dialog::kGroup;
constexpr int kSettingsNotSaved = settings_dialog::kNotSaved;
constexpr int kSettingsNotSavedText = settings_dialog::kNotSavedText;

int RadioFor(int value) {
    return value == kTcpSelection ? kTcpButton : kComButtons[value];
}

} // namespace

std::uint16_t PortFromText(const QString& text) {
    std::string digits = text.toStdString();
    return static_cast<std::uint16_t>(std::strtol(digits.c_str(), nullptr, 10));
}

CSettingsDialog::CSettingsDialog(CUiContext& context, QWidget* parent)
    : CDialog(context, kSettingsTemplate, parent) {}

bool CSettingsDialog::OnInitDialog() {
    [[maybe_unused]] int changed = chdir(ProgramFolder().c_str());
    CSettings settings;
    settings.Load(); // a missing file leaves the defaults
    selection = settings.interfaceIndex;
    ipText = QString::fromStdString(settings.ipAddress);
    portText = QString::number(settings.port);
    if (auto* ip = ItemAs<QLineEdit>(kIpEdit)) ip->setMaxLength(255);
    if (auto* port = ItemAs<QLineEdit>(kPortEdit)) port->setMaxLength(5);

    int state[kSerialPortCount] = {};
    int error[kSerialPortCount] = {};
    EnumerateSerialPorts(state, error, kSerialPortCount);
    for (int i = 0; i < kSerialPortCount; ++i) {
        if (state[i] != kPortMissing) continue;
        EnableItem(kComButtons[i], false); // a port in use can still be chosen
        SetItemToolTip(kComButtons[i], QString::fromStdString(FormatMessage(
                                           String(str::kNoSuchPort).toStdString(), {SerialPortPath(i + 1)})));
        if (selection == i) selection = -1;
    }
    // The serial and the network buttons sit in separate boxes, so the
    // group's exclusiveness is kept here rather than by the widgets.
    for (int value = 0; value <= kTcpSelection; ++value) {
        OnCommand(RadioFor(value), [this, value] {
            TakeValues();
            selection = value;
            ShowValues();
            ApplyEnablingRule();
        });
    }
    OnCommand(kFoldersButton, [this] {
        CFoldersDialog folders(Context(), this);
        folders.DoModal();
    });
    OnCommand(kLanguageButton, [this] {
        CLanguageDialog language(Context(), this);
        language.DoModal();
    });
    OnCommand(kScanButton, [this] {
        CPortScanDialog scan(Context(), this);
        scan.DoModal();
        if (scan.Port() < 1 || scan.Port() > kSerialPortCount) return;
        TakeValues();
        selection = scan.Port() - 1;
        ShowValues();
        ApplyEnablingRule();
    });
    // The address as typed, saved or not.
    OnCommand(kTcpStatusButton, [this] {
        CTcpStatusDialog status(Context(), ItemText(kIpEdit), PortFromText(ItemText(kPortEdit)), this);
        status.DoModal();
    });
    OnCommand(kModeSwitchButton, [this] {
        TakeValues();
        ModeSwitchFromDialog(*this, CurrentLink(), linkOptions);
    });
    OnCommand(kBootloaderSettingsButton, [this] {
        TakeValues();
        BootloaderSettingsFromDialog(*this, CurrentLink(), linkOptions);
    });
    ShowValues();
    ApplyEnablingRule();
    return true;
}

CSettings CSettingsDialog::CurrentLink() const {
    return LinkFromControls(selection, ipText.toStdString(), PortFromText(portText));
}

void CSettingsDialog::TakeValues() {
    selection = -1;
    for (int value = 0; value <= kTcpSelection; ++value) {
        if (IsChecked(RadioFor(value))) selection = value;
    }
    ipText = ItemText(kIpEdit);
    portText = ItemText(kPortEdit);
}

void CSettingsDialog::ShowValues() {
    for (int value = 0; value <= kTcpSelection; ++value) {
        if (auto* radio = ItemAs<QRadioButton>(RadioFor(value))) {
            // Exclusive buttons cannot all be cleared; "none" is a real state here.
            radio->setAutoExclusive(false);
            radio->setChecked(value == selection);
            radio->setAutoExclusive(true);
        }
    }
    SetItemText(kIpEdit, ipText);
    SetItemText(kPortEdit, portText);
}

void CSettingsDialog::ApplyEnablingRule() {
    bool tcp = selection == kTcpSelection;
    EnableItem(kIpEdit, tcp);
    EnableItem(kPortEdit, tcp);
    EnableItem(kTcpStatusButton, tcp);
    // A greyed control says why.
    for (int id : {kIpEdit, kPortEdit, kTcpStatusButton})
        SetItemToolTip(id, tcp ? QString() : String(str::kForTcpOnly));
    EnableItem(kIdOk, selection >= 0 && selection <= kTcpSelection);
}

void CSettingsDialog::OnOK() {
    TakeValues();
    if (selection < 0 || selection > kTcpSelection) return;
    CSettings settings;
    settings.Load(); // keeps the language as stored
    settings.interfaceIndex = static_cast<std::uint8_t>(selection);
    settings.ipAddress = ipText.toStdString();
    settings.port = PortFromText(portText);
    if (!settings.Save()) {
        // Stays open: the choice is not lost, and Cancel says it is given up.
        Message(kSettingsGroup, kSettingsNotSaved, kSettingsNotSavedText,
                {FilesFolder() + "/" + kSettingsFileName});
        return;
    }
    EndDialog(kIdOk);
}

} // namespace qbx

// The configuration and network-settings dialogs, alone and reached from the
// settings dialog's buttons against the simulator.
#include "gui/settings/configuration_dialog.h"
#include "gui/settings/network_settings_dialog.h"
#include "gui/settings/settings_dialog.h"
#include "operations/bootloader_settings.h"
#include "tests/gui/dialog_world.h"
#include "tests/gui/label_fit.h"
#include "ui/ip_address_field.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <filesystem>

namespace qbx {
namespace {

constexpr int kList = 1110;
constexpr int kByte = 1124, kWord1 = 1125, kWord2 = 1126;

// Every label of a shown dialog shows its text whole.
std::vector<std::string> CutLabels(CDialog& dialog) {
    dialog.show();
    QApplication::processEvents();
    std::vector<std::string> cut;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        std::string why = CutText(dialog, label);
        if (!why.empty()) cut.push_back(why);
    }
    return cut;
}

class BootloaderDialogs : public ModuleTest {};

TEST_F(BootloaderDialogs, TextsFitAndTheListIsTranslatedInEveryLanguage) {
    struct Language {
        const char* module;
        const char* firstEntry;
    } languages[] = {{"QbxDEU.dll", "Konfiguration 1"},
                     {"QbxENU.dll", "Configuration 1"},
                     {"QbxITA.dll", "Configurazione 1"}};
    for (const Language& language : languages) {
        LoadModule(language.module);
        std::uint8_t value = 1;
        NetworkSettings network{
            {255, 255, 255, 255}, {255, 255, 255, 255}, {255, 255, 255, 255}, 255, 65535, 65535};
        CConfigurationDialog configuration(context, value);
        CNetworkSettingsDialog settings(context, value, network);
        for (CDialog* dialog : std::initializer_list<CDialog*>{&configuration, &settings}) {
            ASSERT_TRUE(dialog->Initialize()) << language.module;
            EXPECT_EQ(CutLabels(*dialog), std::vector<std::string>{})
                << language.module << " " << dialog->TemplateId();
            EXPECT_EQ(dialog->ItemCount(kList), kConfigurationChoices);
            EXPECT_EQ(dialog->ItemText(kList).toStdString(), language.firstEntry);
            // The widest address shows whole in its field.
            for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
                const QFontMetrics metrics(edit->font());
                EXPECT_GE(edit->contentsRect().width(), metrics.horizontalAdvance(edit->text()))
                    << language.module << " " << edit->objectName().toStdString();
            }
        }
    }
}

TEST_F(BootloaderDialogs, ConfigurationListStandsForValuesFromOne) {
    struct Case {
        std::uint8_t opened;
        int selected;    // -1: left as it opened
        int shown;       // entry selected on opening
        std::uint8_t ok; // value after OK
    } cases[] = {{1, -1, 0, 1},
                 {3, 6, 2, 7},
                 {8, 0, 7, 1},
                 // A value the list does not offer opens without a selection
                 // and stays as it was unless an entry is chosen.
                 {0, -1, -1, 0},
                 {12, -1, -1, 12},
                 {12, 1, -1, 2}};
    for (const Case& c : cases) {
        std::uint8_t value = c.opened;
        CConfigurationDialog dialog(context, value);
        ASSERT_TRUE(dialog.Initialize());
        EXPECT_EQ(dialog.CurSel(kList), c.shown) << int(c.opened);
        if (c.selected >= 0) dialog.SetCurSel(kList, c.selected);
        ASSERT_TRUE(dialog.Click(kIdOk));
        EXPECT_EQ(dialog.Result(), kIdOk);
        EXPECT_EQ(value, c.ok) << int(c.opened);
    }
    std::uint8_t value = 4;
    CConfigurationDialog cancelled(context, value);
    ASSERT_TRUE(cancelled.Initialize());
    cancelled.SetCurSel(kList, 0);
    ASSERT_TRUE(cancelled.Click(kIdCancel));
    EXPECT_EQ(value, 4);
}

// What a field cannot keep is never changed unseen: a number outside its
// range is shown as it will be written and taken at the next OK; no number,
// or an address with a part above 255, keeps the dialog open with the
// field in focus.
TEST_F(BootloaderDialogs, NetworkFieldsClampOrRefuse) {
    struct Case {
        const char* byte;
        const char* word1;
        const char* word2;
        const char* address3;
        bool taken;           // after pressing OK as long as the dialog shows clamped values
        std::string messages; // of those presses; "" for a refusal of TakeNumber's own
        std::uint8_t parameterByte;
        std::uint16_t parameterWord1;
        int focusField;        // after the first OK, when it showed a message
        const char* shownByte; // the byte field after the first OK
    } cases[] = {
        {"300", "70000", "65535", "10.0.0.1", true, "5.056 5.056", 255, 65535, kByte, "255"},
        {"255", "0", "1", "10.0.0.1", true, "", 255, 0, 0, "255"},
        {" 7 ", "40000", "2", "10.0.0.1", true, "", 7, 40000, 0, " 7 "},
        {"-5", "1", "1", "10.0.0.1", true, "5.056", 0, 1, kByte, "0"}, // a signed field; below 0 is 0
        {"1", "1", "1", "10.0.0.300", false, "5.055", 9, 4000, 1123, "1"},
        {"abc", "1", "1", "10.0.0.1", false, "", 9, 4000, kByte, "abc"},
        {"", "1", "1", "10.0.0.1", false, "", 9, 4000, kByte, ""},
        {"1", "-1", "1", "10.0.0.1", false, "", 9, 4000, kWord1, "1"}, // unsigned: no sign
        {"1", "1", "1x", "10.0.0.1", false, "", 9, 4000, kWord2, "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.byte) + " " + c.word1 + " " + c.word2 + " " + c.address3);
        ui.Clear();
        std::uint8_t configByte = 2;
        NetworkSettings network{{192, 168, 0, 10}, {255, 255, 255, 0}, {0, 0, 0, 0}, 9, 4000, 5};
        CNetworkSettingsDialog dialog(context, configByte, network);
        ASSERT_TRUE(dialog.Initialize());
        dialog.show();
        EXPECT_EQ(dialog.ItemText(1114), "192.168.0.10");
        EXPECT_EQ(dialog.ItemText(1122), "255.255.255.0");
        EXPECT_EQ(dialog.ItemText(kByte), "9");
        EXPECT_EQ(dialog.ItemAs<QLineEdit>(kByte)->maxLength(), 3);
        EXPECT_EQ(dialog.ItemAs<QLineEdit>(kWord1)->maxLength(), 5);
        EXPECT_EQ(dialog.CurSel(kList), 1);
        dialog.SetItemText(kByte, c.byte);
        dialog.SetItemText(kWord1, c.word1);
        dialog.SetItemText(kWord2, c.word2);
        dialog.SetItemText(1123, c.address3);
        dialog.SetCurSel(kList, 4);
        ASSERT_TRUE(dialog.Click(kIdOk));
        EXPECT_EQ(dialog.ItemText(kByte), c.shownByte);
        if (!ui.messages.empty()) {
            EXPECT_EQ(dialog.focusWidget(), dialog.Item(c.focusField));
            EXPECT_EQ(network.parameterByte, 9); // nothing taken while a message showed
        }
        for (int press = 0; press < 3 && c.taken && !dialog.HasEnded(); ++press)
            ASSERT_TRUE(dialog.Click(kIdOk));
        EXPECT_EQ(dialog.HasEnded(), c.taken);
        if (c.messages.empty()) {
            EXPECT_EQ(ui.messages.size(), c.taken ? 0u : 1u);
        } else {
            EXPECT_EQ(ui.MessageNumbers(), c.messages);
        }
        EXPECT_EQ(network.parameterByte, c.parameterByte);
        EXPECT_EQ(network.parameterWord1, c.parameterWord1);
        EXPECT_EQ(configByte, c.taken ? 5 : 2);
        EXPECT_EQ(network.address3,
                  (c.taken ? std::array<std::uint8_t, 4>{10, 0, 0, 1} : std::array<std::uint8_t, 4>{}));
    }
}

TEST_F(BootloaderDialogs, AddressFieldsTakeOnlyAddresses) {
    CIpAddressValidator validator;
    struct Case {
        QString text;
        QValidator::State state;
    } cases[] = {{"192.168.0.1", QValidator::Acceptable}, {"10.0.", QValidator::Intermediate},
                 {"", QValidator::Intermediate},          {"256", QValidator::Intermediate},
                 {"1.2.3.256", QValidator::Intermediate}, // typed as typed, refused on OK
                 {"1.2.3.4.5", QValidator::Invalid},      {"1.2.3.1000", QValidator::Invalid},
                 {"1.a.3.4", QValidator::Invalid},        {"1.2.3.٣", QValidator::Invalid}};
    for (Case& c : cases) {
        int position = 0;
        EXPECT_EQ(validator.validate(c.text, position), c.state) << c.text.toStdString();
    }
    std::array<unsigned char, 4> octets{};
    EXPECT_FALSE(ParseIpAddress("192.168.0.300", octets));
    ASSERT_TRUE(ParseIpAddress("10..7.", octets)); // empty parts are 0
    EXPECT_EQ(octets, (std::array<unsigned char, 4>{10, 0, 7, 0}));
}

class SettingsDialogDevice : public DeviceDialogTest {
  protected:
    // A settings dialog showing TCP to the simulator, although qbx_man.ini
    // names another port: the functions use the controls, saved or not.
    void OpenSettings(CSettingsDialog& dialog) {
        folder.Write("qbx_man.ini", "6\n1\n127.0.0.1\n1\n");
        ASSERT_TRUE(dialog.Initialize());
        dialog.SetItemText(1115, QString::number(sim.TcpPort()));
    }
    std::string StateLine(const std::string& key) {
        std::istringstream state(folder.Read("device.state"));
        for (std::string line; std::getline(state, line);) {
            if (line.rfind(key + " ", 0) == 0) return line;
        }
        return {};
    }
    void Start(const std::vector<std::string>& kind) {
        std::vector<std::string> args = {"--tcp", "0", "--state", folder.File("device.state")};
        args.insert(args.end(), kind.begin(), kind.end());
        ASSERT_TRUE(sim.Start(args)) << sim.Error();
    }
};

TEST_F(SettingsDialogDevice, NetworkSettingsClampsReachTheDevice) {
    Start({"--kind", "A3"});
    ui.dialogScripts[kNetworkSettingsTemplate] = [](CDialog& dialog) {
        dialog.SetItemText(kByte, "300");
        dialog.SetItemText(kWord1, "70000");
        dialog.SetItemText(1114, "10.1.1.2");
        for (int press = 0; press < 3 && !dialog.HasEnded(); ++press)
            dialog.Click(kIdOk); // each clamped value is shown first
        return kIdOk;
    };
    CSettingsDialog settings(context);
    OpenSettings(settings);
    ASSERT_TRUE(settings.Click(1112));
    EXPECT_EQ(ui.MessageNumbers(), "5.056 5.056");
    EXPECT_EQ(ui.dialogsRun, std::vector<int>{kNetworkSettingsTemplate});
    EXPECT_EQ(StateLine("network"), "network 10.1.1.2 255.255.255.0 0.0.0.0 255 65535 0");
    EXPECT_EQ(folder.Read("qbx_man.ini"), "6\n1\n127.0.0.1\n1\n"); // nothing saved
}

TEST_F(SettingsDialogDevice, ConfigurationOfASerialFamilyBootloader) {
    Start({"--kind", "A2", "--config", "2"});
    ui.dialogScripts[kConfigurationTemplate] = [](CDialog& dialog) {
        EXPECT_EQ(dialog.CurSel(kList), 1);
        dialog.SetCurSel(kList, 4);
        dialog.Click(kIdOk);
        return kIdOk;
    };
    CSettingsDialog settings(context);
    OpenSettings(settings);
    ASSERT_TRUE(settings.Click(1112));
    EXPECT_EQ(ui.MessageNumbers(), "");
    EXPECT_EQ(StateLine("config"), "config 05");
}

TEST_F(SettingsDialogDevice, DecliningTheModeSwitchTouchesNothing) {
    Start({"--kind", "D1", "--config", "2"});
    const std::string before = folder.Read("device.state");
    CSettingsDialog settings(context);
    OpenSettings(settings);
    ASSERT_TRUE(settings.Click(1112)); // the script answers No
    EXPECT_EQ(ui.MessageNumbers(), "5.018");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Question);
    EXPECT_TRUE(ui.dialogsRun.empty());
    EXPECT_EQ(folder.Read("device.state"), before);
}

// A bootloader ready for transfers is good news: the information icon.
TEST_F(SettingsDialogDevice, ModeSwitchButtonReportsTransferModeAsInformation) {
    const struct {
        const char* kind;
        std::string messages;
    } cases[] = {{"A3", "5.035"}, {"D1", "5.008"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        std::filesystem::remove(folder.File("device.state")); // a fresh device of its kind
        Start({"--kind", c.kind});
        ui.Clear();
        CSettingsDialog settings(context);
        OpenSettings(settings);
        ASSERT_TRUE(settings.IsItemEnabled(1024));
        ASSERT_TRUE(settings.Click(1024));
        ASSERT_EQ(ui.MessageNumbers(), c.messages);
        EXPECT_EQ(ui.messages[0].text.toStdString(), module.StringUtf8(11042));
        EXPECT_EQ(ui.messages[0].kind, MessageKind::Information);
        sim.Stop();
    }
}

} // namespace
} // namespace qbx

// The interface scan and TCP status dialogs: what they show, what OK does,
// and that every text fits in each language and edition.
#include "core/app_state.h"
#include "gui/settings/port_scan_dialog.h"
#include "gui/settings/settings_dialog.h"
#include "gui/settings/tcp_status_dialog.h"
#include "link/serial_transport.h"
#include "platform/program_folder.h"
#include "tests/gui/label_fit.h"
#include "tests/gui/module_fixture.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QPushButton>
#include <cerrno>
#include <map>

namespace qbx {
namespace {

constexpr int kTypeFields[] = {1118, 1119, 1120, 1121, 1126, 1128};
constexpr int kVersionFields[] = {1122, 1123, 1124, 1125, 1127, 1129};
constexpr int kStatusFields[] = {1025, 1026, 1027, 1028, 1029, 1030};

// A line on which a device of `type` answers at once, or nothing does (type 0).
class CAnsweringLine : public CTransport {
  public:
    explicit CAnsweringLine(std::uint8_t type, std::uint8_t version) : type(type), version(version) {}
    bool IsNetwork() const override { return false; }
    int Open(int& error) override { return error = 0; }
    void Close() override {}
    int Write(const std::uint8_t*, int len) override { return len; }
    int Read(std::uint8_t* data, int len) override {
        if (type == 0 || len < 5) return 0;
        const std::uint8_t answer[5] = {0x40, 0x10, type, version, 0};
        std::copy(answer, answer + 5, data);
        return 5;
    }
    void Pause(int) override {}

  private:
    std::uint8_t type, version;
};

// COM1 to COM6 with these states, and these devices on the free ones.
PortScanOptions Ports(std::vector<int> states, std::map<int, std::pair<int, int>> devices) {
    PortScanOptions options;
    options.enumerate = [states](int* state, int* error, int count) {
        for (int i = 0; i < count; ++i)
            state[i] = states[i], error[i] = states[i] == kPortInUse ? EBUSY : 0;
    };
    options.createTransport = [devices](int port) -> std::unique_ptr<CTransport> {
        auto device = devices.find(port);
        if (device == devices.end()) return std::make_unique<CAnsweringLine>(0, 0);
        return std::make_unique<CAnsweringLine>(device->second.first, device->second.second);
    };
    return options;
}

class PortScanDialog : public ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        for (int port = 1; port <= 6; ++port)
            setenv(("QUILLBOX_COM" + std::to_string(port)).c_str(), folder.File("none").c_str(), 1);
    }
    void TearDown() override {
        for (int port = 1; port <= 6; ++port)
            unsetenv(("QUILLBOX_COM" + std::to_string(port)).c_str());
        SetProgramFolder(QBX_PROGRAM_DIR);
    }
    TempFolder folder;
};

TEST_F(PortScanDialog, NothingFoundTurnsOkIntoSearchAgain) {
    CPortScanDialog dialog(
        context, nullptr,
        Ports({kPortPresent, kPortMissing, kPortInUse, kPortMissing, kPortMissing, kPortMissing}, {}));
    ASSERT_TRUE(dialog.Initialize());
    EXPECT_TRUE(dialog.IsTimerRunning(kScanTimer));
    dialog.FireTimer(kScanTimer);
    EXPECT_EQ(dialog.ItemText(kIdOk), dialog.String(11411));
    EXPECT_EQ(dialog.ItemText(1103), dialog.String(11416));
    EXPECT_EQ(dialog.ItemText(1102), dialog.String(11414));
    EXPECT_TRUE(dialog.IsItemEnabled(kIdOk));
    EXPECT_TRUE(dialog.IsItemEnabled(kIdCancel));
    EXPECT_TRUE(dialog.RescanPending());
    EXPECT_EQ(dialog.ItemText(kStatusFields[0]), "O.K.");
    EXPECT_EQ(dialog.ItemText(kStatusFields[1]), "N.A.");
    EXPECT_EQ(dialog.ItemText(kStatusFields[2]), "C.N.A.");
    EXPECT_FALSE(dialog.ItemToolTip(kStatusFields[2]).isEmpty()); // why it is busy
    EXPECT_TRUE(dialog.IsItemEnabled(1011));
    EXPECT_FALSE(dialog.IsItemEnabled(1012));
    EXPECT_FALSE(dialog.IsItemEnabled(kTypeFields[1]));
    EXPECT_TRUE(dialog.IsItemEnabled(kTypeFields[2]));

    // OK searches again instead of closing, with every row enabled anew.
    ASSERT_TRUE(dialog.Click(kIdOk));
    EXPECT_FALSE(dialog.HasEnded());
    EXPECT_TRUE(dialog.IsTimerRunning(kScanTimer));
    dialog.FireTimer(kScanTimer);
    EXPECT_FALSE(dialog.IsItemEnabled(1012)); // still missing after the new scan
    ASSERT_TRUE(dialog.Click(kIdCancel));
    EXPECT_TRUE(dialog.HasEnded());
    EXPECT_EQ(dialog.Result(), 0);
    EXPECT_EQ(dialog.Port(), 0);
}

TEST_F(PortScanDialog, OkTakesTheHighestPortWithADevice) {
    CPortScanDialog dialog(
        context, nullptr,
        Ports({kPortPresent, kPortPresent, kPortPresent, kPortMissing, kPortPresent, kPortPresent},
              {{1, {0xA2, 27}}, {3, {0x12, 0}}, {5, {0x17, 5}}}));
    ASSERT_TRUE(dialog.Initialize());
    dialog.FireTimer(kScanTimer);
    const char* types[] = {"A2", "----------", "FU", "----------", "----------", "----------"};
    const char* versions[] = {"2.7", "----------", "0.0", "----------", "----------", "----------"};
    const char* statuses[] = {"B.V.", "O.K.", "B.V.U.", "N.A.", "O.K.", "O.K."};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(dialog.ItemText(kTypeFields[i]), types[i]) << i;
        EXPECT_EQ(dialog.ItemText(kVersionFields[i]), versions[i]) << i;
        EXPECT_EQ(dialog.ItemText(kStatusFields[i]), statuses[i]) << i;
    }
    EXPECT_EQ(dialog.ItemText(kIdOk), dialog.String(11410));
    EXPECT_EQ(dialog.ItemText(1103), dialog.String(11415));
    EXPECT_FALSE(dialog.RescanPending());
    ASSERT_TRUE(dialog.Click(kIdOk));
    EXPECT_TRUE(dialog.HasEnded());
    EXPECT_EQ(dialog.Result(), 3);
    EXPECT_EQ(dialog.Port(), 3);
}

TEST_F(PortScanDialog, TheSettingsDialogSelectsThePortFound) {
    SetProgramFolder(folder.Path());
    folder.Write("qbx_man.ini", "0\n1\n");
    test::CSimProcess sim;
    ASSERT_TRUE(sim.Start({"--pty"})) << sim.Error();
    setenv("QUILLBOX_COM3", sim.PtyPath().c_str(), 1);
    ui.dialogScripts[kPortScanTemplate] = [](CDialog& scan) {
        scan.FireTimer(kScanTimer);
        scan.Click(kIdOk);
        return 0;
    };
    CSettingsDialog settings(context);
    ASSERT_TRUE(settings.Initialize());
    EXPECT_EQ(settings.Selection(), -1); // COM1 is missing here
    ASSERT_TRUE(settings.Click(1019));
    EXPECT_EQ(settings.Selection(), 2);
    EXPECT_TRUE(settings.IsChecked(1013));
    EXPECT_TRUE(settings.IsItemEnabled(kIdOk));
    EXPECT_FALSE(settings.IsItemEnabled(1116)); // the status check is for TCP/IP
}

TEST_F(PortScanDialog, TheStatusButtonChecksTheAddressAsTyped) {
    SetProgramFolder(folder.Path());
    folder.Write("qbx_man.ini", "6\n1\n10.0.0.1\n1\n"); // saved: an address nobody uses
    test::CSimProcess sim;
    ASSERT_TRUE(sim.Start({"--tcp", "0", "--kind", "A3", "--version", "149"})) << sim.Error();
    QString type, version, status;
    ui.dialogScripts[kTcpStatusTemplate] = [&](CDialog& dialog) {
        dialog.FireTimer(kScanTimer);
        type = dialog.ItemText(1120), version = dialog.ItemText(1117), status = dialog.ItemText(1119);
        EXPECT_EQ(dialog.ItemText(1103), dialog.String(11415));
        EXPECT_TRUE(dialog.IsItemEnabled(kIdCancel));
        return kIdCancel;
    };
    CSettingsDialog settings(context);
    ASSERT_TRUE(settings.Initialize());
    EXPECT_TRUE(settings.IsItemEnabled(1116));
    settings.SetItemText(1114, "127.0.0.1");
    settings.SetItemText(1115, QString::number(sim.TcpPort()));
    ASSERT_TRUE(settings.Click(1116));
    EXPECT_EQ(type, "A3");
    EXPECT_EQ(version, "1.49");
    EXPECT_EQ(status, "B.V.");
}

// Every label of both dialogs whole, in each language and edition, while
// the longest texts a run can show are in place.
TEST_F(PortScanDialog, TextsFitInEveryLanguageAndEdition) {
    for (const char* module : {"QbxDEU.dll", "QbxENU.dll", "QbxITA.dll"}) {
        LoadModule(module);
        for (int edition : {1, 2}) {
            AppState().edition = edition;
            std::string where = std::string(module) + " edition " + std::to_string(edition);
            CPortScanDialog scan(
                context, nullptr,
                Ports({kPortPresent, kPortInUse, kPortOtherError, kPortMissing, kPortPresent, kPortPresent},
                      {{1, {0xA3, 0x95}}, {5, {0x11, 0}}}));
            ASSERT_TRUE(scan.Initialize());
            scan.show();
            QApplication::processEvents();
            scan.FireTimer(kScanTimer);
            QApplication::processEvents();
            for (int id : {1092, 1095, 1096, 1093, 1094, 1102, 1103, 1011, 1016})
                EXPECT_EQ(CutText(scan, id), "") << where << " " << id;
            for (int i = 0; i < 6; ++i)
                for (int id : {kTypeFields[i], kVersionFields[i], kStatusFields[i]})
                    EXPECT_EQ(CutText(scan, id), "") << where << " " << id;
            auto* ok = scan.ItemAs<QPushButton>(kIdOk);
            ASSERT_TRUE(ok);
            for (int caption : {11410, 11411}) {
                EXPECT_GE(ok->width(), ok->fontMetrics().horizontalAdvance(scan.String(caption)))
                    << where << " " << caption;
            }

            CTcpStatusDialog status(context, "127.0.0.1", 1);
            ASSERT_TRUE(status.Initialize());
            status.show();
            QApplication::processEvents();
            status.FireTimer(kScanTimer);
            QApplication::processEvents();
            for (int id : {1095, 1096, 1093, 1094, 1102, 1103, 1120, 1117, 1119})
                EXPECT_EQ(CutText(status, id), "") << where << " " << id;
        }
    }
}

} // namespace
} // namespace qbx

#include "dialog_gallery.h"

#include "formats/folder_file.h"
#include "formats/function_data_image.h"
#include "gui/about_box.h"
#include "gui/bootdata/boot_data_dialog.h"
#include "gui/file_check_window.h"
#include "gui/firmware/os_update_preparation_dialog.h"
#include "gui/firmware/update_transfer_dialogs.h"
#include "gui/functiondata/download_preparation_dialog.h"
#include "gui/functiondata/upload_preparation_dialog.h"
#include "gui/information_box.h"
#include "gui/language_dialog.h"
#include "gui/main_window.h"
#include "gui/settings/configuration_dialog.h"
#include "gui/settings/folders_dialog.h"
#include "gui/settings/network_settings_dialog.h"
#include "gui/settings/port_scan_dialog.h"
#include "gui/settings/settings_dialog.h"
#include "gui/settings/tcp_status_dialog.h"
#include "gui/webpages/web_page_upload_dialog.h"
#include "gui/welcome/welcome_editor_dialog.h"
#include "link/serial_transport.h"
#include "operations/transfer_messages.h"
#include "operations/transfer_steps.h"
#include "platform/program_folder.h"
#include "tests/support/sim_process.h"
#include "ui/connecting_view.h"
#include "ui/scripted_user_interface.h"
#include "ui/transfer_dialog.h"

#include <QApplication>
#include <QLayout>
#include <cerrno>
#include <filesystem>

namespace qbx {
namespace {
template <class T> GalleryEntry Entry(const char* name) {
    return {name, [](CUiContext& context) { return std::unique_ptr<CDialog>(std::make_unique<T>(context)); }};
}

// A transfer dialog after its run.
template <class T> GalleryEntry Transfer(const char* name) {
    return {name, [](CUiContext& context) -> std::unique_ptr<CDialog> {
                auto dialog = std::make_unique<T>(context);
                dialog->Initialize();
                dialog->FireTimer(kTransferTimer);
                return dialog;
            }};
}

// A transfer dialog caught while it connects for its first ticked slot: the
// run has shown that slot's texts and the link now holds the interface
// thread, so no layout pass follows. The layout is switched off there to
// keep the controls where the run left them for the picture.
template <class T> class CConnecting : public T {
  public:
    CConnecting(CUiContext& context, const char* slotList, int fileStringId)
        : T(context), slotList(slotList), fileStringId(fileStringId) {}

  protected:
    TransferRunResult Run(COperationHost& host) override {
        SlotList slots;
        ReadSlotList(slotList, slots);
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            host.SetFileText(SlotFileText(host.String(fileStringId), slots[slot - 1].path));
            if (slots[slot - 1].flag != 1) continue;
            host.SetStatusString(transfer::kStatusConnecting);
            host.SetSlotNumber(transfer::SlotNumberText(slot));
            break;
        }
        this->layout()->setEnabled(false);
        return TransferRunResult::Finished;
    }

  private:
    const char* slotList;
    int fileStringId;
};

template <class T> GalleryEntry Connecting(const char* name, const char* slotList, int fileStringId) {
    return {name, [=](CUiContext& context) -> std::unique_ptr<CDialog> {
                auto dialog = std::make_unique<CConnecting<T>>(context, slotList, fileStringId);
                dialog->Initialize();
                dialog->show(); // laid out as on the screen, its texts still empty
                QApplication::processEvents();
                dialog->FireTimer(kTransferTimer);
                dialog->EnableItem(kIdCancel, false); // still connecting
                return dialog;
            }};
}

// A slot preparation while it looks at the device's slots as it opens: its
// controls wait, disabled, under the connecting line and the busy bar.
template <class T> class CLooking : public T {
  public:
    using T::T;

  protected:
    bool OnInitDialog() override {
        view = std::make_unique<CConnectingView>(*this, this->String(transfer::kStatusConnecting));
        return true;
    }

  private:
    std::unique_ptr<CConnectingView> view;
};

// The firmware and web page dialogs ask for their file as they open: the
// stage's file.
template <class T> void ChooseStageFile(CUiContext& context) {
    std::string file;
    if constexpr (std::is_same_v<T, CFirmwareUpdateDialog>)
        file = kBootloaderFolder + std::string("/LINKBOX 2.8.frm");
    if constexpr (std::is_same_v<T, CWebPageUploadDialog>) file = kStageWebPage;
    auto* ui = dynamic_cast<CScriptedUserInterface*>(&context.ui);
    if (ui && !file.empty()) ui->openFiles = {QString::fromStdString(ProgramFolder() + "/" + file)};
}

template <class T> std::unique_ptr<T> MakeUpdateDialog(CUiContext& context) {
    ChooseStageFile<T>(context);
    return std::make_unique<T>(context);
}

// An update dialog after its run against the simulator.
template <class T> GalleryEntry Update(const char* name) {
    return {name, [](CUiContext& context) -> std::unique_ptr<CDialog> {
                auto dialog = MakeUpdateDialog<T>(context);
                dialog->Initialize();
                dialog->FireTimer(kTransferTimer);
                return dialog;
            }};
}

// An update dialog halfway through its data: the texts a run shows while a
// block goes out, with no layout pass after them (see CConnecting).
template <class T> class CSending : public T {
  public:
    CSending(CUiContext& context, std::string fileText, std::string progress)
        : T(context), fileText(std::move(fileText)), progress(std::move(progress)) {}

  protected:
    TransferRunResult Run(COperationHost& host) override {
        // Without a text of its own, the one the dialog showed as it opened.
        host.SetFileText(fileText.empty() ? this->ItemText(1023).toStdString() : fileText);
        host.SetProgressRange(1, 100);
        host.SetProgressPosition(51);
        host.SetStatusString(transfer::kStatusSending);
        host.SetProgressText(progress);
        this->layout()->setEnabled(false);
        return TransferRunResult::Finished;
    }

  private:
    std::string fileText, progress;
};

template <class T> GalleryEntry Sending(const char* name, const char* fileText, const char* progress) {
    return {name, [=](CUiContext& context) -> std::unique_ptr<CDialog> {
                ChooseStageFile<T>(context);
                auto dialog = std::make_unique<CSending<T>>(context, fileText, progress);
                dialog->Initialize();
                dialog->show();
                QApplication::processEvents();
                dialog->FireTimer(kTransferTimer);
                dialog->EnableItem(kIdCancel, false); // still sending
                return dialog;
            }};
}

// The bootloader data dialog's choosers: the stage's LINKBOX file, in
// either direction; a backup made before is replaced.
void ChooseStageBootData(CUiContext& context) {
    const QString file = QString::fromStdString(ProgramFolder() + "/Funktionsdaten/LINKBOX Zentrale.dat");
    if (auto* ui = dynamic_cast<CScriptedUserInterface*>(&context.ui)) {
        ui->openFiles = {file};
        ui->saveFiles = {file};
        ui->answers = {MessageAnswer::Yes};
    }
}

// The bootloader data dialog after its run against the simulator.
GalleryEntry BootData(const char* name, int mode) {
    return {name, [mode](CUiContext& context) -> std::unique_ptr<CDialog> {
                ChooseStageBootData(context);
                auto dialog = std::make_unique<CBootDataDialog>(context, mode);
                dialog->Initialize();
                dialog->FireTimer(kTransferTimer);
                return dialog;
            }};
}

// The bootloader data dialog halfway through its image (see CConnecting).
class CBootDataMidway : public CBootDataDialog {
  public:
    using CBootDataDialog::CBootDataDialog;

  protected:
    TransferRunResult Run(COperationHost& host) override {
        host.SetProgressPosition(0x210);
        host.SetStatusString(Mode() == kBootDataWriteMode ? transfer::kStatusSending
                                                          : transfer::kStatusReceiving);
        host.SetProgressText("0210 / 0400");
        layout()->setEnabled(false);
        return TransferRunResult::Finished;
    }
};

GalleryEntry BootDataMidway(const char* name, int mode) {
    return {name, [mode](CUiContext& context) -> std::unique_ptr<CDialog> {
                ChooseStageBootData(context);
                auto dialog = std::make_unique<CBootDataMidway>(context, mode);
                dialog->Initialize();
                dialog->show();
                QApplication::processEvents();
                dialog->FireTimer(kTransferTimer);
                dialog->EnableItem(kIdCancel, false); // still running
                return dialog;
            }};
}

// The OS update preparation with the earlier run's page, with the page
// being edited, and with the edition's standard page.
GalleryEntry OsUpdatePreparation(const char* name, int click) {
    return {name, [click](CUiContext& context) -> std::unique_ptr<CDialog> {
                auto dialog = std::make_unique<COsUpdatePreparationDialog>(context);
                dialog->Initialize();
                if (click) dialog->Click(click);
                return dialog;
            }};
}

// The welcome-page editor on a controller file with the default page ticked.
GalleryEntry WelcomeEditor() {
    return {"253-welcome-page", [](CUiContext& context) -> std::unique_ptr<CDialog> {
                static const std::string path = [] {
                    std::string file = std::filesystem::temp_directory_path() / "qbx-screenshot-page.dat";
                    FunctionDataImage image;
                    image.Prepare({2, 0x80, "V2.10", "", 0x8400});
                    image.Save(file);
                    return file;
                }();
                auto editor = std::make_unique<CWelcomeEditorDialog>(context, path);
                editor->Initialize();
                editor->Click(1223);
                return editor;
            }};
}
// A line where a device of `type` answers at once, or nobody (type 0).
class CGalleryLine : public CTransport {
  public:
    CGalleryLine(std::uint8_t type, std::uint8_t version) : type(type), version(version) {}
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

// The interface scan after a run over made-up ports: a bootloader on COM2
// and COM5 (in its update state), COM3 busy, COM6 missing; or nothing.
GalleryEntry PortScan(const char* name, bool found) {
    return {name, [found](CUiContext& context) -> std::unique_ptr<CDialog> {
                PortScanOptions options;
                options.enumerate = [](int* state, int* error, int count) {
                    const int states[] = {kPortPresent,    kPortPresent, kPortInUse,
                                          kPortOtherError, kPortPresent, kPortMissing};
                    const int errors[] = {0, 0, EBUSY, EIO, 0, ENOENT};
                    for (int i = 0; i < count; ++i)
                        state[i] = states[i], error[i] = errors[i];
                };
                options.createTransport = [found](int port) -> std::unique_ptr<CTransport> {
                    if (found && port == 2) return std::make_unique<CGalleryLine>(0xA2, 27);
                    if (found && port == 5) return std::make_unique<CGalleryLine>(0x11, 0);
                    return std::make_unique<CGalleryLine>(0, 0);
                };
                auto dialog = std::make_unique<CPortScanDialog>(context, nullptr, options);
                dialog->Initialize();
                dialog->show();
                QApplication::processEvents();
                dialog->FireTimer(kScanTimer);
                return dialog;
            }};
}

// The TCP status check against a simulated LINKBOX 1.49.
GalleryEntry TcpStatusCheck() {
    return {"167-tcp-status", [](CUiContext& context) -> std::unique_ptr<CDialog> {
                static test::CSimProcess sim;
                if (!sim.IsRunning()) sim.Start({"--tcp", "0", "--kind", "A3", "--version", "149"});
                auto dialog = std::make_unique<CTcpStatusDialog>(context, "127.0.0.1", sim.TcpPort());
                dialog->Initialize();
                dialog->show();
                QApplication::processEvents();
                dialog->FireTimer(kScanTimer);
                return dialog;
            }};
}
// The bootloader's settings as a device might hold them; the dialogs keep
// references to them, so the values live beside the dialog.
struct CBootloaderValues {
    std::uint8_t configByte = 3;
    NetworkSettings network{{192, 168, 100, 250}, {255, 255, 255, 0}, {192, 168, 100, 1}, 120, 40000, 65535};
};

class CConfigurationShot : private CBootloaderValues, public CConfigurationDialog {
  public:
    explicit CConfigurationShot(CUiContext& context) : CConfigurationDialog(context, configByte) {}
};

class CNetworkSettingsShot : private CBootloaderValues, public CNetworkSettingsDialog {
  public:
    explicit CNetworkSettingsShot(CUiContext& context)
        : CNetworkSettingsDialog(context, CBootloaderValues::configByte, CBootloaderValues::network) {}
};
} // namespace

namespace {
// The report on an upload's function data and on the stage's program file,
// whose records stop short of the size a device asks for.
GalleryEntry FileCheck() {
    return {"170-file-check", [](CUiContext& context) -> std::unique_ptr<CDialog> {
                const std::string stage = ProgramFolder();
                const std::string report = FileCheckReport(
                    context, {stage + "/Funktionsdaten/Gateway Halle.dat",
                              stage + "/Betriebssystem_QRT5130/QRT5130 V4.17 Heizzentrale.prg"});
                return std::make_unique<CFileCheckWindow>(context, report);
            }};
}
} // namespace

const std::vector<GalleryEntry>& DialogGallery() {
    static const std::vector<GalleryEntry> gallery = {
        Entry<CMainWindow>("102-main-window"),
        Entry<CAboutBox>("100-about"),
        Entry<CInformationBox>("148-information"),
        FileCheck(),
        Entry<CLanguageDialog>("163-language"),
        Entry<CSettingsDialog>("132-settings"),
        Entry<CFoldersDialog>("156-folders"),
        PortScan("144-interface-scan", true),
        PortScan("144-interface-scan-nothing-found", false),
        TcpStatusCheck(),
        Entry<CConfigurationShot>("166-configuration"),
        Entry<CNetworkSettingsShot>("168-network-settings"),
        Entry<CUploadPreparationDialog>("153-upload-preparation"),
        Entry<CDownloadPreparationDialog>("157-download-preparation"),
        Entry<CLooking<CUploadPreparationDialog>>("153-upload-preparation-connecting"),
        Entry<CLooking<CDownloadPreparationDialog>>("157-download-preparation-connecting"),
        Transfer<CUploadTransferDialog>("133-upload-transfer"),
        Transfer<CDownloadTransferDialog>("134-download-transfer"),
        Connecting<CUploadTransferDialog>("133-upload-transfer-connecting", kUploadSlotListName,
                                          transfer::kSourceFile),
        Connecting<CDownloadTransferDialog>("134-download-transfer-connecting", kDownloadSlotListName,
                                            transfer::kTargetFile),
        WelcomeEditor(),
        OsUpdatePreparation("160-os-update-preparation", 0),
        OsUpdatePreparation("160-os-update-preparation-editing", 1081),
        OsUpdatePreparation("160-os-update-preparation-standard-page", 1083),
        Update<COsUpdateTransferDialog>("130-os-update-transfer"),
        Sending<COsUpdateTransferDialog>("130-os-update-transfer-sending", "QRT5130 V4.17 Heizzentrale",
                                         "0A400 / 20000"),
        Update<CFirmwareUpdateDialog>("147-firmware-update"),
        Sending<CFirmwareUpdateDialog>("147-firmware-update-sending", "", "0200 / 0400"),
        BootData("255-boot-data-write", kBootDataWriteMode),
        BootDataMidway("255-boot-data-write-sending", kBootDataWriteMode),
        BootData("255-boot-data-read", kBootDataReadMode),
        BootDataMidway("255-boot-data-read-receiving", kBootDataReadMode),
        Update<CWebPageUploadDialog>("254-web-page-upload"),
        Sending<CWebPageUploadDialog>("254-web-page-upload-sending", "", "0A400 / 2FDA0"),
    };
    return gallery;
}

} // namespace qbx

#include "gui/main_window.h"

#include "core/app_state.h"
#include "core/settings_store.h"
#include "gui/about_box.h"
#include "gui/bootdata/boot_data_dialog.h"
#include "gui/file_check_window.h"
#include "gui/firmware/os_update_preparation_dialog.h"
#include "gui/firmware/update_transfer_dialogs.h"
#include "gui/functiondata/download_preparation_dialog.h"
#include "gui/functiondata/upload_preparation_dialog.h"
#include "gui/information_box.h"
#include "gui/session_log_interface.h"
#include "gui/settings/settings_dialog.h"
#include "gui/webpages/web_page_upload_dialog.h"
#include "language/language_module.h"
#include "operations/file_check_strings.h"
#include "operations/string_ids.h"
#include "platform/executable_path.h"
#include "platform/fixed_version.h"
#include "platform/program_folder.h"
#include "ui/transfer_dialog.h"

#include <QAction>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <unistd.h>

namespace qbx {
namespace {
constexpr int kFirstFunctionButton = 1003;
constexpr int kLastFunctionButton = 1010;
} // namespace

CMainWindow::CMainWindow(CUiContext& context, CSessionLogInterface* sessionLog)
    : CDialog(context, kMainWindowTemplate), sessionLog(sessionLog) {}

void CMainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    CDialog::keyPressEvent(event);
}

bool CMainWindow::OnInitDialog() {
    AddSystemMenu();
    QIcon icon(Context().module.IconPath());
    setWindowIcon(icon);
    // Folder dialogs elsewhere may have moved the current directory away.
    [[maybe_unused]] int changed = chdir(ProgramFolder().c_str());
    AppState().edition = ReadEdition();
    for (int button = kFirstFunctionButton; button <= kLastFunctionButton; ++button) {
        EnableItem(button, HasFunction(button));
        OnCommand(button, [this, button] { RunFunction(button); });
    }
    return true;
}

void CMainWindow::AddSystemMenu() {
    auto* bar = new QMenuBar(this);
    systemMenu = bar->addMenu(windowTitle());
    QString about = String(101);
    if (!about.isEmpty()) {
        systemMenu->addSeparator();
        QAction* action = systemMenu->addAction(about, this, [this] { OnSysCommand(kSysCommandAbout); });
        action->setData(kSysCommandAbout);
    }
    QAction* info =
        systemMenu->addAction(String(102), this, [this] { OnSysCommand(kSysCommandInformation); });
    info->setData(kSysCommandInformation);
    if (sessionLog) {
        sessionLogEntry = systemMenu->addAction(String(sessionLog->Running() ? 11904 : 11903), this,
                                                [this] { OnSysCommand(kSysCommandSessionLog); });
        sessionLogEntry->setData(kSysCommandSessionLog);
    }
    QAction* check = systemMenu->addAction(String(check_str::kMenuEntry), this,
                                           [this] { OnSysCommand(kSysCommandCheckFile); });
    check->setData(kSysCommandCheckFile);
    layout()->setMenuBar(bar);
}

void CMainWindow::OnSysCommand(int command) {
    if (command == kSysCommandAbout) {
        CAboutBox about(Context(), this);
        about.DoModal();
    } else if (command == kSysCommandInformation) {
        CInformationBox info(Context(), this);
        info.DoModal();
    } else if (command == kSysCommandSessionLog) {
        ToggleSessionLog();
    } else if (command == kSysCommandCheckFile) {
        RunFileCheck(Context(), this);
    }
}

namespace {
constexpr int kStringStartSessionLog = 11903;
constexpr int kStringStopSessionLog = 11904;
constexpr int kStringSessionLogFilter = 11905;

std::vector<std::string> SessionHeader() {
    FixedVersionInfo version;
    std::string program =
        ReadFixedVersion(ExecutablePath(), version) ? FormatProductVersion(version) : "unknown";
    CSettings settings;
    settings.Load();
    return {"Quillbox session log: Quillbox Suite " + program, "started " + SessionTimeText(),
            "settings: " + FileToRead(FilesFolder(), kSettingsFileName) + ", link " +
                SessionLinkText(settings) + ", language " + std::to_string(settings.language)};
}
} // namespace

// Starts a log in a file the person chooses, or ends the one that runs.
void CMainWindow::ToggleSessionLog() {
    if (!sessionLog) return;
    if (sessionLog->Running()) {
        sessionLog->Stop();
    } else {
        const QString path = Context().ui.ChooseSaveFileNamed(
            this, String(str::kChooseSessionLog), QString::fromStdString(ProgramFolder()),
            String(kStringSessionLogFilter), "quillbox-session.log", ".log");
        if (path.isEmpty()) return;
        if (int error = sessionLog->Start(path.toStdString(), SessionHeader())) {
            Message(kMainWindowGroup, kSessionLogNotWritten, str::kSessionLogNotWritten,
                    {path.toStdString(), static_cast<long long>(error)});
        }
    }
    if (sessionLogEntry)
        sessionLogEntry->setText(
            String(sessionLog->Running() ? kStringStopSessionLog : kStringStartSessionLog));
}

namespace {
constexpr int kOsUpdateButton = 1003;
constexpr int kUploadButton = 1004;
constexpr int kDownloadButton = 1005;
constexpr int kFirmwareButton = 1006;
constexpr int kBootDataWriteButton = 1007;
constexpr int kBootDataReadButton = 1008;
constexpr int kWebPageButton = 1009;
constexpr int kSettingsButton = 1010;

// A preparation dialog and, when it ends with OK, its transfer dialog. The
// two share nothing but the file the first one writes (a slot list or the
// OS update hand-over file).
template <class Preparation, class Transfer> void RunPair(CUiContext& context, QWidget* owner) {
    Transfer transfer(context, owner);
    Preparation preparation(context, owner);
    if (preparation.DoModal() == kIdOk) transfer.DoModal();
}
} // namespace

bool CMainWindow::HasFunction(int button) {
    return button == kOsUpdateButton || button == kUploadButton || button == kDownloadButton ||
           button == kFirmwareButton || button == kBootDataWriteButton || button == kBootDataReadButton ||
           button == kWebPageButton || button == kSettingsButton;
}

void CMainWindow::RunFunction(int button) {
    switch (button) {
    case kOsUpdateButton:
        RunPair<COsUpdatePreparationDialog, COsUpdateTransferDialog>(Context(), this);
        break;
    case kUploadButton: {
        CUploadTransferDialog transfer(Context(), this);
        CUploadPreparationDialog preparation(Context(), this);
        if (preparation.DoModal() == kIdOk) {
            transfer.SetVerify(preparation.VerifyAfterWriting());
            transfer.DoModal();
        }
        break;
    }
    case kDownloadButton:
        RunPair<CDownloadPreparationDialog, CDownloadTransferDialog>(Context(), this);
        break;
    case kFirmwareButton: {
        CFirmwareUpdateDialog firmware(Context(), this);
        firmware.DoModal();
        break;
    }
    case kBootDataWriteButton:
    case kBootDataReadButton: {
        CBootDataDialog bootData(
            Context(), button == kBootDataWriteButton ? kBootDataWriteMode : kBootDataReadMode, this);
        bootData.DoModal();
        break;
    }
    case kWebPageButton: {
        CWebPageUploadDialog page(Context(), this);
        page.DoModal();
        break;
    }
    case kSettingsButton: {
        CSettingsDialog settings(Context(), this);
        settings.DoModal();
        break;
    }
    default:
        break;
    }
}

} // namespace qbx

#include "gui/startup.h"

#include "core/app_state.h"
#include "core/message_format.h"
#include "core/message_record.h"
#include "core/settings_store.h"
#include "gui/main_window.h"
#include "gui/session_log_interface.h"
#include "gui/startup_messages.h"
#include "platform/executable_path.h"
#include "platform/fixed_version.h"
#include "platform/program_folder.h"
#include "ui/user_interface.h"

#include <cerrno>
#include <cstdlib>
#include <unistd.h>

namespace qbx {
namespace {
constexpr int kStartupGroup = 0;

bool IsNotFound(int error) {
    return error == ENOENT || error == ENOTDIR;
}
} // namespace

std::string InstanceNameFromEnvironment() {
    const char* own = std::getenv(kInstanceVariable);
    return own && *own ? std::string(kInstanceName) + "/" + own : kInstanceName;
}

CQuillboxApp::CQuillboxApp(CUserInterface& ui, StartupOptions options)
    : ui(ui), options(std::move(options)) {}

CQuillboxApp::~CQuillboxApp() {
    ExitInstance();
}

StartupResult CQuillboxApp::Fail(StartupResult result, int number, const std::string& text) {
    RecordShownMessage(kStartupGroup, number);
    ui.ShowMessage(nullptr, QString::fromStdString(MessageCaption(kStartupGroup, number)),
                   QString::fromStdString(text), MessageKind::Notice);
    return result;
}

StartupResult CQuillboxApp::InitInstance() {
    if (!instanceLock.Acquire(options.instanceName)) {
        ui.ShowMessage(nullptr, kApplicationTitle, kAlreadyRunningText, MessageKind::Notice);
        return StartupResult::AlreadyRunning;
    }

    CAppState& state = AppState();
    std::string executable = options.executablePath.empty() ? ExecutablePath() : options.executablePath;
    state.appFolder = FolderOf(executable);
    SetProgramFolder(state.appFolder);
    [[maybe_unused]] int changed = chdir(state.appFolder.c_str());

    CSettings settings;
    settings.Load(); // a missing file: the language the locale asks for
    int language = settings.language <= 2 ? settings.language : 0;
    state.startLanguage = state.selectedLanguage = language;

    std::string moduleName = ModuleFileName(language);
    FixedVersionInfo program, module;
    int error = 0;
    if (!ReadFixedVersion(state.appFolder + "/" + kExecutableFileName, program, &error)) {
        return Fail(StartupResult::NoProgramVersion, 1,
                    FormatMessage(StartupMessageText(1, language), {static_cast<long long>(error)}));
    }
    if (!ReadFixedVersion(state.appFolder + "/" + moduleName, module, &error)) {
        bool missing = IsNotFound(error);
        return Fail(missing ? StartupResult::ModuleMissing : StartupResult::ModuleUnreadable, missing ? 2 : 3,
                    FormatMessage(StartupMessageText(missing ? 2 : 3, language),
                                  {moduleName, static_cast<long long>(error)}));
    }
    if (module.productVersionMS != program.productVersionMS ||
        module.productVersionLS != program.productVersionLS) {
        return Fail(StartupResult::VersionMismatch, 4,
                    FormatMessage(StartupMessageText(4, language),
                                  {moduleName, FormatProductVersion(module), FormatProductVersion(program)}));
    }
    if (!languageModule.Load(state.appFolder + "/" + moduleName)) {
        ui.ShowMessage(nullptr, kApplicationTitle, kModuleLoadFailedText, MessageKind::Notice);
        return StartupResult::ModuleLoadFailed;
    }

    // Messages pass through the session log, which runs when the window menu starts it.
    CSessionLogInterface logged(ui);
    CUiContext context{languageModule, logged};
    {
        CMainWindow mainWindow(context, &logged);
        mainWindow.DoModal();
    }
    return StartupResult::Ran;
}

void CQuillboxApp::ExitInstance() {
    languageModule.Free();
    instanceLock.Release();
}

} // namespace qbx

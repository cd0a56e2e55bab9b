#pragma once
#include "language/language_module.h"
#include "platform/instance_lock.h"

#include <string>

namespace qbx {

class CUserInterface;

constexpr const char* kExecutableFileName = "Quillbox Suite.exe";
constexpr const char* kInstanceName = "Mutex String";
// When set, its value makes the program an instance of its own: a copy
// started with another value (a test beside the user's open program) is
// not refused, and one started with the same value is.
constexpr const char* kInstanceVariable = "QUILLBOX_INSTANCE";

// How a start-up ended.
enum class StartupResult {
    Ran,              // the main window ran and was closed
    AlreadyRunning,   // another copy holds the instance guard
    NoProgramVersion, // 0.001
    ModuleMissing,    // 0.002
    ModuleUnreadable, // 0.003
    VersionMismatch,  // 0.004
    ModuleLoadFailed,
};

// kInstanceName, followed by "/" and the value of kInstanceVariable where
// that is set and not empty.
std::string InstanceNameFromEnvironment();

struct StartupOptions {
    std::string executablePath; // empty: the running executable
    std::string instanceName = kInstanceName;
};

// The application object: from the start of the process to the end of the
// main window.
class CQuillboxApp {
  public:
    CQuillboxApp(CUserInterface& ui, StartupOptions options = {});
    ~CQuillboxApp();

    StartupResult InitInstance();
    void ExitInstance();

    CLanguageModule& LanguageModule() { return languageModule; }

  private:
    StartupResult Fail(StartupResult result, int number, const std::string& text);

    CUserInterface& ui;
    StartupOptions options;
    CInstanceLock instanceLock;
    CLanguageModule languageModule;
};

} // namespace qbx

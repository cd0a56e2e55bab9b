#include "core/app_state.h"
#include "gui/startup.h"
#include "platform/instance_lock.h"
#include "program_copy.h"
#include "ui/scripted_user_interface.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace qbx {
namespace {

class Startup : public testing::Test {
  protected:
    void SetUp() override {
        options.executablePath = program.Executable();
        options.instanceName = "startup-test-" + std::to_string(getpid());
    }
    void TearDown() override { [[maybe_unused]] int rc = chdir(QBX_PROGRAM_DIR); }

    StartupResult Start() {
        CQuillboxApp app(ui, options);
        StartupResult result = app.InitInstance();
        moduleRoot = app.LanguageModule().ResourceRoot().toStdString();
        return result;
    }
    void SetLanguage(int language) { program.Write("qbx_man.ini", "0\n" + std::to_string(language) + "\n"); }
    QString OnlyMessage() {
        EXPECT_EQ(ui.messages.size(), 1u);
        return ui.messages.empty() ? QString() : ui.messages[0].caption + "|" + ui.messages[0].text;
    }

    ProgramCopy program;
    StartupOptions options;
    CScriptedUserInterface ui;
    std::string moduleRoot;
};

TEST_F(Startup, RunsTheMainWindowFromTheExecutablesFolder) {
    EXPECT_EQ(Start(), StartupResult::Ran);
    EXPECT_EQ(ui.dialogsRun, std::vector<int>{102});
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(program.Path()));
    EXPECT_EQ(AppState().appFolder, program.Path());
}

TEST_F(Startup, LanguageOfTheSettingsPicksTheModule) {
    struct Case {
        const char* settings; // qbx_man.ini content, nullptr: no file
        const char* root;
        int language;
    } cases[] = {{nullptr, ":/QbxDEU", 0},
                 {"0\n1\n", ":/QbxENU", 1},
                 {"0\n2\n", ":/QbxITA", 2},
                 {"0\n5\n", ":/QbxDEU", 0},
                 {"0\n0\n", ":/QbxDEU", 0}};
    for (const Case& c : cases) {
        std::filesystem::remove(program.File("qbx_man.ini"));
        if (c.settings) program.Write("qbx_man.ini", c.settings);
        EXPECT_EQ(Start(), StartupResult::Ran);
        EXPECT_EQ(moduleRoot, c.root);
        EXPECT_EQ(AppState().startLanguage, c.language);
        EXPECT_EQ(AppState().selectedLanguage, c.language);
    }
    EXPECT_EQ(program.Read("qbx_man.ini"), "0\n0\n"); // start-up never writes the settings
}

TEST_F(Startup, SecondCopyIsRefused) {
    CInstanceLock first;
    ASSERT_TRUE(first.Acquire(options.instanceName));
    EXPECT_EQ(Start(), StartupResult::AlreadyRunning);
    EXPECT_EQ(OnlyMessage(), "Quillbox Suite|Anwendung wurde bereits gestartet!");
    EXPECT_TRUE(ui.dialogsRun.empty());
    first.Release();
    ui.Clear();
    EXPECT_EQ(Start(), StartupResult::Ran); // the guard dies with its holder
}

TEST_F(Startup, RenamedExecutableHasNoVersionToCheck) {
    std::filesystem::rename(program.Executable(), program.File("quillbox"));
    options.executablePath = program.File("quillbox");
    SetLanguage(1);
    EXPECT_EQ(Start(), StartupResult::NoProgramVersion);
    EXPECT_EQ(OnlyMessage(),
              "Quillbox-Message 0.001|It isn't possible to determine information about Quillbox. "
              "(ErrorCode: 2)\nExecution of program failed.");
}

TEST_F(Startup, MissingModuleIsNamedInTheStartLanguage) {
    struct Case {
        int language;
        const char* module;
        const char* text;
    } cases[] = {
        {0, "QbxDEU.dll",
         "Die Datei QbxDEU.dll wurde nicht gefunden. (Fehlercode: 2)\nDas Programm kann nicht ausgeführt "
         "werden."},
        {1, "QbxENU.dll", "File QbxENU.dll couldn't be found. (ErrorCode: 2)\nExecution of program failed."},
        {2, "QbxITA.dll",
         "Il file QbxITA.dll non è stato trovato. (codice di errore: 2)\nIl programma non può essere "
         "eseguito."},
        {7, "QbxDEU.dll",
         "Die Datei QbxDEU.dll wurde nicht gefunden. (Fehlercode: 2)\nDas Programm kann nicht ausgeführt "
         "werden."},
    };
    for (const Case& c : cases) {
        ProgramCopy fresh;
        fresh.Write("qbx_man.ini", "0\n" + std::to_string(c.language) + "\n");
        std::filesystem::remove(fresh.File(c.module));
        options.executablePath = fresh.Executable();
        ui.Clear();
        EXPECT_EQ(Start(), StartupResult::ModuleMissing);
        EXPECT_EQ(OnlyMessage(), QString("Quillbox-Message 0.002|") + QString::fromUtf8(c.text));
    }
}

TEST_F(Startup, UnreadableModuleVersion) {
    program.Write("QbxDEU.dll", "this is no shared object");
    EXPECT_EQ(Start(), StartupResult::ModuleUnreadable);
    EXPECT_EQ(OnlyMessage(),
              QString::fromUtf8("Quillbox-Message 0.003|Es konnten keine Informationen der Datei "
                                "QbxDEU.dll ermittelt werden. (Fehlercode: 8)\nDas Programm kann "
                                "nicht ausgeführt werden."));
}

TEST_F(Startup, EveryPartOfTheVersionMustMatch) {
    struct Case {
        unsigned high, low;
        const char* shown;
    } cases[] = {{(2u << 16) | 8, 1, "2.8.0.1"},
                 {(2u << 16) | 8, 1u << 16, "2.8.1.0"},
                 {(3u << 16) | 8, 0, "3.8.0.0"},
                 {(2u << 16) | 9, 0, "2.9.0.0"}};
    SetLanguage(1);
    for (const Case& c : cases) {
        ASSERT_TRUE(program.PatchProductVersion("QbxENU.dll", c.high, c.low));
        ui.Clear();
        EXPECT_EQ(Start(), StartupResult::VersionMismatch);
        EXPECT_EQ(OnlyMessage(),
                  QString("Quillbox-Message 0.004|The file QbxENU.dll (vers. %1) isn't compatible "
                          "with Quillbox (vers.: %2)\nExecution of program failed.")
                      .arg(c.shown, QBX_VERSION));
    }
}

TEST_F(Startup, ModuleThatDoesNotLoad) {
    // Carries the right version record, but is no library.
    std::filesystem::copy_file(program.Executable(), program.File("QbxDEU.dll"),
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_EQ(Start(), StartupResult::ModuleLoadFailed);
    EXPECT_EQ(OnlyMessage(), "Quillbox Suite|Failed to load language DLL!");
}

} // namespace
} // namespace qbx

#pragma once
#include "core/app_state.h"
#include "language/language_module.h"
#include "ui/scripted_user_interface.h"
#include "ui/ui_context.h"

#include <gtest/gtest.h>
#include <string>

// A dialog test's world: a language module of the built program folder and a
// scripted person in front of the screen.
class ModuleTest : public testing::Test {
  protected:
    void LoadModule(const std::string& file = "QbxENU.dll") {
        module.Free();
        ASSERT_TRUE(module.Load(std::string(QBX_PROGRAM_DIR) + "/" + file)) << file;
    }
    void SetUp() override {
        LoadModule();
        qbx::AppState() = qbx::CAppState{};
    }

    qbx::CLanguageModule module;
    qbx::CScriptedUserInterface ui;
    qbx::CUiContext context{module, ui};
};

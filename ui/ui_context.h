#pragma once

namespace qbx {

class CLanguageModule;
class CUserInterface;

// What every dialog needs: where its templates and texts come from, and who
// answers its messages and choosers.
struct CUiContext {
    CLanguageModule& module;
    CUserInterface& ui;
};

} // namespace qbx

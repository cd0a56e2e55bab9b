#pragma once
#include <string>

namespace qbx {

// The messages that start-up shows before any language module is loaded
// (0.001 to 0.004), and 9.001, which speaks the newly chosen language while
// the module of the old one is still loaded. UTF-8, printf-style.
std::string StartupMessageText(int number, int language);
std::string LanguageChangedText(int language);

// The texts that have no number: a second running copy, a module that fails to load.
constexpr const char* kAlreadyRunningText = "Anwendung wurde bereits gestartet!";
constexpr const char* kModuleLoadFailedText = "Failed to load language DLL!";
constexpr const char* kApplicationTitle = "Quillbox Suite";

} // namespace qbx

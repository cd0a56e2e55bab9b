#pragma once
#include <string>

namespace qbx {

// Process-wide values of the running program.
struct CAppState {
    std::string appFolder;  // folder of the executable, no trailing '/'
    int startLanguage = 0;  // language the process started with
    int selectedLanguage = 0; // language chosen for the next start
    int edition = 1;        // 1 standard edition, 2 ORMAND customer edition
};

CAppState& AppState();

} // namespace qbx

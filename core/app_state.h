#pragma once
#include "core/edition.h"

#include <string>

namespace qbx {

// Process-wide values of the running program.
struct CAppState {
    std::string appFolder;          // folder of the executable, no trailing '/'
    int startLanguage = 0;          // language the process started with
    int selectedLanguage = 0;       // language chosen for the next start
    int edition = kStandardEdition; // or kCustomerEdition
};

CAppState& AppState();

} // namespace qbx

#include "core/app_state.h"

namespace qbx {

CAppState& AppState() {
    static CAppState state;
    return state;
}

} // namespace qbx

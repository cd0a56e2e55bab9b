#include "sim/faults.h"

namespace qbx::sim {

bool CFaultPlan::Take(int& counter) {
    if (counter <= 0) return false;
    --counter;
    return true;
}

bool CFaultPlan::TakeDrop() {
    if (dropAfter < 0) return false;
    if (served < dropAfter) {
        ++served;
        return false;
    }
    dropAfter = -1;
    return true;
}

} // namespace qbx::sim

#pragma once

namespace qbx {

// The program's two editions, chosen by "customer.ini": the maker's standard
// edition and the ORMAND customer edition. They differ in texts, default
// folders, the default welcome page and the about box.
enum Edition : int {
    kStandardEdition = 1,
    kCustomerEdition = 2,
};

} // namespace qbx

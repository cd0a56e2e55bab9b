#include "core/home_page.h"

#include "core/edition.h"

namespace qbx {

std::string HomePageHost(int edition) {
    return edition == kCustomerEdition ? "ormand.test" : "bravolt.test";
}

std::string HomePageUrl(int edition) {
    return "https://" + HomePageHost(edition) + "/";
}

} // namespace qbx

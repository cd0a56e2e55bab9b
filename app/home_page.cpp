#include "app/home_page.h"

namespace qbx {

std::string HomePageHost(int edition) { return edition == 2 ? "ormand.test" : "bravolt.test"; }

std::string HomePageUrl(int edition) { return "https://" + HomePageHost(edition) + "/"; }

} // namespace qbx

#pragma once
#include <vector>

namespace qbx {

// One numbered string of the language modules: its identifier, the printf
// conversion letters its callers pass in order (%i and %u written as 'd'),
// and a short note of what it is for. The string tables of all three
// languages are checked against this list, so a translation can never ask
// for an argument its caller does not give.
struct StringCatalogEntry {
    int id;
    const char* signature;
    const char* use;
};

// Every numbered string, in ascending order of identifier.
const std::vector<StringCatalogEntry>& StringCatalog();

} // namespace qbx

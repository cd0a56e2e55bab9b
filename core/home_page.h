#pragma once
#include <string>

namespace qbx {

// The home page shown in the about box: the maker's for the standard edition
// (1), the OEM customer's for edition 2.
std::string HomePageHost(int edition);
std::string HomePageUrl(int edition);
constexpr const char* kOemProductName = "ORMAND";

} // namespace qbx

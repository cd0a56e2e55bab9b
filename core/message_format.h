#pragma once
#include <initializer_list>
#include <string>
#include <variant>
#include <vector>

namespace qbx {

// One argument of a message: a number for %d/%u/%x/%X/%c, a text for %s.
using MessageArg = std::variant<long long, std::string>;

// Formats a printf-style message text from the language module. Unlike
// printf, a placeholder whose argument is missing or of the other kind is
// written as "?" instead of reading random memory, so a faulty string table
// can never crash the program. Handles flags, width, precision and %%.
std::string FormatMessage(const std::string& format, const std::vector<MessageArg>& args);

// The conversion letters of a format in order ("%04X / %s" gives "Xs"),
// with %i, %u given as 'd'. Used to check string tables against callers.
std::string PlaceholderSignature(const std::string& format);

// "Quillbox-Message G.NNN".
std::string MessageCaption(int group, int number);

} // namespace qbx

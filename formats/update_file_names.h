#pragma once
#include <string>

// The extensions the update choosers accept: all lower or all upper case,
// nothing in between ("Prg" is refused).
namespace qbx {

bool IsProgramFileName(const std::string& path);     // ".prg" / ".PRG"
bool IsFirmwareFileName(const std::string& path);    // ".frm" / ".FRM"
bool IsWelcomePageFileName(const std::string& path); // ".bgs" / ".BGS"

} // namespace qbx

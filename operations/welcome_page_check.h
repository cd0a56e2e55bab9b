#pragma once
#include "formats/handover_file.h"

// Whether the welcome page an OS update is to write can be read at all: a
// page that does not open would otherwise be left out without a word.
namespace qbx {

// True when the program file's kind takes a welcome page, one was chosen
// (or the customer edition's standard page is handed over), and its file
// cannot be opened. A program file that cannot be read counts as taking
// none; its own check reports it.
bool WelcomePageMissing(const OsUpdateHandover& paths);

} // namespace qbx

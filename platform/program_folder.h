#pragma once
#include <string>

namespace qbx {

// The folder that holds the program's files (settings, slot lists, working
// folders). The GUI sets it to the executable's folder at start-up; qbx sets
// it from --folder. Until set, it is the executable's folder.
const std::string& ProgramFolder();
void SetProgramFolder(const std::string& folder);

// ProgramFolder() + '/' + name.
std::string ProgramFile(const std::string& name);

} // namespace qbx

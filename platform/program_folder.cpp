#include "platform/program_folder.h"

#include "platform/executable_path.h"

namespace qbx {
namespace {
std::string& Folder() {
    static std::string folder = FolderOf(ExecutablePath());
    return folder;
}
} // namespace

const std::string& ProgramFolder() {
    return Folder();
}

void SetProgramFolder(const std::string& folder) {
    Folder() = folder;
}

std::string ProgramFile(const std::string& name) {
    return Folder() + "/" + name;
}

} // namespace qbx

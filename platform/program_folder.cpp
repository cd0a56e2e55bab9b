#include "platform/program_folder.h"

#include "platform/executable_path.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qbx {
namespace {

struct Folders {
    std::string program = FolderOf(ExecutablePath());
    bool filesInFolder = false;
    bool decided = false;
    std::string files;
};

Folders& State() {
    static Folders folders;
    return folders;
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return home;
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "";
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

const std::string& ProgramFolder() {
    return State().program;
}

void SetProgramFolder(const std::string& folder, bool filesInFolder) {
    Folders& state = State();
    state.program = folder;
    state.filesInFolder = filesInFolder;
    state.decided = false;
}

std::string ProgramFile(const std::string& name) {
    return State().program + "/" + name;
}

const std::string& FilesFolder() {
    Folders& state = State();
    if (!state.decided) {
        // access() also says no for root on a read-only file system.
        const bool writable = state.filesInFolder || access(state.program.c_str(), W_OK) == 0;
        state.files = writable ? state.program : UserFilesFolder();
        state.decided = true;
    }
    return state.files;
}

bool FilesArePerUser() {
    return FilesFolder() != ProgramFolder();
}

std::string UserFilesFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string base = config && config[0] == '/' ? config : HomeFolder() + "/.config";
    return base + "/quillbox";
}

std::string UserWorkFolder() {
    return HomeFolder() + "/Quillbox";
}

std::string FileToRead(const std::string& folder, const std::string& name) {
    std::string path = folder + "/" + name;
    if (folder != FilesFolder() || !FilesArePerUser()) return path;
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 || errno != ENOENT) return path;
    return ProgramFile(name);
}

std::string FileToWrite(const std::string& folder, const std::string& name) {
    if (folder == FilesFolder() && FilesArePerUser()) MakeFolders(folder, 0700);
    return folder + "/" + name;
}

std::string WorkFolderOf(const std::string& folder) {
    return folder == FilesFolder() && FilesArePerUser() ? UserWorkFolder() : folder;
}

bool MakeFolders(const std::string& path, unsigned mode) {
    if (path.empty() || IsFolder(path)) return !path.empty();
    const std::string parent = FolderOf(path);
    if (!parent.empty() && parent != path) MakeFolders(parent, mode);
    return mkdir(path.c_str(), static_cast<mode_t>(mode)) == 0 || IsFolder(path);
}

} // namespace qbx

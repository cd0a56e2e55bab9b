#pragma once
#include <string>

namespace qbx {

// The folder that holds the program's own files (language modules,
// customer.ini, ports.ini, the standard welcome page). The GUI sets it to the
// executable's folder at start-up; qbx sets it from --folder. Until set, it
// is the executable's folder.
const std::string& ProgramFolder();
// `filesInFolder`: the files the program writes stay in `folder` even when
// it cannot be written (qbx --folder names the folder for them too).
void SetProgramFolder(const std::string& folder, bool filesInFolder = false);

// ProgramFolder() + '/' + name.
std::string ProgramFile(const std::string& name);

// The folder of the files the program writes (qbx_man.ini, directory.ini,
// the slot lists, config_bs_5130.ini): the program folder when it can be
// written, else the user's own folder. Installed for several users the
// program folder belongs to root, and two users must never share a file.
const std::string& FilesFolder();
bool FilesArePerUser();
// ${XDG_CONFIG_HOME:-$HOME/.config}/quillbox.
std::string UserFilesFolder();
// $HOME/Quillbox: the default working folders of a user with files of
// their own.
std::string UserWorkFolder();

// `folder`/`name` to read. In the user's own folder a file not yet written
// there is read from the program folder, whose copy is an administrator's
// default.
std::string FileToRead(const std::string& folder, const std::string& name);
// `folder`/`name` to write; the user's own folder is created first.
std::string FileToWrite(const std::string& folder, const std::string& name);
// The folder the default working folders of `folder` lie in.
std::string WorkFolderOf(const std::string& folder);

// Creates `path` and the folders above it that are missing; false when it
// still is no folder.
bool MakeFolders(const std::string& path, unsigned mode);

} // namespace qbx

#include "cli/slot_arguments.h"

#include "cli/commands.h"
#include "operations/string_ids.h"
#include "platform/save_target.h"

#include <algorithm>
#include <filesystem>

namespace qbx {

bool ParseSlotArguments(const std::vector<std::string>& arguments, const std::string& startFolder,
                        SlotList& slots, std::string& reason) {
    slots = SlotList{};
    if (arguments.empty()) {
        reason = "no N=FILE given";
        return false;
    }
    for (const std::string& argument : arguments) {
        if (argument.size() < 3 || argument[1] != '=' || argument[0] < '1' ||
            argument[0] > '0' + kSlotCount) {
            reason = "expected N=FILE with N from 1 to 7, not " + argument;
            return false;
        }
        SlotListEntry& entry = slots[argument[0] - '1'];
        if (entry.flag == 1) {
            reason = std::string("slot ") + argument[0] + " is given twice";
            return false;
        }
        entry = {1, FromStartFolder(argument.substr(2), startFolder)};
    }
    return true;
}

bool TakeVerifyOption(std::vector<std::string>& arguments) {
    const auto kept = std::remove(arguments.begin(), arguments.end(), std::string("--verify"));
    const bool found = kept != arguments.end();
    arguments.erase(kept, arguments.end());
    return found;
}

int UsageError(CConsoleHost& host, const std::string& reason) {
    host.Note(reason);
    return kExitUsage;
}

std::string FromStartFolder(const std::string& path, const std::string& startFolder) {
    std::filesystem::path file = path;
    if (file.is_relative() && !startFolder.empty()) file = std::filesystem::path(startFolder) / file;
    return file.lexically_normal().string();
}

bool CheckSaveTarget(CConsoleHost& host, int number, const std::string& typed, const std::string& path) {
    // "name" for a folder "name" would otherwise be saved as "name.dat" beside it.
    const std::string& refused = CheckSaveTarget(typed) == kSaveTargetIsFolder ? typed : path;
    if (refused == path && CheckSaveTarget(path) == kSaveTargetUsable) return true;
    host.ShowMessage(number, str::kCannotSave, {refused});
    return false;
}

} // namespace qbx

#include "operations/download_preparation_checks.h"

#include <filesystem>

namespace qbx {
namespace {

// The extension of the file name (not of a folder): after its last point.
std::string ExtensionOf(const std::string& path) {
    size_t name = path.rfind('/');
    name = name == std::string::npos ? 0 : name + 1;
    size_t dot = path.rfind('.');
    return dot == std::string::npos || dot < name ? std::string() : path.substr(dot + 1);
}

} // namespace

DownloadName CheckDownloadName(const std::string& path) {
    std::string extension = ExtensionOf(path);
    if (extension.empty()) return DownloadName::AppendDat;
    return extension == "dat" || extension == "DAT" ? DownloadName::Accepted : DownloadName::Refused;
}

std::string DownloadPath(const std::string& path) {
    return CheckDownloadName(path) == DownloadName::AppendDat ? path + ".dat" : path;
}

std::optional<std::pair<int, int>> FindSameFile(const SlotList& slots) {
    for (int higher = 2; higher <= kSlotCount; ++higher) {
        for (int lower = 1; lower < higher; ++lower) {
            const SlotListEntry& a = slots[higher - 1];
            const SlotListEntry& b = slots[lower - 1];
            if (a.flag == 1 && b.flag == 1 && a.path == b.path) return std::make_pair(higher, lower);
        }
    }
    return std::nullopt;
}

bool ConfirmOverwrites(const SlotList& slots,
                       const std::function<bool(int slot, const std::string& path)>& mayOverwrite) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const SlotListEntry& entry = slots[slot - 1];
        std::error_code error;
        if (entry.flag != 1 || !std::filesystem::exists(entry.path, error)) continue;
        if (!mayOverwrite(slot, entry.path)) return false;
    }
    return true;
}

} // namespace qbx

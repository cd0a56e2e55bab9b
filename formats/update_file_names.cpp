#include "formats/update_file_names.h"

#include <cctype>

namespace qbx {
namespace {

// The extension of the file name (after the last '.' of the last path part).
std::string Extension(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return path.substr(dot + 1);
}

bool HasExtension(const std::string& path, const std::string& lower) {
    const std::string extension = Extension(path);
    std::string upper = lower;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return extension == lower || extension == upper;
}

} // namespace

bool IsProgramFileName(const std::string& path) {
    return HasExtension(path, "prg");
}
bool IsFirmwareFileName(const std::string& path) {
    return HasExtension(path, "frm");
}
bool IsWelcomePageFileName(const std::string& path) {
    return HasExtension(path, "bgs");
}

} // namespace qbx

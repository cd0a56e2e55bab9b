#pragma once
#include <cstdint>
#include <string>

namespace qbx {

// The 52-byte fixed version record: thirteen 32-bit values in this order.
struct FixedVersionInfo {
    std::uint32_t signature = 0;
    std::uint32_t structVersion = 0;
    std::uint32_t fileVersionMS = 0;
    std::uint32_t fileVersionLS = 0;
    std::uint32_t productVersionMS = 0;
    std::uint32_t productVersionLS = 0;
    std::uint32_t flagsMask = 0;
    std::uint32_t flags = 0;
    std::uint32_t fileOS = 0;
    std::uint32_t fileType = 0;
    std::uint32_t fileSubtype = 0;
    std::uint32_t fileDateMS = 0;
    std::uint32_t fileDateLS = 0;
};

constexpr std::uint32_t kFixedVersionSignature = 0xFEEF04BDu;
constexpr size_t kFixedVersionSize = 52;
constexpr const char* kVersionSectionName = ".qbx_version";

// Reads the record from the binary's ".qbx_version" section without loading
// the file. On failure `error` gets the errno (2 when the file is missing,
// ENOEXEC when it is no ELF file or carries no record).
bool ReadFixedVersion(const std::string& path, FixedVersionInfo& block, int* error = nullptr);

// "major.minor.build.revision" of a product version.
std::string FormatProductVersion(const FixedVersionInfo& block);

} // namespace qbx

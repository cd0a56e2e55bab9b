#include "platform/fixed_version.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace qbx {
namespace {

struct FdCloser {
    int fd;
    ~FdCloser() {
        if (fd >= 0) close(fd);
    }
};

bool ReadAt(int fd, std::uint64_t offset, void* buffer, size_t size) {
    auto* out = static_cast<unsigned char*>(buffer);
    while (size > 0) {
        ssize_t n = pread(fd, out, size, static_cast<off_t>(offset));
        if (n <= 0) return false;
        out += n;
        offset += static_cast<std::uint64_t>(n);
        size -= static_cast<size_t>(n);
    }
    return true;
}

std::uint64_t Le(const unsigned char* p, int bytes) {
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | p[i];
    return value;
}

struct Section {
    std::uint32_t name;
    std::uint64_t offset;
    std::uint64_t size;
};

// Section headers of a little-endian ELF file, 32 or 64 bit.
bool ReadSections(int fd, std::uint64_t fileSize, std::vector<Section>& sections, size_t& nameIndex) {
    unsigned char ident[64] = {};
    if (fileSize < 52 || !ReadAt(fd, 0, ident, fileSize < 64 ? 52 : 64)) return false;
    if (std::memcmp(ident,
                    "\x7f"
                    "ELF",
                    4) != 0 ||
        ident[5] != 1)
        return false;
    bool wide = ident[4] == 2;
    if (!wide && ident[4] != 1) return false;
    if (wide && fileSize < 64) return false;
    std::uint64_t shoff = wide ? Le(ident + 0x28, 8) : Le(ident + 0x20, 4);
    size_t shentsize = Le(ident + (wide ? 0x3A : 0x2E), 2);
    size_t shnum = Le(ident + (wide ? 0x3C : 0x30), 2);
    nameIndex = Le(ident + (wide ? 0x3E : 0x32), 2);
    size_t need = wide ? 64 : 40;
    if (shentsize < need || shnum == 0 || nameIndex >= shnum) return false;
    if (shoff > fileSize || shnum * shentsize > fileSize - shoff) return false;
    std::vector<unsigned char> table(shnum * shentsize);
    if (!ReadAt(fd, shoff, table.data(), table.size())) return false;
    for (size_t i = 0; i < shnum; ++i) {
        const unsigned char* h = table.data() + i * shentsize;
        Section s{static_cast<std::uint32_t>(Le(h, 4)), wide ? Le(h + 0x18, 8) : Le(h + 0x10, 4),
                  wide ? Le(h + 0x20, 8) : Le(h + 0x14, 4)};
        sections.push_back(s);
    }
    return true;
}

bool FindRecord(int fd, std::uint64_t fileSize, FixedVersionInfo& block) {
    std::vector<Section> sections;
    size_t nameIndex = 0;
    if (!ReadSections(fd, fileSize, sections, nameIndex)) return false;
    const Section& names = sections[nameIndex];
    if (names.offset > fileSize || names.size > fileSize - names.offset || names.size > (1u << 24))
        return false;
    std::vector<char> nameTable(names.size + 1, '\0');
    if (!ReadAt(fd, names.offset, nameTable.data(), names.size)) return false;
    for (const Section& s : sections) {
        if (s.name >= names.size || std::strcmp(nameTable.data() + s.name, kVersionSectionName) != 0)
            continue;
        if (s.size < kFixedVersionSize || s.offset > fileSize - kFixedVersionSize) return false;
        unsigned char raw[kFixedVersionSize];
        if (!ReadAt(fd, s.offset, raw, sizeof raw)) return false;
        std::uint32_t values[13];
        for (size_t i = 0; i < 13; ++i)
            values[i] = static_cast<std::uint32_t>(Le(raw + 4 * i, 4));
        FixedVersionInfo parsed{values[0], values[1], values[2], values[3],  values[4],  values[5], values[6],
                                values[7], values[8], values[9], values[10], values[11], values[12]};
        if (parsed.signature != kFixedVersionSignature) return false;
        block = parsed;
        return true;
    }
    return false;
}

} // namespace

bool ReadFixedVersion(const std::string& path, FixedVersionInfo& block, int* error) {
    if (error) *error = 0;
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (error) *error = errno;
        return false;
    }
    FdCloser closer{fd};
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (error) *error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        return false;
    }
    if (!FindRecord(fd, static_cast<std::uint64_t>(info.st_size), block)) {
        if (error) *error = ENOEXEC;
        return false;
    }
    return true;
}

std::string FormatProductVersion(const FixedVersionInfo& block) {
    char text[48];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", static_cast<int>(block.productVersionMS >> 16),
                  static_cast<int>(block.productVersionMS & 0xFFFF),
                  static_cast<int>(block.productVersionLS >> 16),
                  static_cast<int>(block.productVersionLS & 0xFFFF));
    return text;
}

} // namespace qbx

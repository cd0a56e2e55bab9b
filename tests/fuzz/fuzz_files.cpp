#include "fuzz_files.h"

#include "formats/function_data_image.h"
#include "fuzz_check.h"

#include <cstdio>
#include <vector>

namespace qbx::fuzz {

namespace {

std::string Record(std::uint8_t type, std::uint16_t offset, const std::vector<std::uint8_t>& bytes) {
    unsigned sum = static_cast<unsigned>(bytes.size()) + (offset >> 8) + (offset & 0xFF) + type;
    char part[16];
    std::snprintf(part, sizeof part, ":%02X%04X%02X", static_cast<unsigned>(bytes.size()), offset, type);
    std::string line = part;
    for (std::uint8_t b : bytes) {
        std::snprintf(part, sizeof part, "%02X", b);
        line += part;
        sum += b;
    }
    std::snprintf(part, sizeof part, "%02X\r\n", (0x100 - (sum & 0xFF)) & 0xFF);
    return line + part;
}

} // namespace

std::string TextFile(const std::string& name, const std::string& text) {
    return WriteInput(name, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

std::string FunctionDataFile(const std::string& name, std::uint8_t deviceCode, std::uint32_t size) {
    FunctionDataHeader header;
    header.fileFormat = 3;
    header.deviceCode = deviceCode;
    header.firmware = "FW 1.0";
    header.bootsector = "BS 1.0";
    header.dataSize = size;
    FunctionDataImage image;
    FUZZ_CHECK(image.Prepare(header));
    for (std::uint32_t i = 0; i < size; ++i)
        image.SetByte(i, static_cast<std::uint8_t>(i * 7));
    const std::string path = WorkFolder() + "/" + name;
    FUZZ_CHECK(image.Save(path));
    return path;
}

std::string HexImage(std::uint32_t address, std::uint32_t size) {
    std::string text =
        Record(4, 0, {static_cast<std::uint8_t>(address >> 24), static_cast<std::uint8_t>(address >> 16)});
    for (std::uint32_t at = 0; at < size; at += 32) {
        std::vector<std::uint8_t> bytes;
        for (std::uint32_t i = at; i < size && i < at + 32; ++i)
            bytes.push_back(static_cast<std::uint8_t>(i * 13));
        text += Record(0, static_cast<std::uint16_t>(address + at), bytes);
    }
    return text + Record(1, 0, {});
}

std::string SingleImageFile(const std::string& name, const std::string& magic, std::uint32_t size) {
    char head[64];
    std::snprintf(head, sizeof head, "%s %X\r\n", magic.c_str(), size);
    return TextFile(name, head + HexImage(0, size));
}

std::string TwoImageFile(const std::string& name, const std::string& device, std::uint32_t dataSize,
                         std::uint32_t bsSize) {
    char sizes[96];
    std::snprintf(sizes, sizeof sizes, "  DATA_SIZE: %X\n    BS_SIZE: %X\n", dataSize, bsSize);
    return TextFile(name, "BRAVOLT_PRG_FILE\nFILE_FORMAT: 2\n     DEVICE: " + device +
                              "\n    PROGRAM: V 4.17\n BOOTSECTOR: BS 1.02\n" + sizes +
                              "DATA_FORMAT: INTEL HEX\n" + "comment line\nDATA_PROGRAM_BEGIN\n" +
                              HexImage(0, dataSize / 2) + "DATA_BSUPD_PROGRAM_BEGIN\n" +
                              HexImage(dataSize / 2, bsSize));
}

std::string WelcomePageFile(const std::string& name) {
    std::string text;
    for (int i = 0; i < 88; ++i)
        text += static_cast<char>('A' + i % 26);
    return TextFile(name, text);
}

} // namespace qbx::fuzz

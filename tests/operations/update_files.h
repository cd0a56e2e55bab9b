#pragma once
#include "tests/formats/hex_builder.h"
#include "tests/formats/tool_run.h"
#include "tests/support/temp_folder.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Program and firmware files around Intel HEX that srec_cat and GNU objcopy
// make from a binary at test time, and the image a device should end up
// with from them.
namespace qbx::test {

using Image = std::vector<std::uint8_t>;

struct Hole {
    std::uint32_t from, to; // to excluded
};

inline std::string HexNumber(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

// Intel HEX of `image` without the holes: by objcopy (16-byte records,
// extended segment addresses above 64 KiB) when there are no holes, else by
// srec_cat (32-byte records, extended linear addresses).
inline std::string MakeHex(const TempFolder& folder, const std::string& name, const Image& image,
                           const std::vector<Hole>& holes = {}) {
    const std::string bin = folder.File(name + ".bin"), hex = folder.File(name + ".hex");
    folder.Write(name + ".bin", std::string(image.begin(), image.end()));
    std::vector<std::string> args;
    if (holes.empty()) {
        args = {"objcopy", "-I", "binary", "-O", "ihex", bin, hex};
    } else {
        args = {"srec_cat", bin, "-binary"};
        for (const Hole& h : holes)
            args.insert(args.end(), {"-exclude", HexNumber(h.from), HexNumber(h.to)});
        args.insert(args.end(), {"-o", hex, "-intel"});
    }
    EXPECT_EQ(RunTool(args), 0) << args[0];
    return folder.Read(name + ".hex");
}

// The image with 0xFF in the holes: what the device receives.
inline Image WithHoles(Image image, const std::vector<Hole>& holes) {
    for (const Hole& h : holes)
        std::fill(image.begin() + h.from, image.begin() + h.to, 0xFF);
    return image;
}

// A single-image program file or a firmware file.
inline std::string SingleImageFile(const std::string& magic, std::uint32_t total, const std::string& hex) {
    char head[64];
    std::snprintf(head, sizeof head, "%s %X\r\n", magic.c_str(), total);
    return head + hex;
}

inline std::string TwoImageFile(const std::string& device, std::uint32_t dataSize, std::uint32_t bsSize,
                                const std::string& programHex, const std::string& bootSectorHex) {
    char sizes[96];
    std::snprintf(sizes, sizeof sizes, "  DATA_SIZE: %X\n    BS_SIZE: %X\n", dataSize, bsSize);
    return std::string("BRAVOLT_PRG_FILE\nFILE_FORMAT: 2\n     DEVICE: ") + device +
           "\n    PROGRAM: V 4.17 build 9\n BOOTSECTOR: BS 1.02\n" + sizes + "DATA_FORMAT: INTEL HEX\n" +
           "comment line\nDATA_PROGRAM_BEGIN\n" + programHex + "DATA_BSUPD_PROGRAM_BEGIN\n" + bootSectorHex;
}

// The file's text with the 32-byte record line for `from` moved behind the
// one for `behind`, as by hand.
inline std::string MoveRecord(const std::string& hex, const std::string& from, const std::string& behind) {
    std::string text = hex;
    const std::size_t at = text.find(":20" + from + "00");
    const std::size_t end = text.find('\n', at) + 1;
    const std::string line = text.substr(at, end - at);
    text.erase(at, end - at);
    const std::size_t after = text.find('\n', text.find(":20" + behind + "00")) + 1;
    return text.insert(after, line);
}

// 88 welcome-page characters, all of them the same in the device's character set.
inline std::string WelcomePageText() {
    std::string text;
    for (int i = 0; i < 88; ++i)
        text += static_cast<char>('A' + i % 26);
    return text;
}

// The program image with the welcome page in the start-up text records.
inline Image WithWelcomePage(Image image) {
    const std::string text = WelcomePageText();
    std::copy(text.begin(), text.end(), image.begin() + 0x10002);
    return image;
}

} // namespace qbx::test

// Program files wrapped around Intel HEX that srec_cat and GNU objcopy made
// from binaries: whatever order the device asks in, every byte it gets must be
// the binary's byte at that address, 0xFF where the file has no data.
#include "formats/program_file.h"
#include "formats/record_cursor.h"
#include "tests/formats/hex_builder.h"
#include "tests/formats/tool_run.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>

namespace qbx {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Hole {
    std::uint32_t from, to; // offsets into the binary, to excluded
};

// How a hex file is made from "source.bin" (the binary placed at `offset`).
struct ImageCase {
    const char* name;
    std::uint32_t size, offset;
    std::vector<Hole> holes;
    std::function<std::vector<std::string>(const std::string& bin, const std::string& hex, const ImageCase&)>
        tool;
    std::uint32_t requestSize = 64;
};

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

std::vector<std::string> Objcopy(const std::string& bin, const std::string& hex, const ImageCase& c) {
    std::vector<std::string> args = {"objcopy", "-I", "binary", "-O", "ihex"};
    if (c.offset != 0) args.insert(args.end(), {"--change-addresses", Hex(c.offset)});
    args.insert(args.end(), {bin, hex});
    return args;
}

std::function<std::vector<std::string>(const std::string&, const std::string&, const ImageCase&)>
SrecCat(std::vector<std::string> options) {
    return [options](const std::string& bin, const std::string& hex, const ImageCase& c) {
        std::vector<std::string> args = {"srec_cat", bin, "-binary"};
        for (const Hole& h : c.holes)
            args.insert(args.end(), {"-exclude", Hex(h.from), Hex(h.to)});
        if (c.offset != 0) args.insert(args.end(), {"-offset", Hex(c.offset)});
        args.insert(args.end(), {"-o", hex, "-intel"});
        args.insert(args.end(), options.begin(), options.end());
        return args;
    };
}

// The device's view of an image: 0xFF until an answer brings bytes.
class Device {
  public:
    explicit Device(std::uint32_t size) : image(size, 0xFF), asked(size, false) {}

    // Asks for one block; false when the answer was not one of the three answers.
    bool Ask(CRecordCursor& cursor, std::uint32_t address, std::uint32_t count, int* result = nullptr) {
        AnswerBlock block;
        int r = cursor.Serve(address, count, block);
        if (result) *result = r;
        if (r > kServeNoData) return false;
        for (std::uint32_t i = 0; i < count; ++i) {
            asked[address + i] = true;
            if (r != kServeNoData) image[address + i] = block[i];
        }
        return true;
    }

    // The addresses asked for whose bytes differ from `expected`.
    std::size_t Mismatches(const Bytes& expected) const {
        std::size_t wrong = 0;
        for (std::size_t a = 0; a < image.size(); ++a)
            if (asked[a] && image[a] != expected[a]) ++wrong;
        return wrong;
    }
    std::size_t Asked() const {
        return static_cast<std::size_t>(std::count(asked.begin(), asked.end(), true));
    }

  private:
    Bytes image;
    std::vector<bool> asked;
};

// kAscendingWatched: ascending, with a watcher that must change nothing and
// find every checksum the tools wrote right.
enum Order { kAscending, kSkipping, kAskingHolesAgain, kAscendingWatched };

class CChecksumTally : public CRecordWatcher {
  public:
    bool Seen(const SeenRecord& record) override {
        ++records;
        if (record.checksum != kChecksumMatches) ++wrong;
        return true;
    }
    int records = 0, wrong = 0;
};

class GeneratedImages : public testing::Test {
  protected:
    // Makes the hex file of `c`; empty when the tool is missing (the test is skipped).
    std::string MakeHex(const ImageCase& c, Bytes& expected) {
        const Bytes binary = hexfile::Pattern(c.size, c.size ^ c.offset);
        folder.Write("source.bin", std::string(binary.begin(), binary.end()));
        int status = RunTool(c.tool(folder.File("source.bin"), folder.File("image.hex"), c));
        if (status == 127) return {};
        EXPECT_EQ(status, 0) << c.name;
        expected.assign(c.offset + c.size, 0xFF);
        std::copy(binary.begin(), binary.end(), expected.begin() + c.offset);
        for (const Hole& h : c.holes)
            std::fill(expected.begin() + c.offset + h.from, expected.begin() + c.offset + h.to, 0xFF);
        return folder.Read("image.hex");
    }

    // Serves a single-image program file made of `hex` in the given order.
    void ServeSingleImage(const ImageCase& c, const std::string& hex, const Bytes& expected, Order order) {
        folder.Write("update.prg", "BRAVOLT_PROGRAM_FILE 20000\r\n" + hex);
        CTextStream file;
        ASSERT_EQ(file.Open(folder.File("update.prg")), 0);
        ASSERT_EQ(ReadProgramFileKind(file), kQrtProgramFile);
        ASSERT_EQ(ReadProgressTotal(file), 0x20000u);
        CRecordCursor cursor(file);
        cursor.BeginPhase(kSingleImagePhase);
        CChecksumTally tally;
        if (order == kAscendingWatched) cursor.SetWatcher(&tally);

        const std::uint32_t end = static_cast<std::uint32_t>(expected.size());
        Device device(end);
        std::uint32_t n = 0, skipped = 0;
        for (std::uint32_t a = 0; a < end; a += c.requestSize, ++n) {
            if (order == kSkipping && n % 3 == 1) {
                skipped += c.requestSize;
                continue;
            }
            int result = 0;
            ASSERT_TRUE(device.Ask(cursor, a, c.requestSize, &result))
                << "result " << result << " at " << Hex(a);
            if (order == kAskingHolesAgain && result != kServeData) {
                ASSERT_TRUE(device.Ask(cursor, a, c.requestSize, &result)) << Hex(a);
                EXPECT_EQ(result, kServeGap) << Hex(a);
            }
        }
        EXPECT_EQ(device.Mismatches(expected), 0u);
        EXPECT_EQ(device.Asked(), end - skipped);
        // Beyond the last record the file has nothing more to say.
        AnswerBlock block;
        EXPECT_EQ(cursor.Serve(end, c.requestSize, block), kServeEndOfFile);
        if (order == kAscendingWatched) {
            EXPECT_GT(tally.records, 0);
            EXPECT_EQ(tally.wrong, 0);
        }
    }

    TempFolder folder;
};

TEST_F(GeneratedImages, EveryAddressServedAsTheToolsWroteIt) {
    const ImageCase cases[] = {
        // objcopy writes extended segment addresses (type 02) above 64 KiB.
        {"objcopy beyond 64 KiB", 0x11000, 0, {}, Objcopy},
        {"objcopy at 0x1F000", 0x3000, 0x1F000, {}, Objcopy},
        {"srec_cat 32-byte records with holes above 64 KiB",
         0x6000,
         0x10000,
         {{0x1000, 0x1400}, {0x2345, 0x2ABC}},
         SrecCat({"-Output_Block_Size", "32", "-Output_Block_Alignment"})},
        {"srec_cat 8-byte records",
         0x2000,
         0,
         {{0x0, 0x105}, {0x801, 0x802}, {0x1234, 0x1800}},
         SrecCat({"-Output_Block_Size", "8", "-Output_Block_Alignment"})},
        {"srec_cat 44-character lines in 16-byte requests",
         0x2000,
         0,
         {{0x100, 0x213}},
         SrecCat({"-Line_Length", "44", "-Output_Block_Alignment"}),
         16},
        {"srec_cat 64-byte records, hole across 64 KiB",
         0x20000,
         0,
         {{0xFF00, 0x10100}},
         SrecCat({"-Output_Block_Size", "64"})},
    };
    for (const ImageCase& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes expected;
        const std::string hex = MakeHex(c, expected);
        if (hex.empty()) GTEST_SKIP() << c.tool("", "", c)[0] << " is not installed";
        for (Order order : {kAscending, kSkipping, kAskingHolesAgain, kAscendingWatched}) {
            SCOPED_TRACE(order);
            ServeSingleImage(c, hex, expected, order);
        }
    }
}

TEST_F(GeneratedImages, RecordsAcrossTheRequestedBlocksAreRefused) {
    // objcopy starts its records at the image's address, so records of an
    // image at 0x108 lie across the 64-byte grid of the requests.
    ImageCase c{"objcopy at 0x108", 0x400, 0x108, {}, Objcopy};
    Bytes expected;
    const std::string hex = MakeHex(c, expected);
    if (hex.empty()) GTEST_SKIP() << "objcopy is not installed";
    folder.Write("update.prg", "BRAVOLT_BLUPD_FILE 400\n" + hex);
    CTextStream file;
    ASSERT_EQ(file.Open(folder.File("update.prg")), 0);
    ASSERT_EQ(ReadProgramFileKind(file), kQrtBlupdFile);
    CRecordCursor cursor(file);
    Device device(0x600);
    int result = kServeData;
    std::uint32_t a = 0;
    for (; a < 0x600 && device.Ask(cursor, a, 64, &result); a += 64) {
    }
    EXPECT_EQ(result, kServeRecordAcrossBlock);
    EXPECT_EQ(a, 0x100u); // the record at 0x138 reaches 0x147
    EXPECT_EQ(device.Mismatches(expected), 0u);
}

TEST_F(GeneratedImages, TwoImageFileWithBootSectorAndWelcomePage) {
    constexpr std::uint32_t kDataSize = 0x12000, kBsSize = 0x2000, kWindow = kDataSize / 2;
    // Program image from objcopy (CR LF, type 02 at 64 KiB, so the base is
    // 0x10000 when it ends); the update image from srec_cat with a hole where
    // the boot sector goes, starting with its own type-04 record.
    ImageCase program{"program", kDataSize, 0, {}, Objcopy};
    ImageCase update{"update", kDataSize, 0, {{kWindow, kWindow + kBsSize}}, SrecCat({})};
    Bytes programBytes, updateBytes;
    const std::string programHex = MakeHex(program, programBytes);
    const std::string updateHex = MakeHex(update, updateBytes);
    if (programHex.empty() || updateHex.empty()) GTEST_SKIP() << "objcopy or srec_cat is not installed";
    ASSERT_EQ(updateHex.rfind(":020000040000FA", 0), 0u);

    const std::string page =
        "  Service Engineering ---- QRT5130 welcome page, four lines of twenty-two characters.";
    folder.Write("page.bgs", page + std::string(88 - page.size(), ' '));
    folder.Write("update.prg",
                 "BRAVOLT_PRG_FILE\r\nFILE_FORMAT: 2\r\n     DEVICE: QRT5130\r\n    PROGRAM: V3.02\r\n"
                 " BOOTSECTOR: B1.10\r\n  DATA_SIZE: 12000\r\n    BS_SIZE: 2000\r\n"
                 "DATA_FORMAT: INTEL_HEX\r\nDATA_PROGRAM_BEGIN\r\n" +
                     programHex + "DATA_BSUPD_PROGRAM_BEGIN\r\n" + updateHex);
    CTextStream file, welcome;
    ASSERT_EQ(file.Open(folder.File("update.prg")), 0);
    ASSERT_EQ(ReadProgramFileKind(file), kTwoImageFile);
    ASSERT_EQ(file.Open(folder.File("update.prg")), 0); // the transfer opens the file again
    TwoImageHeader header;
    ASSERT_EQ(ReadTwoImageHeader(file, header), kHeaderRead);
    ASSERT_EQ(header.dataSize, kDataSize);
    ASSERT_EQ(header.bsSize, kBsSize);
    ASSERT_TRUE(WelcomePageApplies(kTwoImageFile, header.device));
    ASSERT_EQ(welcome.Open(folder.File("page.bgs")), 0);

    CRecordCursor cursor(file);
    ASSERT_TRUE(cursor.KeepBootSector(header.dataSize, header.bsSize));
    cursor.SetWelcomePage(&welcome);
    ASSERT_TRUE(SkipToMarker(file, kProgramImageMarker));
    cursor.BeginPhase(kProgramImagePhase);
    Device first(kDataSize);
    for (std::uint32_t a = 0; a < kDataSize; a += 64)
        ASSERT_TRUE(first.Ask(cursor, a, 64)) << Hex(a);
    Bytes expectedFirst = programBytes;
    std::copy(page.begin(), page.end(), expectedFirst.begin() + 0x10002);
    std::fill(expectedFirst.begin() + 0x10002 + page.size(), expectedFirst.begin() + 0x1005A, ' ');
    EXPECT_EQ(first.Mismatches(expectedFirst), 0u);

    cursor.SetWelcomePage(nullptr);
    ASSERT_TRUE(SkipToMarker(file, kBootSectorImageMarker));
    cursor.BeginPhase(kBootSectorImagePhase);
    Device second(kDataSize);
    for (std::uint32_t a = 0; a < kDataSize; a += 64)
        ASSERT_TRUE(second.Ask(cursor, a, 64)) << Hex(a);
    Bytes expectedSecond = updateBytes;
    std::copy(programBytes.begin(), programBytes.begin() + kBsSize, expectedSecond.begin() + kWindow);
    EXPECT_EQ(second.Mismatches(expectedSecond), 0u);
}

} // namespace
} // namespace qbx

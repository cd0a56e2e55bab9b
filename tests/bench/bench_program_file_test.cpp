// The OS update benchmark's program files: valid Intel HEX that an
// independent tool reads back to the image, and that the program's own
// record cursor serves block by block, beyond 64 KiB too.
#include "bench/osupdate/bench_program_file.h"
#include "formats/program_file.h"
#include "formats/record_cursor.h"
#include "tests/formats/tool_run.h"
#include "tests/support/temp_folder.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

TEST(BenchProgramFile, RecordsAsIntelHexDefinesThem) {
    const std::uint8_t data[] = {0x21, 0x46, 0x01, 0x36, 0x01, 0x21, 0x47, 0x01,
                                 0x36, 0x00, 0x7E, 0xFE, 0x09, 0xD2, 0x19, 0x01};
    const std::uint8_t upper[] = {0x00, 0x01};
    const struct {
        std::uint8_t type;
        std::uint16_t address;
        const std::uint8_t* bytes;
        int count;
        const char* line;
    } cases[] = {
        {0, 0x0100, data, 16, ":10010000214601360121470136007EFE09D2190140\r\n"},
        {4, 0x0000, upper, 2, ":020000040001F9\r\n"},
        {1, 0x0000, nullptr, 0, ":00000001FF\r\n"},
        {0, 0xFFF0, data + 15, 1, ":01FFF000010F\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bench::HexRecord(c.type, c.address, c.bytes, c.count), c.line);
}

// srec_cat checks every record's checksum and places the data by the
// extended linear addresses; it reads what follows the program file's
// first line.
TEST(BenchProgramFile, SrecCatReadsTheImageBack) {
    TempFolder folder;
    for (std::uint32_t size : {0x10008u, 0x20000u}) {
        SCOPED_TRACE(size);
        const std::vector<std::uint8_t> image = bench::BenchImage(size);
        ASSERT_TRUE(bench::WriteBenchProgramFile(folder.File("os.prg"), image));
        const std::string text = folder.Read("os.prg");
        char head[48];
        std::snprintf(head, sizeof head, "BRAVOLT_PROGRAM_FILE %X\r\n", size);
        ASSERT_EQ(text.rfind(head, 0), 0u);
        folder.Write("os.hex", text.substr(text.find('\n') + 1));
        ASSERT_EQ(
            RunTool({"srec_cat", folder.File("os.hex"), "-intel", "-o", folder.File("os.bin"), "-binary"}),
            0);
        const std::string back = folder.Read("os.bin");
        EXPECT_TRUE(std::vector<std::uint8_t>(back.begin(), back.end()) == image);
    }
}

// What the device receives when it asks in ascending 64-byte blocks.
TEST(BenchProgramFile, ServedByTheRecordCursor) {
    TempFolder folder;
    for (std::uint32_t size : {0x40u, 0x10008u, 0x100000u}) {
        SCOPED_TRACE(size);
        const std::vector<std::uint8_t> image = bench::BenchImage(size);
        ASSERT_TRUE(bench::WriteBenchProgramFile(folder.File("os.prg"), image));
        qbx::CTextStream file;
        ASSERT_EQ(file.Open(folder.File("os.prg")), 0);
        ASSERT_EQ(qbx::ReadProgramFileKind(file), qbx::kQrtProgramFile);
        EXPECT_EQ(qbx::ReadProgressTotal(file), size);
        qbx::CRecordCursor cursor(file);
        cursor.BeginPhase(qbx::kSingleImagePhase);
        std::vector<std::uint8_t> received;
        for (std::uint32_t address = 0; address < size; address += 64) {
            const std::uint32_t count = std::min<std::uint32_t>(64, size - address);
            qbx::AnswerBlock block;
            ASSERT_EQ(cursor.Serve(address, count, block), qbx::kServeData) << address;
            received.insert(received.end(), block.begin(), block.begin() + count);
        }
        EXPECT_TRUE(received == image);
    }
}

TEST(BenchProgramFile, ImagesDifferFromPlaceToPlace) {
    const std::vector<std::uint8_t> image = bench::BenchImage(0x20000);
    // A block served from another address, or from the next 64 KiB, must show.
    for (std::uint32_t shift : {16u, 64u, 0x10000u})
        EXPECT_FALSE(std::equal(image.begin(), image.begin() + 0x10000, image.begin() + shift)) << shift;
    EXPECT_TRUE(bench::BenchImage(0x100) == std::vector<std::uint8_t>(image.begin(), image.begin() + 0x100));
}

TEST(BenchProgramFile, UnwritableFileIsReported) {
    EXPECT_FALSE(bench::WriteBenchProgramFile("/nonexistent-folder/os.prg", bench::BenchImage(64)));
    EXPECT_FALSE(bench::WriteBenchProgramFile("/dev/full", bench::BenchImage(0x10000)));
}

} // namespace

#include "core/device_charset.h"
#include "formats/program_file.h"
#include "formats/record_cursor.h"
#include "tests/formats/hex_builder.h"
#include "tests/formats/text_source.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

using hexfile::Data;
using hexfile::DataRecords;
using hexfile::End;
using hexfile::Pattern;
using Bytes = std::vector<std::uint8_t>;

const Bytes kImage = Pattern(0x200, 1);

struct Answer {
    int result;
    Bytes bytes; // the first n bytes of the block
};

Answer Ask(CRecordCursor& cursor, std::uint32_t address, std::uint32_t count) {
    AnswerBlock block;
    int result = cursor.Serve(address, count, block);
    return {result, Bytes(block.begin(), block.begin() + std::min<std::size_t>(count, block.size()))};
}

Bytes Slice(const Bytes& image, std::size_t from, std::size_t count) {
    return Bytes(image.begin() + from, image.begin() + from + count);
}

Bytes Erased(std::size_t count) {
    return Bytes(count, 0xFF);
}

// A file and a cursor over it in the single-image phase.
struct Served {
    explicit Served(const std::string& text, int phase = kSingleImagePhase)
        : source(text), cursor(source.Stream()) {
        cursor.BeginPhase(phase);
    }
    TextSource source;
    CRecordCursor cursor;
};

TEST(RecordCursor, ARequestWhoseRecordsArePresentGetsTheImageBytes) {
    Served s(DataRecords(kImage, 0, 0x200));
    Answer a = Ask(s.cursor, 0x100, 0x40); // request 0x20 0x10 0x1F 0x00 0x01 0x00 0x40
    EXPECT_EQ(a.result, kServeData);
    EXPECT_EQ(a.bytes, Slice(kImage, 0x100, 0x40));
}

TEST(RecordCursor, AnswersAlongAnImageWithAHole) {
    // Data at 0x000..0x03F and 0x100..0x17F; records of 16 bytes with a hole
    // inside the last block.
    Served s(DataRecords(kImage, 0, 0x40) + DataRecords(kImage, 0x100, 0x150) +
             DataRecords(kImage, 0x170, 0x180) + End());
    Bytes last = Slice(kImage, 0x140, 0x40);
    std::fill(last.begin() + 0x10, last.begin() + 0x30, 0xFF);
    struct {
        std::uint32_t address;
        int result;
        Bytes bytes;
    } steps[] = {
        {0x000, kServeData, Slice(kImage, 0, 0x40)},
        {0x040, kServeNoData, Erased(0x40)}, // reads the record at 0x100 and keeps it
        {0x080, kServeGap, Erased(0x40)},
        {0x080, kServeGap, Erased(0x40)}, // asked again: still nothing there
        {0x0C0, kServeGap, Erased(0x40)},
        {0x100, kServeData, Slice(kImage, 0x100, 0x40)}, // the kept record is used
        {0x140, kServeData, last},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.address);
        Answer a = Ask(s.cursor, step.address, 0x40);
        EXPECT_EQ(a.result, step.result);
        EXPECT_EQ(a.bytes, step.bytes);
    }
}

TEST(RecordCursor, SkippingAheadPassesRecordsOverAndAskingBackIntoThemFails) {
    Served s(DataRecords(kImage, 0, 0x200));
    EXPECT_EQ(Ask(s.cursor, 0x000, 0x40).result, kServeData);
    Answer a = Ask(s.cursor, 0x100, 0x40);
    EXPECT_EQ(a.result, kServeData);
    EXPECT_EQ(a.bytes, Slice(kImage, 0x100, 0x40));
    // 0x040..0x0FF were passed over and 0x100.. already sent.
    EXPECT_EQ(Ask(s.cursor, 0x0C0, 0x40).result, kServeBehindCursor);
    EXPECT_EQ(Ask(s.cursor, 0x100, 0x40).result, kServeBehindCursor);
    EXPECT_EQ(Ask(s.cursor, 0x13F, 0x01).result, kServeBehindCursor);
    EXPECT_EQ(Ask(s.cursor, 0x140, 0x40).bytes, Slice(kImage, 0x140, 0x40));
}

TEST(RecordCursor, ExtendedAddressRecordsSetTheBase) {
    const Bytes b = Pattern(16, 7);
    struct {
        const char* name;
        std::string text;
        std::uint32_t address; // where b lies
    } cases[] = {
        {"linear", hexfile::Linear(0x0001) + Data(0x0010, b), 0x10010},
        {"segment", hexfile::Segment(0x1000) + Data(0x0010, b), 0x10010},
        {"segment not on 64 KiB", hexfile::Segment(0x1234) + Data(0x0010, b), 0x12350},
        {"segment then linear", hexfile::Segment(0x1000) + hexfile::Linear(0x0002) + Data(0x0010, b),
         0x20010},
        {"linear then segment", hexfile::Linear(0x0002) + hexfile::Segment(0x0800) + Data(0x0010, b),
         0x08010},
        {"other types passed over",
         hexfile::Linear(0x0001) + hexfile::Record(3, 0, {1, 2, 3, 4}) + hexfile::Record(5, 0, {0, 0, 0, 9}) +
             hexfile::Record(1, 0, {}) + hexfile::Record(6, 0x20, {0, 1}) + Data(0x0010, b),
         0x10010},
        {"wrong checksum used unchanged", hexfile::Linear(0x0001) + hexfile::Record(0, 0x0010, b, 0x55),
         0x10010},
        {"lower-case digits",
         ":020000040001f9\n:10001000" +
             [&] {
                 std::string t;
                 char d[3];
                 for (auto x : b) {
                     std::snprintf(d, 3, "%02x", x);
                     t += d;
                 }
                 return t;
             }() +
             "00\n",
         0x10010},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Served s(c.text + Data(0xFFF0, Pattern(16, 9)));
        const std::uint32_t block = c.address & ~0x3Fu;
        Answer a = Ask(s.cursor, block, 0x40);
        ASSERT_EQ(a.result, kServeData);
        Bytes expected = Erased(0x40);
        std::copy(b.begin(), b.end(), expected.begin() + (c.address - block));
        EXPECT_EQ(a.bytes, expected);
    }
}

TEST(RecordCursor, WhatTheRecordsCannotAnswerEndsThePhase) {
    const std::string twoBlocks = DataRecords(kImage, 0, 0x80) + End();
    struct {
        const char* name;
        std::string text;
        std::uint32_t address, count;
        int result;
    } cases[] = {
        {"more than 64 bytes", twoBlocks, 0x000, 65, kServeBadLength},
        {"no bytes", twoBlocks, 0x000, 0, kServeBadLength},
        {"beyond the last record", twoBlocks, 0x080, 0x40, kServeEndOfFile},
        {"reaching beyond the last record", twoBlocks, 0x060, 0x40, kServeEndOfFile},
        {"no records at all", "BRAVOLT_PROGRAM_FILE 20000\n", 0x000, 0x40, kServeEndOfFile},
        {"file ends inside a record", ":10000000000102030405", 0x000, 0x40, kServeEndOfFile},
        {"file ends inside an extended address", ":0200000400", 0x000, 0x40, kServeEndOfFile},
        {"record reaches beyond the block",
         DataRecords(kImage, 0, 0x30) + Data(0x30, Slice(kImage, 0x30, 0x20)), 0x000, 0x40,
         kServeRecordAcrossBlock},
        {"record of 255 bytes", Data(0x00, Pattern(255, 3)), 0x000, 0x40, kServeRecordAcrossBlock},
        {"record starts before the block", DataRecords(kImage, 0, 0x80, 0x20), 0x010, 0x10,
         kServeRecordAcrossBlock},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Served s(c.text);
        AnswerBlock block;
        block.fill(0x11);
        EXPECT_EQ(s.cursor.Serve(c.address, c.count, block), c.result);
        // Nothing is left in the block that could be mistaken for data.
        EXPECT_EQ(Bytes(block.begin() + std::min<std::uint32_t>(c.count, 0x40), block.end()),
                  Erased(kAnswerBlockSize - std::min<std::uint32_t>(c.count, 0x40)));
    }
}

TEST(RecordCursor, SmallerRequestsAndRecordsOutOfOrderWithinABlock) {
    // Records inside one block may come in any order.
    Served s(Data(0x20, Slice(kImage, 0x20, 0x10)) + Data(0x00, Slice(kImage, 0x00, 0x10)) +
             Data(0x10, Slice(kImage, 0x10, 0x10)) + Data(0x30, Slice(kImage, 0x30, 0x10)) +
             DataRecords(kImage, 0x40, 0x80, 8));
    EXPECT_EQ(Ask(s.cursor, 0x00, 0x40).bytes, Slice(kImage, 0, 0x40));
    for (std::uint32_t a = 0x40; a < 0x80; a += 0x10)
        EXPECT_EQ(Ask(s.cursor, a, 0x10).bytes, Slice(kImage, a, 0x10)) << a;
}

TEST(RecordCursor, EachImageStartsAtUpperAddressZero) {
    // objcopy writes a segment record only where an image crosses 64 KiB, so
    // a boot-sector image after a large program image has none of its own.
    const Bytes first = Pattern(0x40, 4), second = Pattern(0x40, 5);
    for (const std::string& upper : {hexfile::Linear(1), hexfile::Segment(0x1000)}) {
        TextSource source(upper + DataRecords(first, 0, 0x40) + End() + "DATA_BSUPD_PROGRAM_BEGIN\n" +
                          DataRecords(second, 0, 0x40) + End());
        CRecordCursor cursor(source.Stream());
        cursor.BeginPhase(kProgramImagePhase);
        EXPECT_EQ(Ask(cursor, 0x10000, 0x40).bytes, first);
        cursor.BeginPhase(kBootSectorImagePhase);
        EXPECT_EQ(Ask(cursor, 0x00000, 0x40).bytes, second);
    }
}

TEST(RecordCursor, RecordsForAddressesAlreadyAnsweredAreOutOfOrder) {
    const auto records = [](std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> ranges) {
        std::string text;
        for (auto [from, to] : ranges)
            text += DataRecords(kImage, from, to);
        return text;
    };
    struct {
        const char* name;
        std::string text;
        std::vector<std::uint32_t> blocks; // asked for in this order, 64 bytes each
        int last;                          // the answer to the last request
        std::uint32_t record;              // RecordAddress() after it
    } cases[] = {
        // Hand-merged: 0x40..0x4F stands after 0x100..0x13F.
        {"after a later block",
         records({{0, 0x40}, {0x100, 0x140}, {0x40, 0x50}, {0x140, 0x180}}),
         {0x000, 0x040, 0x080, 0x0C0, 0x100, 0x140},
         kServeOutOfOrder,
         0x40},
        // 0xB0 reaches the block's end and is read before 0xA0.
        {"inside one block",
         records({{0x80, 0xA0}, {0xB0, 0xC0}, {0xA0, 0xB0}, {0xC0, 0x100}}),
         {0x080, 0x0C0},
         kServeOutOfOrder,
         0xA0},
        // The device skipped 0x40..0xFF: nothing it was answered for is lost.
        {"behind a skip",
         records({{0, 0x40}, {0x100, 0x140}, {0x40, 0x50}, {0x140, 0x180}}),
         {0x000, 0x100, 0x140},
         kServeData,
         0x170},
        {"ascending", records({{0, 0x180}}), {0x000, 0x040, 0x100, 0x140}, kServeData, 0x170},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Served s(c.text);
        for (std::size_t i = 0; i + 1 < c.blocks.size(); ++i)
            ASSERT_LE(Ask(s.cursor, c.blocks[i], 0x40).result, kServeNoData) << c.blocks[i];
        EXPECT_EQ(Ask(s.cursor, c.blocks.back(), 0x40).result, c.last);
        EXPECT_EQ(s.cursor.RecordAddress(), c.record);
    }
}

// A two-image file's images, DATA_SIZE 0x200 and BS_SIZE 0x80: the boot
// sector window of the second phase is 0x100..0x17F.
class BootSector : public testing::Test {
  protected:
    static constexpr std::uint32_t kDataSize = 0x200, kBsSize = 0x80;
    const Bytes program = Pattern(kDataSize, 11), update = Pattern(kDataSize, 12);

    // Serves both phases in ascending blocks of 64 and returns the second
    // phase's bytes; `results` gets each answer of the second phase.
    Bytes Run(const std::string& programRecords, const std::string& updateRecords,
              std::vector<int>* results = nullptr) {
        TextSource source(programRecords + updateRecords);
        CRecordCursor cursor(source.Stream());
        EXPECT_TRUE(cursor.KeepBootSector(kDataSize, kBsSize));
        cursor.BeginPhase(kProgramImagePhase);
        for (std::uint32_t a = 0; a < kDataSize; a += 0x40)
            EXPECT_LE(Ask(cursor, a, 0x40).result, kServeNoData);
        cursor.BeginPhase(kBootSectorImagePhase);
        Bytes served;
        for (std::uint32_t a = 0; a < kDataSize; a += 0x40) {
            Answer answer = Ask(cursor, a, 0x40);
            if (results) results->push_back(answer.result);
            served.insert(served.end(), answer.bytes.begin(), answer.bytes.end());
        }
        return served;
    }
    Bytes Expected() const {
        Bytes expected = update;
        std::copy(program.begin(), program.begin() + kBsSize, expected.begin() + kDataSize / 2);
        return expected;
    }
};

TEST_F(BootSector, ServedAgainInAWindowThatBeginsWithAGap) {
    // The update image has a hole from 0x0C0, so the window's blocks are gap answers.
    std::vector<int> results;
    Bytes served = Run(DataRecords(program, 0, kDataSize),
                       DataRecords(update, 0, 0xC0) + DataRecords(update, 0x180, kDataSize), &results);
    Bytes expected = Expected();
    std::fill(expected.begin() + 0xC0, expected.begin() + 0x100, 0xFF);
    EXPECT_EQ(served, expected);
    EXPECT_EQ(results, (std::vector<int>{kServeData, kServeData, kServeData, kServeNoData, kServeGap,
                                         kServeGap, kServeData, kServeData}));
}

TEST_F(BootSector, ServedAgainWhereTheWindowIsTheFirstBlockWithoutRecords) {
    // The first window block is collected and finds no record; it carries the
    // boot sector all the same, never a no-data answer.
    std::vector<int> results;
    Bytes served = Run(DataRecords(program, 0, kDataSize),
                       DataRecords(update, 0, 0x100) + DataRecords(update, 0x180, kDataSize), &results);
    EXPECT_EQ(served, Expected());
    EXPECT_EQ(results, (std::vector<int>{kServeData, kServeData, kServeData, kServeData, kServeData,
                                         kServeGap, kServeData, kServeData}));
}

TEST_F(BootSector, RecordsInsideTheWindowWin) {
    Bytes served = Run(DataRecords(program, 0, kDataSize),
                       DataRecords(update, 0, 0x110) + DataRecords(update, 0x180, kDataSize));
    Bytes expected = Expected();
    std::copy(update.begin() + 0x100, update.begin() + 0x110, expected.begin() + 0x100);
    EXPECT_EQ(served, expected);
}

TEST_F(BootSector, HolesOfTheProgramImageComeBackUnprogrammed) {
    // The program image has no bytes at 0x20..0x5F of the boot sector.
    Bytes served = Run(DataRecords(program, 0, 0x20) + DataRecords(program, 0x60, kDataSize),
                       DataRecords(update, 0, 0x100) + DataRecords(update, 0x180, kDataSize));
    Bytes expected = Expected();
    std::fill(expected.begin() + 0x120, expected.begin() + 0x160, 0xFF);
    EXPECT_EQ(served, expected);
}

TEST(BootSectorCopy, SizesBeyondTheLimitAreRefused) {
    TextSource source("");
    CRecordCursor cursor(source.Stream());
    EXPECT_TRUE(cursor.KeepBootSector(0x20000, 0));
    EXPECT_TRUE(cursor.KeepBootSector(0x20000, kMaxBootSectorSize));
    EXPECT_FALSE(cursor.KeepBootSector(0x20000, kMaxBootSectorSize + 1));
    EXPECT_FALSE(cursor.KeepBootSector(0x20000, 0xFFFFFFFF));
}

// The controller's start-up text records, 0x10000..0x1005F, 16 bytes each.
class WelcomePageOverlay : public testing::Test {
  protected:
    const Bytes image = Pattern(0x10080, 21);
    const std::string records = hexfile::Linear(1) + [this] {
        std::string text;
        for (std::uint32_t a = 0x10000; a < 0x10080; a += 16)
            text += Data(static_cast<std::uint16_t>(a), Slice(image, a, 16));
        return text;
    }();

    Bytes Serve(const std::string& page, int phase) {
        TextSource program(records), welcome(page);
        CRecordCursor cursor(program.Stream());
        cursor.SetWelcomePage(&welcome.Stream());
        cursor.BeginPhase(phase);
        Bytes served = Ask(cursor, 0x10000, 0x40).bytes;
        Bytes more = Ask(cursor, 0x10040, 0x40).bytes;
        served.insert(served.end(), more.begin(), more.end());
        return served;
    }
};

TEST_F(WelcomePageOverlay, ItsCharactersGoTo0x10002Through0x10059) {
    std::string page;
    for (int i = 0; i < 88; ++i)
        page.push_back(static_cast<char>('!' + i));
    page[5] = '\xE4'; // a umlaut
    Bytes expected = Slice(image, 0x10000, 0x80);
    for (int i = 0; i < 88; ++i)
        expected[2 + i] = static_cast<std::uint8_t>(page[i]);
    expected[2 + 5] = 128;
    EXPECT_EQ(Serve(page, kSingleImagePhase), expected);
    EXPECT_EQ(Serve(page, kProgramImagePhase), expected);
}

TEST_F(WelcomePageOverlay, AShortPageLeavesTheImageBytesInTheDeviceCharacterSet) {
    Bytes expected = Slice(image, 0x10000, 0x80);
    expected[2] = 'H';
    expected[3] = 'i';
    for (int a = 4; a < 0x5A; ++a)
        expected[a] = ToDeviceChar(expected[a]);
    EXPECT_EQ(Serve("Hi", kSingleImagePhase), expected);
}

TEST_F(WelcomePageOverlay, NotInTheBootSectorUpdateImage) {
    EXPECT_EQ(Serve(std::string(88, 'W'), kBootSectorImagePhase), Slice(image, 0x10000, 0x80));
}

TEST(ProgressPercent, UsesTheDisplaysArithmeticAndSurvivesAZeroTotal) {
    struct {
        std::uint32_t position, total, percent;
    } cases[] = {
        {0, 0x20000, 0},
        {0x10000, 0x20000, 50},
        {0x1FFC0, 0x20000, 99},
        {0x20000, 0x20000, 100},
        {5, 0, 0},
        {0, 0, 0},
        {0x3000000, 0x3000000, 14}, // position * 100 wraps at 32 bits
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgressPercent(c.position, c.total), c.percent) << c.position << " / " << c.total;
}

} // namespace
} // namespace qbx

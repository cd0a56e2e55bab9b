#include "formats/hex_records.h"
#include "tests/formats/text_source.h"

#include <gtest/gtest.h>

#include <vector>

namespace qbx {
namespace {

struct Header {
    int result;
    std::uint8_t count = 0xEE;
    std::uint32_t address = 0xEEEE;
    std::uint8_t type = 0xEE;
};

Header ReadHeader(CTextStream& in) {
    Header h{};
    h.result = ReadRecordHeader(in, h.count, h.address, h.type);
    return h;
}

TEST(ReadRecordHeader, ReadsCountAddressTypeAndStopsAtTheData) {
    TextSource source(":10010000214601360121470136007EFE09D2190140\r\n");
    Header h = ReadHeader(source.Stream());
    EXPECT_EQ(h.result, 0);
    EXPECT_EQ(h.count, 0x10);
    EXPECT_EQ(h.address, 0x0100u);
    EXPECT_EQ(h.type, 0);
    EXPECT_EQ(source.Rest(), "214601360121470136007EFE09D2190140\n");
}

TEST(ReadRecordHeader, Fields) {
    struct {
        const char* text;
        int result;
        std::uint8_t count;
        std::uint32_t address;
        std::uint8_t type;
    } cases[] = {
        // Everything before the colon is skipped, including header lines and digits.
        {"BRAVOLT_PROGRAM_FILE 20000\n:0200000400017F", 4, 0x02, 0x0000, 4},
        {"ab12\n\n  :00000001FF", 1, 0x00, 0x0000, 1},
        {":FFABCD05", 5, 0xFF, 0xABCD, 5},
        {":02ffff04", 4, 0x02, 0xFFFF, 4},
        // A field without digits keeps the value it had (0xEE..).
        {":10zzzz00", 0xEE, 0x10, 0xEEEE, 0xEE},
        {":zz", 0xEE, 0xEE, 0xEEEE, 0xEE},
        // White space before a field is skipped, as the conversion does.
        {": 1 0100 \n03", 0x03, 0x01, 0x0100, 0x03},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TextSource source(c.text);
        Header h = ReadHeader(source.Stream());
        EXPECT_EQ(h.result, c.result);
        EXPECT_EQ(h.count, c.count);
        EXPECT_EQ(h.address, c.address);
        EXPECT_EQ(h.type, c.type);
    }
}

TEST(ReadRecordHeader, ReportsTheEndOfTheFileInsteadOfSearchingOn) {
    const char* texts[] = {"", "no colon at all\n", ":", ":10", ":100100", ":100100 \n"};
    for (const char* text : texts) {
        TextSource source(text);
        EXPECT_EQ(ReadHeader(source.Stream()).result, kRecordsEnded) << text;
        EXPECT_EQ(ReadHeader(source.Stream()).result, kRecordsEnded) << text;
    }
}

TEST(ReadRecordBytes, KeepsBytesWithoutDigitsAndReportsTheEnd) {
    struct {
        const char* text;
        std::vector<std::uint8_t> before, after;
        bool complete;
    } cases[] = {
        {"0aFf10", {0, 0, 0}, {0x0A, 0xFF, 0x10}, true},
        // One digit before a non-digit is a byte of its own; after that nothing converts.
        {"3G44", {9, 9, 9}, {0x03, 9, 9}, true},
        {"11\n:0200", {9, 9, 9}, {0x11, 9, 9}, true},
        {"1122", {9, 9, 9}, {0x11, 0x22, 9}, false},
        {"", {}, {}, true},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.text);
        TextSource source(c.text);
        std::vector<std::uint8_t> bytes = c.before;
        EXPECT_EQ(ReadRecordBytes(source.Stream(), bytes), c.complete);
        EXPECT_EQ(bytes, c.after);
    }
}

constexpr std::uint8_t kImage = 0x41; // 'A', what the record holds before the text goes in

std::vector<std::uint8_t> PlaceText(const std::string& text, std::uint8_t count, std::uint32_t address,
                                    std::size_t room = 16, std::string* rest = nullptr) {
    TextSource source(text);
    std::vector<std::uint8_t> record(room, kImage);
    ReadRecordText(source.Stream(), record, count, address);
    if (rest) *rest = source.Rest();
    return record;
}

TEST(ReadRecordText, TheAddressDecidesWhichBytesAreReplaced) {
    const std::string text = "0123456789abcdefghijklmnop";
    struct {
        std::uint32_t address;
        std::uint8_t count;
        std::string record; // 16 bytes after the call
        std::string rest;   // what is left of the text
    } cases[] = {
        {0x10000, 5, "AA012AAAAAAAAAAA", "3456789abcdefghijklmnop"},
        {0x10000, 16, "AA0123456789abcd", "efghijklmnop"},
        {0x10000, 1, "AAAAAAAAAAAAAAAA", text},
        {0x10010, 16, "0123456789abcdef", "ghijklmnop"},
        {0x10025, 3, "012AAAAAAAAAAAAA", "3456789abcdefghijklmnop"},
        {0x10040, 16, "0123456789abcdef", "ghijklmnop"},
        {0x10050, 16, "0123456789AAAAAA", "abcdefghijklmnop"},
        {0x10050, 4, "0123456789AAAAAA", "abcdefghijklmnop"},
        {0x10008, 16, "AAAAAAAAAAAAAAAA", text},
        {0x10041, 16, "AAAAAAAAAAAAAAAA", text},
        {0x10060, 16, "AAAAAAAAAAAAAAAA", text},
        {0x00000, 16, "AAAAAAAAAAAAAAAA", text},
        {0x20010, 16, "AAAAAAAAAAAAAAAA", text},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.address << " count " << int(c.count));
        std::string rest;
        std::vector<std::uint8_t> record = PlaceText(text, c.count, c.address, 16, &rest);
        EXPECT_EQ(std::string(record.begin(), record.end()), c.record);
        EXPECT_EQ(rest, c.rest);
    }
}

TEST(ReadRecordText, AtTheEndOfTheTextTheImageByteIsConverted) {
    TextSource source("xy");
    std::vector<std::uint8_t> record = {0xE4, 0xE4, 0x31, 0xB0, 0x01, 0x7E};
    ReadRecordText(source.Stream(), record, 6, 0x10020);
    EXPECT_EQ(record, (std::vector<std::uint8_t>{'x', 'y', 0x31, 127, 32, 0x7E}));
}

TEST(ReadRecordText, NeverWritesPastTheRoomGiven) {
    std::string rest;
    std::vector<std::uint8_t> record = PlaceText("0123456789abc", 16, 0x10050, 4, &rest);
    EXPECT_EQ(std::string(record.begin(), record.end()), "0123");
    EXPECT_EQ(rest, "abc"); // the text is still read as far as the record says
}

} // namespace
} // namespace qbx

#include "core/message_format.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(MessageFormat, PrintfConversions) {
    struct Case {
        const char* format;
        std::vector<MessageArg> args;
        const char* expected;
    } cases[] = {
        {"ErrorCode: %d", {5LL}, "ErrorCode: 5"},
        {"%s (%d)", {std::string("COM3"), 2LL}, "COM3 (2)"},
        {"%04X / %04X", {0x1fLL, 0x8400LL}, "001F / 8400"},
        {"%x", {255LL}, "ff"},
        {"%u", {-1LL}, "4294967295"},
        {"100%% done", {}, "100% done"},
        {"%5s|%-4d|", {std::string("ab"), 7LL}, "   ab|7   |"},
        {"%c%c", {'!' * 1LL, 'C' * 1LL}, "!C"},
        {"Typ %d", {0xA8LL}, "Typ 168"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatMessage(c.format, c.args), c.expected) << c.format;
}

TEST(MessageFormat, FaultyTablesNeverReadMissingArguments) {
    EXPECT_EQ(FormatMessage("%s and %s", {std::string("one")}), "one and ?");
    EXPECT_EQ(FormatMessage("%d", {std::string("text")}), "?");
    EXPECT_EQ(FormatMessage("%s", {5LL}), "?");
    EXPECT_EQ(FormatMessage("%n%p", {1LL}), "%n%p"); // not a conversion we fill
    EXPECT_EQ(FormatMessage("ends with %", {}), "ends with %");
    EXPECT_EQ(FormatMessage("%999999d", {1LL}).size(), 511u); // bounded
}

TEST(MessageFormat, Signatures) {
    EXPECT_EQ(PlaceholderSignature("no placeholders, 100%%"), "");
    EXPECT_EQ(PlaceholderSignature("File %s couldn't be found. (ErrorCode: %d)"), "sd");
    EXPECT_EQ(PlaceholderSignature("%04X / %04X"), "XX");
    EXPECT_EQ(PlaceholderSignature("%i %u %-3.2s"), "dds");
}

TEST(MessageFormat, Caption) {
    EXPECT_EQ(MessageCaption(0, 4), "Quillbox-Message 0.004");
    EXPECT_EQ(MessageCaption(12, 10), "Quillbox-Message 12.010");
}

} // namespace
} // namespace qbx

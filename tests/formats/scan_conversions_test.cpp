#include "formats/scan_conversions.h"
#include "tests/formats/text_source.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace qbx {
namespace {

// The C library's reading of `text` through a real FILE.
struct CFile {
    explicit CFile(const std::string& text) : copy(text.empty() ? std::string(1, '\0') : text) {
        file = fmemopen(copy.data(), text.size() == 0 ? 1 : text.size(), "r");
        if (text.empty()) std::fgetc(file); // an empty stream: fmemopen wants a size
    }
    ~CFile() { std::fclose(file); }
    std::string Rest() {
        std::string rest;
        for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file))
            rest.push_back(static_cast<char>(c));
        return rest;
    }
    std::string copy;
    FILE* file;
};

TEST(ScanHex, BehavesLikeFscanf) {
    const char* inputs[] = {"12",    "  12", " \n\t1f", "-1",    "+1",       "-",   "+",      "0x12",   "0X1",
                            "0x",    "0xg",  "0g",      "x1",    "g1",       "1g",  "-0x1",   "+0x",    "-g",
                            "123",   "",     "  ",      "0",     "00x1",     "-12", "0x1234", "f",      ":",
                            "FfAa9", "- 1",  "0x-1",    "\v\f7", "abcdef12", "+0X", "-0",     "0000001"};
    const int widths[] = {1, 2, 4, 6, 8};
    for (int width : widths) {
        const std::string format = "%" + std::to_string(width) + "x";
        for (const char* input : inputs) {
            SCOPED_TRACE(format + " on \"" + input + "\"");
            CFile reference(input);
            unsigned expected = 0xDEADBEEF;
            int expectedResult = std::fscanf(reference.file, format.c_str(), &expected);

            TextSource source(input);
            std::uint32_t value = 0xDEADBEEF;
            EXPECT_EQ(ScanHex(source.Stream(), width, value), expectedResult);
            EXPECT_EQ(value, expected);
            EXPECT_EQ(source.Rest(), reference.Rest()); // the same characters are left
            // A string reader agrees on the value.
            unsigned fromString = 0xDEADBEEF;
            EXPECT_EQ(std::sscanf(input, format.c_str(), &fromString), expectedResult);
            EXPECT_EQ(fromString, expected);
        }
    }
}

TEST(ScanWord, BehavesLikeFscanfAndNeverOverruns) {
    const std::string longest(kWordBufferSize - 1, 'W');
    const std::string inputs[] = {"BRAVOLT_PRG_FILE\n",
                                  "  \t\nBRAVOLT_PRG_FILE x",
                                  "BRAVOLT_PRG_FILE ",
                                  "a\rb",
                                  "",
                                  " \n ",
                                  longest + " tail",
                                  longest};
    for (const std::string& input : inputs) {
        SCOPED_TRACE(input.substr(0, 40));
        CFile reference(input);
        char expected[kWordBufferSize] = "unchanged";
        int expectedResult = std::fscanf(reference.file, "%199s", expected);

        TextSource source(input);
        std::string word = "unchanged";
        EXPECT_EQ(ScanWord(source.Stream(), word), expectedResult);
        EXPECT_EQ(word, expected);
        EXPECT_EQ(source.Rest(), reference.Rest());
    }
}

TEST(ScanWord, AWordTooLongForTheBufferIsNoMatch) {
    for (std::size_t length : {kWordBufferSize, kWordBufferSize + 1, std::size_t{5000}}) {
        TextSource source(std::string(length, 'W') + " next");
        std::string word;
        EXPECT_EQ(ScanWord(source.Stream(), word), kScanNoMatch) << length;
        EXPECT_LT(word.size(), kWordBufferSize);
    }
}

// Every line fgets gives for `text`, each line as read (line feed included).
std::vector<std::string> FgetsLines(const std::string& text) {
    CFile reference(text);
    std::vector<std::string> lines;
    char buffer[kLineBufferSize];
    while (std::fgets(buffer, sizeof buffer, reference.file))
        lines.emplace_back(buffer);
    return lines;
}

TEST(ReadLine, SplitsTheTextLikeFgets) {
    const std::string texts[] = {
        "one\ntwo\n",
        "no line end",
        "\n\n\nthree empty lines before\n",
        std::string(198, 'a') + "\nnext\n", // 198 + LF fits one read
        std::string(199, 'b') + "\nnext\n", // the LF becomes a line of its own
        std::string(450, 'c') + "\nnext",   // a long line comes in three pieces
        "trailing blanks   \n\tlead\n",
        "",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text.substr(0, 30));
        TextSource source(text);
        std::vector<std::string> lines;
        std::string line;
        while (ReadLine(source.Stream(), line))
            lines.push_back(line);
        EXPECT_EQ(lines, FgetsLines(text));
    }
}

TEST(ReadLine, ReadsCrLfAsALineFeed) {
    // A CR LF counts as one character, so a 198-character line ended by CR LF
    // still fits one read, as in text mode.
    TextSource source(std::string(198, 'a') + "\r\nsecond\r\nlone\rcr\r\n");
    std::string line;
    ASSERT_TRUE(ReadLine(source.Stream(), line));
    EXPECT_EQ(line, std::string(198, 'a') + "\n");
    ASSERT_TRUE(ReadLine(source.Stream(), line));
    EXPECT_EQ(line, "second\n");
    ASSERT_TRUE(ReadLine(source.Stream(), line));
    EXPECT_EQ(line, "lone\rcr\n");
    EXPECT_FALSE(ReadLine(source.Stream(), line));
}

TEST(ParseHex32, BehavesLikeStrtoulWithin32Bits) {
    const char* inputs[] = {
        "10000", "  0x1F", "0X2000", "ff",    "FFFFFFFF",        "0x",          "0xg", "zz",   "", "  ",
        "12 34", "+7",     "-1",     "-0x10", "000000000000001", "\t\n 2000\r", "1g",  "0x0x1"};
    for (const char* input : inputs) {
        SCOPED_TRACE(input);
        EXPECT_EQ(ParseHex32(input), static_cast<std::uint32_t>(std::strtoul(input, nullptr, 16)));
    }
}

TEST(ParseHex32, ValuesAbove32BitsSaturate) {
    // A size that does not fit must not come out small.
    EXPECT_EQ(ParseHex32("100000000"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseHex32("123456789ABCDEF0123"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseHex32("-100000000"), 0xFFFFFFFFu);
}

TEST(TextStream, CrLfReadsAsOneLineFeedAlsoAcrossTheBuffer) {
    // The CR is the last byte of the first buffer load, the LF the first of the next.
    std::string text(4095, 'x');
    text += "\r\ny\r\rz\r";
    TextSource source(text);
    CTextStream& in = source.Stream();
    for (int i = 0; i < 4095; ++i)
        ASSERT_EQ(in.Get(), 'x');
    EXPECT_EQ(in.Peek(), '\n');
    EXPECT_EQ(in.Get(), '\n');
    std::string rest;
    for (int c = in.Get(); c != CTextStream::kEnd; c = in.Get())
        rest.push_back(static_cast<char>(c));
    EXPECT_EQ(rest, "y\r\rz\r");
    EXPECT_EQ(in.Get(), CTextStream::kEnd);
    EXPECT_EQ(in.Peek(), CTextStream::kEnd);
    EXPECT_FALSE(in.Failed());
}

TEST(TextStream, OpenReportsTheErrorAndReadsFiles) {
    TempFolder folder;
    CTextStream in;
    EXPECT_EQ(in.Open(folder.File("missing.prg")), ENOENT);
    EXPECT_FALSE(in.IsOpen());
    EXPECT_EQ(in.Get(), CTextStream::kEnd);
    folder.Write("a.prg", "ab");
    ASSERT_EQ(in.Open(folder.File("a.prg")), 0);
    EXPECT_EQ(in.Get(), 'a');
    EXPECT_EQ(in.Get(), 'b');
    EXPECT_EQ(in.Get(), CTextStream::kEnd);
}

TEST(TextStream, AFolderIsRefusedAndAReadErrorEndsTheStream) {
    TempFolder folder;
    CTextStream in;
    EXPECT_EQ(in.Open(folder.Path()), EISDIR);
    EXPECT_FALSE(in.IsOpen());
    // A descriptor whose every read fails, given by a caller.
    const int fd = open(folder.Path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    in.Attach(fd);
    EXPECT_EQ(in.Get(), CTextStream::kEnd);
    EXPECT_TRUE(in.Failed());
    close(fd);
}

} // namespace
} // namespace qbx

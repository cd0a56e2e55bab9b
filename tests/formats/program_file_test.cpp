#include "formats/hex_records.h"
#include "formats/program_file.h"
#include "tests/formats/text_source.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(ProgramFileKind, TheFirstWordNamesTheKind) {
    struct {
        std::string text;
        int kind;
    } cases[] = {
        {"BRAVOLT_PROGRAM_FILE 20000\n:00000001FF\n", kQrtProgramFile},
        {"BRAVOLT_BLUPD_FILE\t1FFFF", kQrtBlupdFile},
        {"\r\n  BRAVOLT_BUSVIEW_PROGRAM_FILE", kBusViewProgramFile},
        {"BRAVOLT_BUSVIEW_BLUPD_FILE\n", kBusViewBlupdFile},
        {"BRAVOLT_PRG_FILE\n", kTwoImageFile},
        {"BRAVOLT_PRG_FILE \n", kTwoImageFile}, // the word ends at the blank
        {"bravolt_prg_file\n", kNotProgramFile},
        {"BRAVOLT_PRG_FILE:\n", kNotProgramFile},
        {"BRAVOLT_FIRMWARE_FILE 1000\n", kNotProgramFile},
        {":10000000\n", kNotProgramFile},
        {"", kNotProgramFile},
        {"   \n\t", kNotProgramFile},
        {"BRAVOLT_PRG_FILE" + std::string(300, '_'), kNotProgramFile},
        {std::string(100000, 'B'), kNotProgramFile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        TextSource source(c.text);
        EXPECT_EQ(ReadProgramFileKind(source.Stream()), c.kind);
    }
}

TEST(ProgramFileKind, WhatEachKindAnnouncesAndWhereTheWelcomePageGoes) {
    struct {
        int kind;
        bool single;
        std::uint8_t device;
        bool welcomeForQrt, welcomeForOther;
    } cases[] = {
        {kQrtProgramFile, true, 0x80, true, true},       {kQrtBlupdFile, true, 0x80, false, false},
        {kBusViewProgramFile, true, 0x81, false, false}, {kBusViewBlupdFile, true, 0x81, false, false},
        {kTwoImageFile, false, 0, true, false},          {kNotProgramFile, false, 0, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(IsSingleImageKind(c.kind), c.single);
        EXPECT_EQ(SingleImageDeviceCode(c.kind), c.device);
        EXPECT_EQ(WelcomePageApplies(c.kind, "QRT5130"), c.welcomeForQrt);
        EXPECT_EQ(WelcomePageApplies(c.kind, "BUS_METER"), c.welcomeForOther);
    }
    // Only the exact device name counts.
    EXPECT_FALSE(WelcomePageApplies(kTwoImageFile, "QRT5130 "));
    EXPECT_FALSE(WelcomePageApplies(kTwoImageFile, "qrt5130"));
}

TEST(FirmwareFile, TheFirstWordNamesTheFamily) {
    struct {
        const char* text;
        std::uint8_t family;
    } cases[] = {
        {"BRAVOLT_FIRMWARE_FILE 8000\n", 0xA2},
        {" BRAVOLT_LINKBOX_FIRMWARE_FILE\n", 0xA3},
        {"BRAVOLT_PROGRAM_FILE 20000\n", 0},
        {"BRAVOLT_FIRMWARE_FILE_X\n", 0},
        {"", 0},
    };
    for (const auto& c : cases) {
        TextSource source(c.text);
        EXPECT_EQ(ReadFirmwareFamily(source.Stream()), c.family) << c.text;
    }
}

TEST(ProgressTotal, SixHexDigitsAfterTheFirstWord) {
    struct {
        const char* text;
        std::uint32_t total;
    } cases[] = {
        {"BRAVOLT_PROGRAM_FILE 20000\n", 0x20000},
        {"BRAVOLT_PROGRAM_FILE\r\n1ffff\r\n", 0x1FFFF},
        {"BRAVOLT_PROGRAM_FILE 1234567\n", 0x123456},
        {"BRAVOLT_PROGRAM_FILE 0x12345\n", 0x1234}, // the prefix counts in the six
        {"BRAVOLT_PROGRAM_FILE\n:10000000", 0},
        {"BRAVOLT_PROGRAM_FILE", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TextSource source(c.text);
        ASSERT_EQ(ReadProgramFileKind(source.Stream()), kQrtProgramFile);
        EXPECT_EQ(ReadProgressTotal(source.Stream()), c.total);
    }
}

TEST(ProgressTotal, TheRecordsReadOnFromThereAreThoseFromTheStart) {
    // The records are read on from after the total; whatever the total looks
    // like, the record found there is the one a reader from the start finds.
    const char* totals[] = {"20000", "", ":", "1234567:", "0x", "-", "12:10"};
    for (const char* total : totals) {
        SCOPED_TRACE(total);
        const std::string text = std::string("BRAVOLT_PROGRAM_FILE ") + total + "\n:0200000400017F\n";
        TextSource onward(text), fromStart(text);
        ReadProgramFileKind(onward.Stream());
        ReadProgressTotal(onward.Stream());
        std::uint8_t count[2] = {7, 7}, type[2] = {7, 7};
        std::uint32_t address[2] = {7, 7};
        EXPECT_EQ(ReadRecordHeader(onward.Stream(), count[0], address[0], type[0]),
                  ReadRecordHeader(fromStart.Stream(), count[1], address[1], type[1]));
        EXPECT_EQ(count[0], count[1]);
        EXPECT_EQ(address[0], address[1]);
        EXPECT_EQ(onward.Rest(), fromStart.Rest());
    }
}

TEST(DeviceTable, NamesAreComparedExactly) {
    struct {
        const char* name;
        std::uint8_t code;
    } cases[] = {
        {"QRT5130", 0x80},
        {"BUS_VIEWER", 0x81},
        {"BUS_PORTA", 0x82},
        {"BUS_PORTB", 0x83},
        {"BUS_GATE", 0x84},
        {"BUS_METER", 0x85},
        {"qrt5130", 0},
        {"QRT5130 ", 0},
        {" BUS_METER", 0},
        {"BUS_PORTC", 0},
        {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DeviceCodeOf(c.name), c.code) << c.name;
}

// A two-image header with the given values, each line ended by `end`.
std::string Header(const std::string& device = "QRT5130", const std::string& dataSize = "10000",
                   const std::string& bsSize = "2000", const std::string& end = "\n",
                   const std::string& first = "BRAVOLT_PRG_FILE") {
    return first + end + "FILE_FORMAT: 1.0" + end + "     DEVICE: " + device + end + "    PROGRAM: V2.41" +
           end + " BOOTSECTOR: B1.07  " + end + "  DATA_SIZE: " + dataSize + end + "    BS_SIZE: " + bsSize +
           end + "DATA_FORMAT: INTEL HEX" + end;
}

TEST(TwoImageHeader, ReadsTheValuesByPosition) {
    TextSource source(Header() + "DATA_PROGRAM_BEGIN\n");
    TwoImageHeader header;
    ASSERT_EQ(ReadTwoImageHeader(source.Stream(), header), kHeaderRead);
    EXPECT_EQ(header.device, "QRT5130");
    EXPECT_EQ(header.deviceCode, 0x80);
    EXPECT_EQ(header.program, "V2.41");
    EXPECT_EQ(header.bootsector, "B1.07  "); // trailing blanks stay
    EXPECT_EQ(header.dataSize, 0x10000u);
    EXPECT_EQ(header.bsSize, 0x2000u);
    EXPECT_EQ(TwoImageProgressTotal(header), 0x20000u);
    EXPECT_EQ(source.Rest(), "DATA_PROGRAM_BEGIN\n");
}

TEST(TwoImageHeader, Values) {
    struct {
        std::string text;
        std::string device;
        std::uint8_t code;
        std::uint32_t dataSize, bsSize;
    } cases[] = {
        {Header("BUS_METER"), "BUS_METER", 0x85, 0x10000, 0x2000},
        // Written on Windows: the CR LF line ends read as line feeds.
        {Header("BUS_METER", "10000", "2000", "\r\n"), "BUS_METER", 0x85, 0x10000, 0x2000},
        {Header("BUS_METER ", "0x1F000", " 800 kB"), "BUS_METER ", 0, 0x1F000, 0x800},
        {Header("", "none", ""), "", 0, 0, 0},
        {Header("QRT5130", "-1", "0"), "QRT5130", 0x80, 0xFFFFFFFF, 0},
        {Header("QRT5130", "FFFFFFFFF", "1000000"), "QRT5130", 0x80, 0xFFFFFFFF, 0x1000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.device);
        TextSource source(c.text);
        TwoImageHeader header;
        ASSERT_EQ(ReadTwoImageHeader(source.Stream(), header), kHeaderRead);
        EXPECT_EQ(header.device, c.device);
        EXPECT_EQ(header.deviceCode, c.code);
        EXPECT_EQ(header.dataSize, c.dataSize);
        EXPECT_EQ(header.bsSize, c.bsSize);
    }
}

TEST(TwoImageHeader, AValueIsTheLineWithoutWhatItSharesWithTheKey) {
    struct {
        const char* line;
        const char* key;
        const char* value;
    } cases[] = {
        {"     DEVICE: BUS_METER", "     DEVICE: ", "BUS_METER"},
        {"DEVICE: BUS_METER", "     DEVICE: ", "DEVICE: BUS_METER"},
        {"     DEVICE:BUS_METER", "     DEVICE: ", "BUS_METER"},
        {"    BS_SIZE: 2000", "    PROGRAM: ", "BS_SIZE: 2000"},
        {"  DATA_SIZE: 10000", "    BS_SIZE: ", "DATA_SIZE: 10000"},
        {"     DEV", "     DEVICE: ", ""},
        {"", "     DEVICE: ", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HeaderValue(c.line, c.key), c.value) << c.line;
}

TEST(TwoImageHeader, DeviceWithoutItsLeadingBlanksIsNoKnownDevice) {
    std::string text = Header();
    text.replace(text.find("     DEVICE: QRT5130"), 20, "DEVICE: BUS_METER");
    TextSource source(text);
    TwoImageHeader header;
    ASSERT_EQ(ReadTwoImageHeader(source.Stream(), header), kHeaderRead);
    EXPECT_EQ(header.device, "DEVICE: BUS_METER");
    EXPECT_EQ(header.deviceCode, 0);
}

TEST(TwoImageHeader, Refusals) {
    std::string shortFile = Header();
    shortFile.resize(shortFile.find("    BS_SIZE"));
    struct {
        std::string text;
        int result;
    } cases[] = {
        {Header("QRT5130", "10000", "2000", "\n", "BRAVOLT_PRG_FILE "), kHeaderBadFirstLine},
        {Header("QRT5130", "10000", "2000", "\n", " BRAVOLT_PRG_FILE"), kHeaderBadFirstLine},
        {Header("QRT5130", "10000", "2000", "\r\r\n"), kHeaderBadFirstLine},
        {"", kHeaderBadFirstLine},
        {"BRAVOLT_PRG_FILE", kHeaderTooShort},
        {shortFile, kHeaderTooShort},
        {Header("QRT5130", "10000", "1000001"), kHeaderBootSectorTooLarge},
        {Header("QRT5130", "10000", "-1"), kHeaderBootSectorTooLarge},
        {Header("QRT5130", "10000", "1000000"), kHeaderRead},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 30));
        TextSource source(c.text);
        TwoImageHeader header;
        EXPECT_EQ(ReadTwoImageHeader(source.Stream(), header), c.result);
    }
}

TEST(TwoImageHeader, ALongLineIsReadInPiecesThatShiftTheLinesAfterIt) {
    // Line 2 of 250 characters is two reads: its last 51 characters are
    // taken as line 3, the DEVICE line as line 4, and so on.
    std::string text = Header();
    text.replace(text.find("FILE_FORMAT: 1.0"), 16,
                 "FILE_FORMAT: " + std::string(186, 'f') + "BUS_METER" + std::string(42, 'g'));
    TextSource source(text);
    TwoImageHeader header;
    ASSERT_EQ(ReadTwoImageHeader(source.Stream(), header), kHeaderRead);
    EXPECT_EQ(header.device, "BUS_METER" + std::string(42, 'g'));
    EXPECT_EQ(header.program, " DEVICE: QRT5130");
    EXPECT_EQ(header.dataSize, 0xBu); // " BOOTSECTOR: B1.07  " read as DATA_SIZE
}

TEST(SkipToMarker, FindsOnlyTheExactLine) {
    TextSource source("DATA_PROGRAM_BEGIN \n data_program_begin\nDATA_PROGRAM_BEGINS\n"
                      "DATA_PROGRAM_BEGIN\r\n:00000001FF\nDATA_BSUPD_PROGRAM_BEGIN\n:0000");
    CTextStream& in = source.Stream();
    ASSERT_TRUE(SkipToMarker(in, kProgramImageMarker));
    EXPECT_EQ(in.Peek(), ':');
    ASSERT_TRUE(SkipToMarker(in, kBootSectorImageMarker));
    EXPECT_EQ(source.Rest(), ":0000");
    EXPECT_FALSE(SkipToMarker(in, kBootSectorImageMarker));
}

TEST(SkipToMarker, TheTailOfALongLineIsALineOfItsOwn) {
    TextSource source(std::string(199, 'x') + "DATA_PROGRAM_BEGIN\n:00");
    EXPECT_TRUE(SkipToMarker(source.Stream(), kProgramImageMarker));
    EXPECT_EQ(source.Rest(), ":00");
    TextSource shorter(std::string(198, 'x') + "DATA_PROGRAM_BEGIN\n:00");
    EXPECT_FALSE(SkipToMarker(shorter.Stream(), kProgramImageMarker));
}

} // namespace
} // namespace qbx

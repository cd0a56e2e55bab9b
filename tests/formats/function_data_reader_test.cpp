#include "formats/function_data_image.h"
#include "formats/function_data_reader.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qbx {
namespace {

std::string Format3(const std::string& size, const std::string& device = "80",
                    const std::string& formatLine = "FILE_FORMAT: 3") {
    return "BRAVOLT_DAT_FILE\r\n" + formatLine + "\r\n     DEVICE: " + device +
           "\r\n   FIRMWARE: fw\r\n BOOTSECTOR: bs\r\n  DATA_SIZE: " + size + "\r\n   \r\nDATA\r\n";
}

// A record of `count` bytes, all `value`, at `offset`.
std::string Record(const char* countAndOffset, int count, const char* value = "AB") {
    std::string line = std::string(":") + countAndOffset;
    for (int i = 0; i < count; ++i)
        line += value;
    return line + "\r\n";
}

// Records of 32 bytes, all `value`, covering `size` bytes.
std::string FullRecords(int size, const char* value = "AB") {
    std::string records;
    for (int offset = 0; offset < size; offset += 0x20) {
        char prefix[8];
        std::snprintf(prefix, sizeof prefix, "20%04X", offset);
        records += Record(prefix, 32, value);
    }
    return records;
}

int Read(const std::string& text, FunctionDataHeader& header, std::vector<std::uint8_t>& data) {
    std::istringstream in(text);
    return ReadFunctionData(in, header, data);
}

int Read(const std::string& text) {
    FunctionDataHeader header;
    std::vector<std::uint8_t> data;
    return Read(text, header, data);
}

TEST(FunctionDataReader, ResultCodes) {
    const std::string full = Record("200000", 32) + Record("200020", 32);
    struct {
        std::string text;
        int result;
    } cases[] = {
        {"", kDatNoMagic},
        {"BRAVOLT_DAT_FILE \r\n", kDatNoMagic},
        {Format3("0040", "80", "FILE_FORMAT: 4") + full, kDatUnknownFormat},
        {Format3("0040", "80", "FILE_FORMAT: -1") + full, kDatUnknownFormat},
        {Format3("0040", "80", "FILE_FORMAT:3") + full, kDatBadHeader},
        {Format3("0040", "80", " FILE_FORMAT: 3") + full, kDatBadHeader},
        {"BRAVOLT_DAT_FILE\r\nFILE_FORMAT: 3\r\n   FIRMWARE: x\r\n", kDatBadHeader},
        {Format3("0040", "zz") + full, kDatLoaded}, // no digits: device 0
        {Format3("") + full, kDatLoaded},           // no digits: no data
        {Format3("10000") + full, kDatBadHeader},
        {Format3("FFFFFFFFFFFF") + full, kDatBadHeader},
        {"BRAVOLT_DATA_FILE\r\n7FFE\r\n\r\n", kDatBadHeader},
        {"BRAVOLT_DATA_FILE\r\nEEPROM_SIZE: 7FFF\r\n", kDatBadHeader},
        {Format3("0040"), kDatBadData},
        {Format3("0040") + Record("200000", 32), kDatBadData},
        {Format3("0060") + Record("200020", 32) + Record("200000", 32), kDatBadData},
        {Format3("0040") + Record("200000", 32) + Record("200010", 32), kDatBadData},
        {Format3("0040") + Record("400000", 32), kDatBadData},
        {Format3("0040") + Record("FF0000", 32) + Record("FF0000", 32), kDatBadData},
        {Format3("0040") + Record("2G0000", 32) + Record("200020", 32), kDatBadData},
        {Format3("0040") + Record("200000", 32, "A ") + Record("200020", 32), kDatBadData},
        {Format3("0040") + ":2000\r\n", kDatBadData},
        {Format3("0040") + "200000" + std::string(64, 'A') + "\r\n", kDatBadData},
        {Format3("0040") + "\r\n" + full, kDatBadData},
        {Format3("0040") + full, kDatLoaded},
        {Format3("0040") + full + "anything after the image", kDatLoaded},
        {Format3("0x40") + full, kDatLoaded},
        {Format3("0000"), kDatLoaded},
        // Lines longer than the format has: refused without reading them whole.
        {"BRAVOLT_DAT_FILE" + std::string(5000, ' ') + "\r\n", kDatNoMagic},
        {std::string(1 << 20, 'B'), kDatNoMagic},
        {"BRAVOLT_DAT_FILE\r\nFILE_FORMAT: 3" + std::string(5000, '0') + "\r\n", kDatBadHeader},
        {"BRAVOLT_DATA_FILE\r\n       EEPROM_SIZE: 7FFF\r\n\r\n" + std::string(5000, 'V') + "\r\n",
         kDatBadHeader},
        {Format3("0040") + Record("200000", 32) + ":200020" + std::string(5000, 'A') + "\r\n", kDatBadData},
        {Format3("0040") + Record("200000", 32) + ":200020" + std::string(4089, 'A') + "\r\n", kDatLoaded},
        // At the limit: the longest line with or without its CR, as the last line without a line end,
        // and one character more in each form.
        {Format3("0040") + Record("200000", 32) + ":200020" + std::string(4089, 'A') + "\n", kDatLoaded},
        {Format3("0040") + Record("200000", 32) + ":200020" + std::string(4089, 'A'), kDatLoaded},
        {Format3("0040") + Record("200000", 32) + ":200020" + std::string(4089, 'A') + "\r", kDatLoaded},
        {Format3("0040") + Record("200000", 32) + ":200020" + std::string(4090, 'A') + "\r\n", kDatBadData},
        {Format3("0040") + Record("200000", 32) + ":200020" + std::string(4090, 'A') + "\n", kDatBadData},
        {Format3("0040") + Record("200000", 32) + ":200020" + std::string(4090, 'A'), kDatBadData},
        {Format3("0040") + Record("200000", 32) + ":200020" + std::string(4091, 'A') + "\r", kDatBadData},
        // Lines the reader skips may be of any length.
        {Format3("0040").replace(Format3("0040").find("\r\n   \r\n") + 2, 3, std::string(100000, ' ')) + full,
         kDatLoaded},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read(c.text), c.result) << c.text;
}

TEST(FunctionDataReader, NoHexadecimalDigitsReadAsZero) {
    struct {
        const char* device;
        const char* size;
        int result;
        int deviceCode;
        std::uint32_t dataSize;
    } cases[] = {
        {"", "0020", kDatLoaded, 0x00, 0x20},       {"zz", "0020", kDatLoaded, 0x00, 0x20},
        {"  ", "0020", kDatLoaded, 0x00, 0x20},     {"0x", "0020", kDatLoaded, 0x00, 0x20},
        {"-", "0020", kDatLoaded, 0x00, 0x20},      {"85", "", kDatLoaded, 0x85, 0},
        {"85", "size", kDatLoaded, 0x85, 0},        {"85", " -", kDatLoaded, 0x85, 0},
        {"-1", "0020", kDatLoaded, 0xFF, 0x20},     {"85", "-1", kDatBadHeader, 0, 0}, // too large
        {"123456789", "0020", kDatBadHeader, 0, 0},                                    // beyond 32 bits
    };
    for (const auto& c : cases) {
        FunctionDataHeader header;
        std::vector<std::uint8_t> data;
        ASSERT_EQ(Read(Format3(c.size, c.device) + Record("200000", 32), header, data), c.result)
            << c.device << " / " << c.size;
        EXPECT_EQ(header.deviceCode, c.deviceCode);
        EXPECT_EQ(header.dataSize, c.dataSize);
        EXPECT_EQ(data.size(), c.dataSize);
    }
}

TEST(FunctionDataReader, AHeaderTextWithALoneCarriageReturnSavesAgain) {
    TempFolder folder;
    std::string text = Format3("0040") + Record("200000", 32) + Record("200020", 32);
    text.replace(text.find("fw"), 2, "V1\r2");
    text.replace(text.find("bs\r\n"), 2, "\rB\r");
    folder.Write("in.dat", text);
    FunctionDataImage image;
    ASSERT_EQ(image.Load(folder.File("in.dat")), kDatLoaded);
    EXPECT_EQ(image.Header().firmware, "V1\r2");
    EXPECT_EQ(image.Header().bootsector, "\rB\r"); // only the CR of the line end goes
    ASSERT_TRUE(image.Save(folder.File("out.dat")));
    FunctionDataImage reloaded;
    ASSERT_EQ(reloaded.Load(folder.File("out.dat")), kDatLoaded);
    EXPECT_EQ(reloaded.Header().firmware, "V1\r2");
    EXPECT_EQ(reloaded.Header().bootsector, "\rB\r");
    EXPECT_EQ(reloaded.Data(), image.Data());
}

TEST(FunctionDataReader, GapsStayErasedAndBytesPastTheEndAreIgnored) {
    FunctionDataHeader header;
    std::vector<std::uint8_t> data;
    ASSERT_EQ(
        Read(Format3("0120", "a3") + Record("200000", 32, "01") + Record("200100", 32, "0f"), header, data),
        kDatLoaded);
    EXPECT_EQ(header.deviceCode, 0xA3);
    EXPECT_EQ(header.firmware, "fw");
    EXPECT_EQ(header.bootsector, "bs");
    ASSERT_EQ(data.size(), 0x120u);
    for (std::size_t i = 0; i < data.size(); ++i)
        ASSERT_EQ(data[i], i < 0x20 ? 0x01 : i < 0x100 ? 0xFF : 0x0F) << i;

    EXPECT_EQ(Read(Format3("0040") + Record("200000", 32), header, data), kDatBadData);
    EXPECT_TRUE(header.firmware.empty() && data.empty());
    // A record reaching past the end, then one that starts beyond it.
    ASSERT_EQ(Read(Format3("0030", "1C5") + Record("200000", 32) + Record("200020", 32, "11"), header, data),
              kDatLoaded);
    EXPECT_EQ(header.deviceCode, 0xC5);
    EXPECT_EQ(data.back(), 0x11);
    ASSERT_EQ(Read(Format3("0030") + Record("200000", 32) + ":00FFFF\r\n", header, data), kDatLoaded);
    EXPECT_EQ(data.back(), 0xFF);
}

TEST(FunctionDataReader, FormatOneAndTwoImplyDeviceAndSize) {
    FunctionDataHeader header;
    std::vector<std::uint8_t> data;
    std::string records = FullRecords(0x8400, "5A");
    // LF line ends load as well as CR LF.
    ASSERT_EQ(Read("BRAVOLT_DATA_FILE\n7FFF\n\n" + records, header, data), kDatLoaded);
    EXPECT_EQ(header.fileFormat, 1);
    EXPECT_EQ(header.deviceCode, 0x80);
    EXPECT_EQ(data.size(), 0x8000u);
    std::string format2 = "BRAVOLT_DATA_FILE\r\n       EEPROM_SIZE: 7FFF\r\nnot checked\r\n  V9.1   \r\n"
                          "not checked\r\n\r\nnot checked\r\n";
    ASSERT_EQ(Read(format2 + records, header, data), kDatLoaded);
    EXPECT_EQ(header.fileFormat, 2);
    EXPECT_EQ(header.firmware, "  V9.1"); // a line without its key is taken whole
    EXPECT_EQ(data.size(), 0x8400u);
    EXPECT_EQ(data[0x83FF], 0x5A);
}

TEST(FunctionDataReader, Format2ValueInTheFormat3LayoutSavesAsFormat2) {
    TempFolder folder;
    folder.Write("in.dat", Format3("8400", "80", "FILE_FORMAT: 2") + FullRecords(0x8400));
    FunctionDataImage image;
    ASSERT_EQ(image.Load(folder.File("in.dat")), kDatLoaded);
    EXPECT_EQ(image.Header().fileFormat, 2);
    ASSERT_TRUE(image.Save(folder.File("out.dat")));
    std::string text = folder.Read("out.dat");
    EXPECT_EQ(text.substr(0, 45), "BRAVOLT_DATA_FILE\r\n       EEPROM_SIZE: 7FFF\r\n");
    EXPECT_EQ(text.substr(300, 9), ":200000AB");

    EXPECT_EQ(image.Load(folder.File("none.dat")), kDatCannotOpen);
    EXPECT_EQ(image.Load(folder.Path()), kDatCannotOpen);
    EXPECT_FALSE(image.IsValid());
}

} // namespace
} // namespace qbx

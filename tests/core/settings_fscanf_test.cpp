// The settings reader against the C library it stands for: the same bytes
// read with fscanf, field by field.
#include "core/settings_store.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace qbx {
namespace {

using namespace std::string_literals;

// What the file reader of the settings gets from the C library.
CSettings ReadWithFscanf(const std::string& path) {
    CSettings settings;
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file) return settings;
    int value = 0;
    if (std::fscanf(file, "%d", &value) == 1) settings.interfaceIndex = static_cast<std::uint8_t>(value);
    if (std::fscanf(file, "%d", &value) == 1) settings.language = static_cast<std::uint8_t>(value);
    char address[256] = {};
    [[maybe_unused]] int words = std::fscanf(file, "%255s\n", address);
    if (std::strlen(address) > 0) settings.ipAddress = address;
    if (std::fscanf(file, "%d", &value) == 1) settings.port = static_cast<std::uint16_t>(value);
    std::fclose(file);
    return settings;
}

int EditionWithFscanf(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file) return 1;
    int digit = 0;
    int edition = std::fscanf(file, "%1d", &digit) == 1 && digit == 2 ? 2 : 1;
    std::fclose(file);
    return edition;
}

const std::string kSettingsTexts[] = {
    "6\n1\n10.0.0.7\n4001\n",
    "2\r\n2\r\nlinkbox.test\r\n40000\r\n",
    // Signs: fscanf consumes a sign that no digit follows.
    "-\n7\nhost\n80\n",
    "+\n+\n+\n+\n",
    "- 5\n2\nhost\n3\n",
    "+-5\n1\n",
    "-0\n+1\n-\n-9\n",
    // Blanks of every kind, and none.
    " \t\v\f\r6\n\n\n1  host  \t 99",
    "6 1 host 99",
    // NUL bytes: the word holds them, the C string ends at the first.
    "6\n1\n\0\0\0\0\n4001\n"s,
    "6\n1\nab\0cd\n4001\n"s,
    "\0\n1\nhost\n2\n"s,
    "6\n1\n\0"s,
    // Overlong numbers, overflow and leading zeros.
    "99999999999999999999\n-99999999999999999999\nx\n4294967297\n",
    "2147483648\n-2147483649\nx\n70000\n",
    "9223372036854775807\n-9223372036854775808\nx\n9223372036854775808\n",
    "007\n-0\nh\n00040000\n",
    "0x10\n1\n",
    "12abc\n",
    // Words of 255 and 256 characters.
    "0\n0\n" + std::string(255, 'a') + "\n5\n",
    "0\n0\n" + std::string(256, 'a') + "\n5\n",
    "0\n0\n" + std::string(254, 'a') + "9\n5\n",
    "0\n0\n" + std::string(255, 'a') + "7\n5\n",
    // Missing lines.
    "",
    "3",
    "3\n1",
    "3\n1\nhost",
    "   \n\t\n",
    "host\n",
    // Bytes outside ASCII.
    "6\n1\n\xA0h\xC3\xBCst\n\xFF",
};

TEST(SettingsAgainstFscanf, EveryFieldAsTheCLibraryReadsIt) {
    for (const std::string& text : kSettingsTexts) {
        SCOPED_TRACE(testing::PrintToString(text));
        TempFolder folder;
        folder.Write(kSettingsFileName, text);
        CSettings expected = ReadWithFscanf(folder.File(kSettingsFileName));
        CSettings settings;
        ASSERT_TRUE(settings.Load(folder.Path()));
        EXPECT_EQ(settings.interfaceIndex, expected.interfaceIndex);
        EXPECT_EQ(settings.language, expected.language);
        EXPECT_EQ(settings.ipAddress, expected.ipAddress);
        EXPECT_EQ(settings.port, expected.port);
    }
}

TEST(SettingsAgainstFscanf, EditionDigitAsTheCLibraryReadsIt) {
    for (const std::string& text :
         {"2"s, "23"s, " \n\t2"s, "+2"s, "-2"s, "3"s, ""s, "x2"s, "\0002"s, "02"s, "2\n"s}) {
        TempFolder folder;
        folder.Write(kCustomerFileName, text);
        EXPECT_EQ(ReadEdition(folder.Path()), EditionWithFscanf(folder.File(kCustomerFileName)))
            << testing::PrintToString(text);
    }
}

TEST(Settings, AFolderInPlaceOfTheFileIsNoSettings) {
    TempFolder folder;
    std::filesystem::create_directory(folder.File(kSettingsFileName));
    CSettings settings;
    EXPECT_FALSE(settings.Load(folder.Path()));
    EXPECT_FALSE(settings.Save(folder.Path()));
    EXPECT_TRUE(std::filesystem::is_directory(folder.File(kSettingsFileName)));
}

} // namespace
} // namespace qbx

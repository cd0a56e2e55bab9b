#include "core/link_choice.h"
#include "core/settings_store.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

struct ParseCase {
    const char* name;
    const char* text;
    int interfaceIndex;
    int language;
    const char* ipAddress;
    int port;
};

class SettingsParse : public testing::TestWithParam<ParseCase> {};

TEST_P(SettingsParse, FieldsAsTheFileReaderSeesThem) {
    const ParseCase& c = GetParam();
    CSettings settings;
    settings.Parse(c.text);
    EXPECT_EQ(settings.interfaceIndex, c.interfaceIndex);
    EXPECT_EQ(settings.language, c.language);
    EXPECT_EQ(settings.ipAddress, c.ipAddress);
    EXPECT_EQ(settings.port, c.port);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsParse,
    testing::Values(ParseCase{"Written", "6\n1\n10.0.0.7\n4001\n", 6, 1, "10.0.0.7", 4001},
                    ParseCase{"WindowsLineEnds", "2\r\n2\r\nlinkbox.test\r\n40000\r\n", 2, 2, "linkbox.test",
                              40000},
                    ParseCase{"OnlyTwoLines", "3\n1\n", 3, 1, "192.168.0.1", 40000},
                    ParseCase{"Empty", "", 0, 0, "192.168.0.1", 40000},
                    ParseCase{"PortKeepsLow16Bits", "0\n0\n192.168.0.1\n70000\n", 0, 0, "192.168.0.1", 4464},
                    ParseCase{"LanguageSevenKept", "0\n7\n192.168.0.1\n40000\n", 0, 7, "192.168.0.1", 40000},
                    ParseCase{"InterfaceKeepsLow8Bits", "262\n0\n", 6, 0, "192.168.0.1", 40000},
                    ParseCase{"NegativeWraps", "-1\n0\n", 255, 0, "192.168.0.1", 40000},
                    // A word where a number belongs: both numbers keep their
                    // defaults and the word is taken as the address.
                    ParseCase{"WordFirst", "abc\n", 0, 0, "abc", 40000},
                    ParseCase{"PortNotANumber", "6\n0\n1.2.3.4\nport\n", 6, 0, "1.2.3.4", 40000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Settings, AddressLongerThanTheFieldIsCutNotOverrun) {
    CSettings settings;
    settings.Parse("6\n0\n" + std::string(300, 'a') + "\n40000\n");
    EXPECT_EQ(settings.ipAddress, std::string(255, 'a'));
    EXPECT_EQ(settings.port, 40000); // the rest of the word is no number
}

TEST(Settings, MissingFileGivesDefaultsAndFalse) {
    TempFolder folder;
    CSettings settings;
    settings.interfaceIndex = 5;
    EXPECT_FALSE(settings.Load(folder.Path()));
    EXPECT_EQ(settings.interfaceIndex, 0);
    EXPECT_EQ(settings.language, 0);
    EXPECT_EQ(settings.ipAddress, "192.168.0.1");
    EXPECT_EQ(settings.port, 40000);
}

TEST(Settings, SaveWritesFourLinesAndRoundTrips) {
    TempFolder folder;
    CSettings settings;
    ASSERT_TRUE(settings.Save(folder.Path()));
    EXPECT_EQ(folder.Read("qbx_man.ini"), "0\n0\n192.168.0.1\n40000\n");

    settings.interfaceIndex = 6;
    settings.language = 7;
    settings.ipAddress = "";
    settings.port = 65535;
    ASSERT_TRUE(settings.Save(folder.Path()));
    EXPECT_EQ(settings.ipAddress, "192.168.0.1"); // the record itself takes the default
    EXPECT_EQ(folder.Read("qbx_man.ini"), "6\n7\n192.168.0.1\n65535\n");

    CSettings loaded;
    ASSERT_TRUE(loaded.Load(folder.Path()));
    EXPECT_EQ(loaded.interfaceIndex, 6);
    EXPECT_EQ(loaded.language, 7);
    EXPECT_EQ(loaded.port, 65535);
}

TEST(Settings, SaveIntoMissingFolderFails) {
    CSettings settings;
    EXPECT_FALSE(settings.Save("/nonexistent-folder-of-quillbox"));
}

TEST(Edition, FirstDigitDecides) {
    struct Case {
        const char* content;
        int edition;
    } cases[] = {{"2", 2}, {"23", 2}, {"2\n", 2}, {" 2", 2}, {"3", 1},
                 {"1", 1}, {"", 1},   {"x2", 1},  {"-2", 1}};
    for (const Case& c : cases) {
        TempFolder folder;
        folder.Write("customer.ini", c.content);
        EXPECT_EQ(ReadEdition(folder.Path()), c.edition) << '"' << c.content << '"';
    }
    TempFolder empty;
    EXPECT_EQ(ReadEdition(empty.Path()), 1);
}

TEST(LinkChoice, PortNumberIsInterfacePlusOne) {
    CSettings settings;
    for (int index = 0; index < 256; ++index) {
        settings.interfaceIndex = static_cast<std::uint8_t>(index);
        LinkChoice choice = ChooseLink(settings);
        EXPECT_EQ(choice.portNumber, index + 1);
        LinkKind expected = index <= 5 ? LinkKind::Serial : index == 6 ? LinkKind::Tcp : LinkKind::Invalid;
        EXPECT_EQ(choice.kind, expected) << index;
    }
}

} // namespace
} // namespace qbx

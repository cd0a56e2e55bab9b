#include "formats/welcome_editor_model.h"
#include "formats/welcome_page.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

FunctionDataImage ErasedImage(std::uint32_t size = 0x8400) {
    FunctionDataHeader header;
    header.fileFormat = size == 0x8400 ? 2 : 3;
    header.deviceCode = 0x80;
    header.dataSize = size;
    FunctionDataImage image;
    EXPECT_TRUE(image.Prepare(header));
    return image;
}

std::string Bytes(const FunctionDataImage& image, std::size_t offset, std::size_t count) {
    return std::string(image.Data().begin() + offset, image.Data().begin() + offset + count);
}

TEST(WelcomePage, ErasedImageOffersTheDefaultPageOfTheEdition) {
    FunctionDataImage image = ErasedImage();
    WelcomePage page;
    ASSERT_TRUE(ReadWelcomePage(image, 1, page));
    EXPECT_FALSE(page.ownPage);
    WelcomeLines standard = {"  BRAVOLT", "Homepage: bravolt.test", std::string(22, '-'), "       QRT5130"};
    EXPECT_EQ(page.lines, standard);
    EXPECT_EQ(page.lines[1].size(), kWelcomeLineLength);
    EXPECT_EQ(page.values, (std::array<int, 4>{15, 15, 15, 15}));
    ASSERT_TRUE(ReadWelcomePage(image, 2, page));
    EXPECT_EQ(page.lines, (WelcomeLines{"        ORMAND", "", "     Ormand Control", ""}));

    // Ticking the own page on the default and confirming stores it padded.
    page.lines = standard;
    page.ownPage = true;
    ASSERT_TRUE(WriteWelcomePage(page, image));
    EXPECT_EQ(image.Data()[kWelcomeFlagOffset], 0x00);
    EXPECT_EQ(Bytes(image, 0x1E80, 2), "\xFF\xFF");
    EXPECT_EQ(Bytes(image, 0x1E82, 22), "  BRAVOLT             ");
    EXPECT_EQ(Bytes(image, 0x1EC4, 22), "       QRT5130        ");
    EXPECT_EQ(image.Data()[0x1EDA], 0xFF); // between the lines and the flag
    WelcomePage back;
    ASSERT_TRUE(ReadWelcomePage(image, 2, back));
    EXPECT_TRUE(back.ownPage);
    EXPECT_EQ(back.lines, standard);
}

TEST(WelcomePage, ValuesShareHeaderBytesThreeAndFour) {
    struct {
        std::array<int, 4> values;
        std::uint8_t byte3, byte4;
    } cases[] = {{{1, 2, 15, 0}, 0x21, 0x0F}, {{15, 0, 7, 9}, 0x0F, 0x97}, {{0x12, -1, 16, 3}, 0xF2, 0x30}};
    FunctionDataImage image = ErasedImage();
    for (const auto& c : cases) {
        WelcomePage page;
        page.values = c.values;
        ASSERT_TRUE(WriteWelcomePage(page, image));
        EXPECT_EQ(image.Data()[3], c.byte3);
        EXPECT_EQ(image.Data()[4], c.byte4);
        ASSERT_TRUE(ReadWelcomePage(image, 1, page));
        EXPECT_EQ(page.values, (std::array<int, 4>{c.byte3 & 15, c.byte3 >> 4, c.byte4 & 15, c.byte4 >> 4}));
    }
}

TEST(WelcomePage, ClearingTheOwnPageErasesTheWholeArea) {
    FunctionDataImage image = ErasedImage();
    WelcomePage page{true, {"one", "two", "three", "four"}, {}};
    ASSERT_TRUE(WriteWelcomePage(page, image));
    page.ownPage = false;
    ASSERT_TRUE(WriteWelcomePage(page, image));
    EXPECT_EQ(Bytes(image, 0x1E80, 90), std::string(90, '\xFF'));
    EXPECT_EQ(image.Data()[kWelcomeFlagOffset], 0xFF);
}

TEST(WelcomePage, LinesUseTheDeviceCharacterSet) {
    FunctionDataImage image = ErasedImage();
    WelcomePage page{true, {"M\xF6hre \xDF 5\xB0", std::string(30, 'x'), "", "\xC4"}, {}};
    ASSERT_TRUE(WriteWelcomePage(page, image));
    EXPECT_EQ(Bytes(image, 0x1E82, 10), "M\x81hre   5\x7F");
    EXPECT_EQ(Bytes(image, 0x1E98, 22), std::string(22, 'x'));
    EXPECT_EQ(Bytes(image, 0x1EAE, 22), std::string(22, ' '));
    WelcomePage back;
    ASSERT_TRUE(ReadWelcomePage(image, 1, back));
    EXPECT_EQ(back.lines, (WelcomeLines{"M\xF6hre   5\xB0", std::string(22, 'x'), "", "\xE4"}));
}

TEST(WelcomePage, ImagesWithoutTheAreaAreRefused) {
    FunctionDataImage image = ErasedImage(kWelcomeImageMinSize - 1);
    WelcomePage page{true, {"a", "b", "c", "d"}, {1, 2, 3, 4}};
    EXPECT_FALSE(ReadWelcomePage(image, 1, page));
    EXPECT_EQ(page.lines[0], "a");
    EXPECT_FALSE(WriteWelcomePage(page, image));
    EXPECT_EQ(image.Data(), ErasedImage(kWelcomeImageMinSize - 1).Data());
    EXPECT_TRUE(HasWelcomeArea(ErasedImage(kWelcomeImageMinSize)));
}

TEST(WelcomeEditorModel, OpensEditsAndSavesTheFunctionDataFile) {
    TempFolder folder;
    ASSERT_TRUE(ErasedImage().Save(folder.File("a.dat")));
    ASSERT_TRUE(ErasedImage(0x100).Save(folder.File("small.dat")));
    folder.Write("bad.dat", "not a data file");

    CWelcomeEditorModel model;
    EXPECT_EQ(model.Open(folder.File("small.dat"), 1), kWelcomeImageTooSmall);
    EXPECT_FALSE(model.Save());
    EXPECT_EQ(model.Open(folder.File("bad.dat"), 1), kDatNoMagic);
    EXPECT_EQ(model.Open(folder.File("none.dat"), 1), kDatCannotOpen);
    ASSERT_EQ(model.Open(folder.File("a.dat"), 1), kDatLoaded);
    EXPECT_FALSE(model.page.ownPage);
    model.page.ownPage = true;
    model.page.lines[0] = "Hello";
    ASSERT_TRUE(model.Save());

    CWelcomeEditorModel again;
    ASSERT_EQ(again.Open(folder.File("a.dat"), 1), kDatLoaded);
    EXPECT_TRUE(again.page.ownPage);
    EXPECT_EQ(again.page.lines[0], "Hello");
    EXPECT_EQ(again.Image().Header().fileFormat, 2);
}

} // namespace
} // namespace qbx

#include "formats/function_data_image.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qbx {
namespace {
namespace fs = std::filesystem;

// Every byte differs from its neighbours, so shifted records show.
FunctionDataImage MakeImage(const FunctionDataHeader& header) {
    FunctionDataImage image;
    EXPECT_TRUE(image.Prepare(header));
    for (std::size_t i = 0; i < image.Size(); ++i)
        image.SetByte(i, static_cast<std::uint8_t>(i * 7 + 3));
    return image;
}

std::string Line(const std::string& text, int index) {
    std::size_t p = 0;
    for (int i = 0; i < index; ++i)
        p = text.find("\r\n", p) + 2;
    return text.substr(p, text.find("\r\n", p) - p);
}

TEST(FunctionDataFile, RecordsStartAtByte300AndTheLastHasNoLineEnd) {
    TempFolder folder;
    ASSERT_TRUE(MakeImage({3, 0x80, "V2.10", "B1.0", 0x8400}).Save(folder.File("a.dat")));
    std::string text = folder.Read("a.dat");
    EXPECT_EQ(text.substr(294, 13), "DATA\r\n:200000");
    EXPECT_EQ(text.find("\r\n:"), 298u);
    EXPECT_EQ(text.size(), 300 + 0x420 * 71 + 0x41F * 2);
    EXPECT_EQ(text.substr(text.size() - 71, 9), ":2083E0"
                                                "23"); // byte 0x83E0 is 0x83E0 * 7 + 3
    EXPECT_EQ(Line(text, 1), "FILE_FORMAT: 3");
    EXPECT_EQ(Line(text, 2), "     DEVICE: 80");
    EXPECT_EQ(Line(text, 5), "  DATA_SIZE: 8400");

    ASSERT_TRUE(MakeImage({3, 0x80, "", "", 0x21}).Save(folder.File("b.dat")));
    EXPECT_EQ(folder.Read("b.dat").substr(300 + 71), "\r\n:010020E3");
}

TEST(FunctionDataFile, Format2FirmwareIsRightAlignedInFiveCharacters) {
    struct {
        std::string firmware, line4, line5, reloaded;
    } cases[] = {
        {"", "CONTROLLER_VERSION:      ", " DATA_FILE_VERSION:      ", ""},
        {"V1.2", "CONTROLLER_VERSION:  V1.2", " DATA_FILE_VERSION: D1.00", " V1.2"},
        {"ABCDEFGH", "CONTROLLER_VERSION: ABCDE", " DATA_FILE_VERSION: D1.00", "ABCDE"},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        ASSERT_TRUE(MakeImage({2, 0x80, c.firmware, "dropped", 0x8400}).Save(folder.File("a.dat")));
        std::string text = folder.Read("a.dat");
        EXPECT_EQ(Line(text, 3), c.line4);
        EXPECT_EQ(Line(text, 4), c.line5);
        EXPECT_EQ(text.substr(294, 7), "DATA\r\n:");
        FunctionDataImage loaded;
        ASSERT_EQ(loaded.Load(folder.File("a.dat")), kDatLoaded);
        EXPECT_EQ(loaded.Header().fileFormat, 2);
        EXPECT_EQ(loaded.Header().firmware, c.reloaded);
        EXPECT_EQ(loaded.Header().bootsector, "");
    }
}

TEST(FunctionDataFile, LongHeaderTextsGetAnEmptyPaddingLineAndStillLoad) {
    TempFolder folder;
    ASSERT_TRUE(MakeImage({3, 0x80, std::string(200, 'F'), "BS", 0x40}).Save(folder.File("a.dat")));
    EXPECT_EQ(Line(folder.Read("a.dat"), 6), "");
    FunctionDataImage loaded;
    ASSERT_EQ(loaded.Load(folder.File("a.dat")), kDatLoaded);
    EXPECT_EQ(loaded.Header().firmware, std::string(200, 'F'));
    EXPECT_EQ(loaded.Data(), MakeImage({3, 0, "", "", 0x40}).Data());
}

TEST(FunctionDataFile, LoadingAndSavingReproducesTheFileByteForByte) {
    const FunctionDataHeader headers[] = {{1, 0x80, "", "", 0x8000},
                                          {2, 0x80, "V3", "", 0x8400},
                                          {2, 0x80, "AB   ", "", 0x8400},
                                          {3, 0xA3, "", "", 0},
                                          {3, 0x81, "fw 1.0 ", "bs", 0x1F},
                                          {3, 0x80, "", "", 0xFFFF},
                                          // A CR is no line end on its own: it stays in the text.
                                          {3, 0x81, "V1\r2", "\rB\r", 0x20},
                                          {2, 0x80, "V\r1", "", 0x8400},
                                          // The longest header line the reader takes.
                                          {3, 0x80, std::string(4096 - 13, 'F'), "", 1}};
    TempFolder folder;
    for (const FunctionDataHeader& header : headers) {
        ASSERT_TRUE(MakeImage(header).Save(folder.File("first.dat")));
        FunctionDataImage loaded;
        ASSERT_EQ(loaded.Load(folder.File("first.dat")), kDatLoaded) << int(header.fileFormat);
        EXPECT_TRUE(loaded.IsValid());
        EXPECT_EQ(loaded.Data(), MakeImage(header).Data());
        ASSERT_TRUE(loaded.Save(folder.File("second.dat")));
        EXPECT_EQ(folder.Read("second.dat"), folder.Read("first.dat")) << int(header.fileFormat);
    }
}

TEST(FunctionDataFile, ImagesALayoutCannotCarryAreRefusedWithoutTouchingTheFile) {
    TempFolder folder;
    folder.Write("old.dat", "previous content");
    const FunctionDataHeader refused[] = {{1, 0x80, "", "", 0x20},
                                          {1, 0x81, "", "", 0x8000},
                                          {2, 0x80, "", "", 0x8000},
                                          {2, 0x81, "", "", 0x8400},
                                          {0, 0x80, "", "", 0x20},
                                          {4, 0x80, "", "", 0x20},
                                          {3, 0x80, "a\r\nb", "", 0x20},
                                          {3, 0x80, "", "b\n", 0x20},
                                          {3, 0x80, std::string(4096 - 12, 'F'), "", 0x20}};
    for (const FunctionDataHeader& header : refused) {
        FunctionDataImage image = MakeImage({3, 0x80, "", "", header.dataSize});
        image.Header() = header;
        EXPECT_FALSE(image.Save(folder.File("old.dat"))) << int(header.fileFormat);
        EXPECT_FALSE(image.Save(folder.File("new.dat")));
    }
    FunctionDataImage image = MakeImage({3, 0x80, "", "", 0x20});
    image.Header().dataSize = 0x10020; // disagrees with the data
    EXPECT_FALSE(image.Save(folder.File("old.dat")));
    EXPECT_EQ(folder.Read("old.dat"), "previous content");
    EXPECT_FALSE(folder.Exists("new.dat"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), {}), 1); // no temporary left
    EXPECT_FALSE(MakeImage({3, 0x80, "", "", 4}).Save(folder.File("missing/a.dat")));

    // What the device sends could not be saved afterwards: refused before it arrives.
    EXPECT_FALSE(image.Prepare({3, 0x80, "V1\n2", "", 0x10}));
    EXPECT_FALSE(image.Prepare({3, 0x80, "", std::string(4096 - 12, 'B'), 0x10}));
    EXPECT_TRUE(image.Prepare({3, 0x80, "V1\r2", "", 0x10}));
    EXPECT_FALSE(image.Prepare({3, 0x80, "", "", 0x10000}));
    EXPECT_FALSE(image.IsValid());
    EXPECT_EQ(image.Size(), 0u);
    EXPECT_FALSE(image.Prepare({4, 0x80, "", "", 0x10}));
    EXPECT_TRUE(image.Prepare({3, 0x80, "", "", 0xFFFF}));
}

TEST(FunctionDataFile, SaveReplacesAnExistingFileAndKeepsItsPermissions) {
    TempFolder folder;
    folder.Write("a.dat", std::string(100000, 'x'));
    const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(folder.File("a.dat"), perms);
    ASSERT_TRUE(MakeImage({3, 0x80, "", "", 2}).Save(folder.File("a.dat")));
    EXPECT_EQ(folder.Read("a.dat").size(), 300u + 11);
    EXPECT_EQ(fs::status(folder.File("a.dat")).permissions() & fs::perms::all, perms);
}

TEST(FunctionDataFile, ByteAccessStaysInsideTheImage) {
    FunctionDataImage image = MakeImage({3, 0x80, "", "", 0x10});
    std::uint8_t byte = 0, bytes[4] = {1, 2, 3, 4};
    EXPECT_TRUE(image.GetByte(0x0F, byte));
    EXPECT_FALSE(image.GetByte(0x10, byte));
    EXPECT_FALSE(image.SetByte(0x10, 0));
    EXPECT_TRUE(image.SetBytes(0x0C, bytes, 4));
    EXPECT_FALSE(image.SetBytes(0x0D, bytes, 4));
    EXPECT_FALSE(image.GetBytes(SIZE_MAX, 2, bytes));
    EXPECT_FALSE(image.GetBytes(2, SIZE_MAX, bytes));
    EXPECT_EQ(image.Data()[0x0F], 4);
}

} // namespace
} // namespace qbx

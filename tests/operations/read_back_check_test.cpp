#include "operations/read_back_check.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

FunctionDataImage Image(std::uint32_t size, std::uint8_t seed = 1) {
    FunctionDataImage image;
    EXPECT_TRUE(image.Prepare({3, 0x81, "FW", "BS", size}));
    for (std::uint32_t i = 0; i < size; ++i)
        image.SetByte(i, static_cast<std::uint8_t>(i * 3 + seed));
    return image;
}

TEST(ReadBack, FirstDifferenceNamesTheLowestDifferingOffset) {
    struct Case {
        const char* name;
        std::uint32_t storedSize;
        std::vector<std::uint32_t> flipped;
        std::optional<std::uint32_t> expected;
    } cases[] = {
        {"same", 0x120, {}, std::nullopt},
        {"first byte", 0x120, {0}, 0u},
        {"last byte", 0x120, {0x11F}, 0x11Fu},
        {"two bytes: the lower counts", 0x120, {0x100, 0x41}, 0x41u},
        {"stored image shorter", 0x100, {}, 0x100u},
        {"stored image longer", 0x140, {}, 0x120u},
    };
    const FunctionDataImage sent = Image(0x120);
    for (const Case& c : cases) {
        FunctionDataImage stored = Image(c.storedSize);
        for (std::uint32_t at : c.flipped) {
            std::uint8_t value = 0;
            ASSERT_TRUE(stored.GetByte(at, value));
            stored.SetByte(at, static_cast<std::uint8_t>(~value));
        }
        EXPECT_EQ(FirstDifference(sent, stored), c.expected) << c.name;
    }
}

TEST(ReadBack, HeadersCompareAsTheDeviceKeepsThem) {
    const SlotHeader sent{1, 0x81, "FW 2.1", "BS 1", 0x8400, "Kessel Nord"};
    struct Case {
        const char* name;
        SlotHeader stored;
        bool same;
    } cases[] = {
        {"identical", sent, true},
        {"status", {0, 0x81, "FW 2.1", "BS 1", 0x8400, "Kessel Nord"}, false},
        {"kind", {1, 0x80, "FW 2.1", "BS 1", 0x8400, "Kessel Nord"}, false},
        {"size", {1, 0x81, "FW 2.1", "BS 1", 0x8401, "Kessel Nord"}, false},
        {"description", {1, 0x81, "FW 2.1", "BS 1", 0x8400, "Kessel Sued"}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SameStoredHeader(sent, c.stored), c.same) << c.name;
    // The device keeps eight characters; what it cut is not a difference.
    SlotHeader longText = sent;
    longText.textA = "FW 2.1 extra";
    SlotHeader cut = sent;
    cut.textA = "FW 2.1 e";
    EXPECT_TRUE(SameStoredHeader(longText, cut));
}

struct RecordingHost : COperationHost {
    void ShowMessage(int number, int stringId, const std::vector<MessageArg>&) override {
        shown.push_back({number, stringId});
    }
    void ShowMessageText(int number, const std::string&) override { shown.push_back({number, 0}); }
    bool AskQuestion(int number, int stringId, const std::vector<MessageArg>&) override {
        shown.push_back({number, stringId});
        return true;
    }
    std::string String(int) override { return {}; }
    void SetProgressPosition(std::uint32_t position) override { this->position = position; }
    std::vector<std::pair<int, int>> shown;
    std::uint32_t position = 0;
};

TEST(ReadBack, BorrowedStepsReportUnderTheCallersNumberWithTheirOwnText) {
    RecordingHost inner;
    CRenumberingHost host(inner, 202);
    host.ShowMessage(24, 11012);
    host.ShowMessageText(31, "text");
    EXPECT_TRUE(host.AskQuestion(5, 11906));
    host.SetProgressPosition(0x40); // the displays pass through unchanged
    const std::vector<std::pair<int, int>> expected = {{202, 11012}, {202, 0}, {202, 11906}};
    EXPECT_EQ(inner.shown, expected);
    EXPECT_EQ(inner.position, 0x40u);
}

} // namespace
} // namespace qbx

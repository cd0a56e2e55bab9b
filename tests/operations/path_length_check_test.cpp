#include "operations/path_length_check.h"
#include "tests/operations/recording_host.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

TEST(PathLengthCheck, BytesOfTheWrittenPathCount) {
    struct Case {
        std::string path;
        bool fits;
    } cases[] = {
        {"", true},
        {"/" + std::string(255, 'x'), true},
        {"/" + std::string(256, 'x'), false},
        {Repeat("\xC3\xA4", 128), true},         // 128 letters ä: 256 bytes
        {Repeat("\xC3\xA4", 128) + "x", false}, // 129 letters, 257 bytes
        {Repeat("\xE2\x82\xAC", 86), false},     // 86 euro signs, 258 bytes
    };
    for (const Case& c : cases) EXPECT_EQ(PathFitsField(c.path), c.fits) << c.path.size() << " bytes";
}

TEST(PathLengthCheck, RefusalNamesLengthAndLimit) {
    CRecordingHost host;
    ReportOverlongPath(host, 26, Repeat("\xC3\xBC", 130));
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].number, 26);
    EXPECT_EQ(host.shown[0].text, "[11910] 260 256");
}

} // namespace
} // namespace qbx

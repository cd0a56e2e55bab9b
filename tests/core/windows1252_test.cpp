#include "core/windows1252.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(Windows1252, ConvertsBothWaysAndReplacesWhatHasNoByte) {
    struct {
        std::string pc, utf8;
    } cases[] = {{"Begr\xFCssung", "Begr\xC3\xBCssung"},
                 {"\xF6\xDF\xB0", "\xC3\xB6\xC3\x9F\xC2\xB0"},
                 {"\x80\x9F", "\xE2\x82\xAC\xC5\xB8"},
                 {"\x81", "\xC2\x81"}}; // undefined in the code page, kept
    for (const auto& c : cases) {
        EXPECT_EQ(Windows1252ToUtf8(c.pc), c.utf8);
        EXPECT_EQ(Utf8ToWindows1252(c.utf8), c.pc);
    }
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);

    // A check mark, a character outside the basic plane, cut-short, overlong and invalid sequences.
    EXPECT_EQ(Utf8ToWindows1252("a\xE2\x9C\x93z|\xF0\x9F\x98\x80|\xC3|\xC3z|\xC0\xAF|\xFF", '_'),
              "a_z|_|_|_z|_|_");
}

} // namespace
} // namespace qbx

#include "core/device_charset.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(DeviceCharset, BothWays) {
    struct {
        std::uint8_t pc, device, back;
    } cases[] = {{' ', ' ', ' '},   {'~', '~', '~'},   {0xB0, 127, 0xB0}, {0xC4, 128, 0xE4},
                 {0xE4, 128, 0xE4}, {0xD6, 129, 0xF6}, {0xF6, 129, 0xF6}, {0xDC, 130, 0xFC},
                 {0xFC, 130, 0xFC}, {0xDF, ' ', ' '},  {0x7F, ' ', ' '},  {0x80, ' ', ' '},
                 {'\t', ' ', ' '},  {0x00, ' ', ' '}};
    for (auto c : cases) {
        EXPECT_EQ(ToDeviceChar(c.pc), c.device) << int(c.pc);
        EXPECT_EQ(FromDeviceChar(c.device), c.back) << int(c.device);
    }
    for (int c : {0, 31, 131, 176, 228, 255})
        EXPECT_EQ(FromDeviceChar(static_cast<std::uint8_t>(c)), ' ') << c;
    EXPECT_EQ(ToDeviceCharset("22\xB0"
                              "C \xC4"),
              "22\x7F"
              "C \x80");
    EXPECT_EQ(FromDeviceCharset("22\x7F"
                                "C \x80"),
              "22\xB0"
              "C \xE4");
}

} // namespace
} // namespace qbx

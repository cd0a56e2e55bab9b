#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "sim/state_file.h"

namespace qbx::sim {
namespace {

class SimStateFileTest : public ::testing::Test {
  protected:
    void TearDown() override { std::remove(path.c_str()); }
    void WriteFile(const std::string& text) { std::ofstream(path) << text; }
    std::string ReadFile() {
        std::stringstream text;
        text << std::ifstream(path).rdbuf();
        return text.str();
    }

    std::string path = ::testing::TempDir() + "sim_state_" + std::to_string(getpid()) + ".txt";
};

TEST_F(SimStateFileTest, RoundTripKeepsEveryByte) {
    CDeviceState state;
    state.mode = 0x80;
    state.configByte = 0xFE;
    state.network.address2 = {10, 0, 0, 254};
    state.network.parameterByte = 7;
    state.network.parameterWord2 = 65535;
    CSlot& slot = state.Slot(4);
    slot.header = {1, 0x85, {'A', '"', '\\', 0, 'x'}, {0xFF, 0x05}, 0xABCDEF, {}};
    const std::uint8_t text[] = {'S', 127, 128, 129, 130, 0x83, ' '}; // trailing blank must survive
    std::copy(std::begin(text), std::end(text), slot.header.description.begin());
    for (int i = 0; i < 70; ++i)
        slot.data.push_back(static_cast<std::uint8_t>(i * 3));
    state.deviceHeader.status = 2;
    state.deviceImage = {0xFF, 0x00};
    state.shortHeader.size = 0x8400;
    state.images[kCmdOsBootSector] = CBytes(33, 0x5A);
    state.pages[kWebPageGif] = {'G', 'I', 'F'};
    ASSERT_TRUE(SaveStateFile(path, state));

    CDeviceState loaded;
    int badLine = -1;
    ASSERT_EQ(LoadStateFile(path, loaded, badLine), kStateLoaded) << "line " << badLine << "\n" << ReadFile();
    EXPECT_EQ(loaded, state);
}

TEST_F(SimStateFileTest, WrittenFormIsReadable) {
    CDeviceState state;
    state.Slot(2).header = {1, 0x80, {'V', '1'}, {}, 0x64, {'S', 129, 'd', ' ', '2', '0', 127}};
    state.Slot(2).data = CBytes(33, 0xA5);
    state.Slot(2).data.back() = 0x0F;
    ASSERT_TRUE(SaveStateFile(path, state));
    const std::string text = ReadFile();
    std::string fullLine;
    for (int i = 0; i < 32; ++i)
        fullLine += "A5";
    EXPECT_NE(text.find("\nslot-data 2 0000 " + fullLine + "\nslot-data 2 0020 0F\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("\nslot 2 01 80 \"V1\" \"\" 000064 \"S\xC3\xB6"
                        "d 20\xC2\xB0\"\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\nnetwork 192.168.0.1 255.255.255.0 0.0.0.0 0 40000 0\n"), std::string::npos);
}

TEST_F(SimStateFileTest, HandWrittenDataWithGap) {
    WriteFile("# seeded by hand\nformat 1\n\nslot-data 7 0000 0102\nslot-data 7 0004 aA\n"); // either case
    CDeviceState state;
    int badLine = 0;
    ASSERT_EQ(LoadStateFile(path, state, badLine), kStateLoaded);
    EXPECT_EQ(state.Slot(7).data, (CBytes{1, 2, 0xFF, 0xFF, 0xAA}));
    EXPECT_EQ(state.mode, kModeTransfer); // lines not given keep their defaults
}

// Data end within what the memory holds: its header's size, or 0xFFFF (the
// most function data can be) when that is more. A far offset used to blow a
// two-line file up to tens of megabytes.
TEST_F(SimStateFileTest, DataStayWithinTheMemory) {
    struct {
        const char* lines;
        bool ok;
    } const cases[] = {
        {"slot-data 1 FFFE AA", true},
        {"slot-data 1 FFFF AA", false},
        {"slot-data 1 FFFFE0 00", false},
        {"device-data FFF0 00112233445566778899AABBCCDDEEFF00", false},
        {"slot 2 01 80 \"\" \"\" 020000 \"big\"\nslot-data 2 1FFFF AA", true},
        {"slot 2 01 80 \"\" \"\" 020000 \"big\"\nslot-data 2 20000 AA", false},
        {"slot-data 3 0010 AA\nslot 3 01 80 \"\" \"\" 020000 \"\"\nslot-data 3 10000 AA", true},
    };
    for (const auto& c : cases) {
        WriteFile(std::string("format 1\n") + c.lines + "\n");
        CDeviceState state;
        int badLine = 0;
        std::string why;
        EXPECT_EQ(LoadStateFile(path, state, badLine, &why), c.ok ? kStateLoaded : kStateMalformed)
            << c.lines;
        if (!c.ok) {
            EXPECT_NE(why.find("data reach past 0x"), std::string::npos) << c.lines << ": " << why;
        }
    }
    WriteFile("format 1\nslot-data 1 0010 AA\nslot-data 1 0000 BB\n");
    CDeviceState state;
    int badLine = 0;
    std::string why;
    EXPECT_EQ(LoadStateFile(path, state, badLine, &why), kStateMalformed);
    EXPECT_EQ(why, "data offsets must ascend");
}

TEST_F(SimStateFileTest, MissingFileKeepsDefaults) {
    CDeviceState state;
    state.configByte = 9;
    int badLine = 0;
    EXPECT_EQ(LoadStateFile(path + ".none", state, badLine), kStateMissing);
    EXPECT_EQ(state.configByte, 9);
}

TEST_F(SimStateFileTest, ReportsTheFirstBadLine) {
    const char* const badLines[] = {
        "colour blue",                             // unknown key
        "mode C00",                                // not a byte
        "slot 8 00 00 \"\" \"\" 000000 \"\"",      // no such slot
        "slot 1 01 80 \"123456789\" \"\" 0 \"\"",  // text longer than its field
        "slot 1 01 80 \"a\" \"\" 1000000 \"\"",    // size beyond 24 bits
        "slot 1 01 80 \"a\" \"\" 0 \"\\q\"",       // unknown escape
        "slot 1 01 80 \"a\" \"\" 0 \"x\" extra",   // trailing field
        "slot-data 1 0000 ABC",                    // odd hex
        "slot-data 1 0000 AG",                     // not a digit
        "slot-data 1 0000 -1",                     // a sign is no digit
        "slot-data 1 0000 +F",                     //
        "slot-data 1 0000 0x",                     //
        "network 1.2.3.256 0.0.0.0 0.0.0.0 0 0 0", // octet out of range
        "image-data 20 0000 AA",                   // no update phase has this code
        "page-data 3 0000 AA",                     // neither HTML nor GIF
        "format 2",                                // a format we do not know
    };
    for (const char* bad : badLines) {
        WriteFile(std::string("format 1\nconfig 02\n") + bad + "\n");
        CDeviceState state;
        int badLine = 0;
        EXPECT_EQ(LoadStateFile(path, state, badLine), kStateMalformed) << bad;
        EXPECT_EQ(badLine, 3) << bad;
    }
    WriteFile("mode C0\n"); // before the format line
    CDeviceState state;
    int badLine = 0;
    EXPECT_EQ(LoadStateFile(path, state, badLine), kStateMalformed);
    WriteFile("format 1\nslot-data 1 0010 AA\nslot-data 1 0000 BB\n"); // offsets go back
    EXPECT_EQ(LoadStateFile(path, state, badLine), kStateMalformed);
    EXPECT_EQ(badLine, 3);
}

} // namespace
} // namespace qbx::sim

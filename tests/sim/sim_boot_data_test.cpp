// The LINKBOX's data image in the engine: the write the device drives, the
// read the program drives, and what other kinds make of both.
#include "sim/slot_seed.h"
#include "tests/sim/engine_fixture.h"

namespace qbx::sim {
namespace {

using test::BlockFrame;
using test::kAck;
using test::kIdentify;
using test::RequestFrame;
using test::WithSum;

const CWire kStartWrite{0x20, 0x10, 0x4F, 0, 0, 0, 0, 0x7F};
const CWire kWriteEnd{0x60, 0x10, 0x4F, 0, 0, 0, 0, 0xBF};

class SimBootDataTest : public SimEngineFixture {
  protected:
    static CWire Header(std::uint8_t status, std::uint32_t size, char name) {
        CWire header(kHeaderSize, 0);
        header[0] = status;
        header[1] = 0xA3;
        header[18] = static_cast<std::uint8_t>(size), header[19] = static_cast<std::uint8_t>(size >> 8);
        header[21] = static_cast<std::uint8_t>(name);
        return header;
    }
    static CWire Pattern(std::size_t size, std::uint8_t seed) {
        CWire bytes(size);
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 11 + seed);
        return bytes;
    }
    static CWire Block(const CWire& image, std::size_t at, std::size_t count) {
        return WithSum(
            CWire(image.begin() + static_cast<long>(at), image.begin() + static_cast<long>(at + count)));
    }
    static CWire Write(std::uint8_t kind, std::uint32_t at, std::uint8_t count) {
        return BlockFrame(kind, 0x4F, at, count);
    }
    static CWire Read(std::uint8_t kind, std::uint32_t at, std::uint8_t count) {
        return BlockFrame(kind, 0xF4, at, count);
    }
    void HoldHeader(const CWire& header) {
        EXPECT_EQ(Feed(RequestFrame(kCmdWriteDeviceHeader)), kAck);
        EXPECT_EQ(Feed(WithSum(header)), kAck);
    }
    // An image the device already keeps.
    void Stored(std::uint32_t size, std::size_t bytes) {
        state.deviceHeader = CHeaderRecord::Decode(Header(1, size, 'o').data());
        state.deviceImage = Pattern(bytes, 1);
    }
};

TEST_F(SimBootDataTest, WriteTakesHeaderAndImageTogetherOnceTheEndIsAcknowledged) {
    Make(kDeviceLinkbox, kModeTransfer, 100);
    Stored(8, 8);
    const CDeviceState before = state;
    const CWire image = Pattern(150, 7);
    HoldHeader(Header(1, 150, 'n'));
    const std::vector<std::pair<CWire, CWire>> steps = {
        {kStartWrite, Join(kAck, Write(0x20, 0, 100))},
        {kAck, {}},
        {Write(0x40, 0, 100), kAck},
        {Block(image, 0, 100), Join(kAck, Write(0x20, 100, 50))},
        {Join(kAck, Write(0x40, 100, 50)), kAck},
        {Block(image, 100, 50), Join(kAck, kWriteEnd)},
    };
    for (const auto& [in, out] : steps)
        EXPECT_EQ(Feed(in), out);
    EXPECT_EQ(state, before);
    EXPECT_EQ(Feed(kAck), CWire{});
    EXPECT_EQ(state.deviceImage, image);
    EXPECT_EQ(state.deviceHeader.size, 150u);
    EXPECT_EQ(state.deviceHeader.description[0], 'n');
    EXPECT_EQ(Feed(RequestFrame(kCmdReadDeviceHeader)), Join(kAck, WithSum(Header(1, 150, 'n'))));
}

TEST_F(SimBootDataTest, ABrokenOffWriteChangesNothing) {
    Make(kDeviceLinkbox);
    Stored(64, 64);
    const CDeviceState before = state;
    HoldHeader(Header(1, 8, 'n'));
    EXPECT_EQ(Feed(kStartWrite), Join(kAck, Write(0x20, 0, 8)));
    EXPECT_EQ(Feed(kAck), CWire{});
    EXPECT_EQ(Feed(kIdentify).size(), 5u); // the program gave up
    engine->OnNewLine();
    EXPECT_EQ(state, before);
    // The next write goes by the stored header.
    EXPECT_EQ(Feed(kStartWrite), Join(kAck, Write(0x20, 0, 64)));
}

TEST_F(SimBootDataTest, AnEmptyImageEndsAtOnce) {
    Make(kDeviceLinkbox);
    HoldHeader(Header(1, 0, 'e'));
    EXPECT_EQ(Feed(kStartWrite), Join(kAck, kWriteEnd));
    EXPECT_EQ(Feed(kAck), CWire{});
    EXPECT_EQ(state.deviceHeader.description[0], 'e');
    EXPECT_TRUE(state.deviceImage.empty());
}

TEST_F(SimBootDataTest, ReadServesBlocksWithinTheHeadersSizeOnly) {
    Make(kDeviceLinkbox);
    Stored(100, 80); // the last 20 bytes were never written: erased memory
    CWire expected = state.deviceImage;
    expected.resize(100, 0xFF);
    const std::vector<std::pair<CWire, CWire>> steps = {
        {Read(0x20, 0, 64), Join(kAck, Read(0x40, 0, 64))},
        {kAck, Block(expected, 0, 64)},
        {kAck, {}},
        {Read(0x20, 64, 36), Join(kAck, Read(0x40, 64, 36))},
        {kAck, Block(expected, 64, 36)},
        {kAck, {}},
        {Read(0x20, 64, 37), Join(kAck, Read(0x80, 64, 37))},
        {kAck, {}},
        {Read(0x60, 64, 36), kAck},
    };
    for (const auto& [in, out] : steps)
        EXPECT_EQ(Feed(in), out);
    EXPECT_EQ(changes, 0);
}

TEST_F(SimBootDataTest, FaultsStrikeTheNumberedBlock) {
    Make(kDeviceLinkbox);
    Stored(192, 192);
    faults.deviceError = CDeviceError{31, 2};
    EXPECT_EQ(Feed(Read(0x20, 0, 64)), Join(kAck, Read(0x40, 0, 64)));
    Feed(kAck);
    Feed(kAck);
    EXPECT_EQ(Feed(Read(0x20, 64, 64)), Join(kAck, WithSum({0xA0, 0x10, 31, 0, 0, 0, 0})));
    Feed(kAck);
    faults.busyBefore[2] = 2;
    HoldHeader(Header(1, 100, 'b'));
    EXPECT_EQ(Feed(kStartWrite), Join(kAck, Write(0x20, 0, 64)));
    Feed(kAck);
    Feed(Write(0x40, 0, 64));
    const CWire busy = WithSum({0x00, 0x10, 0x4F, 0, 0, 0, 0});
    EXPECT_EQ(Feed(Block(Pattern(64, 0), 0, 64)), Join(kAck, busy));
    EXPECT_EQ(Feed(kAck), busy);
    EXPECT_EQ(Feed(kAck), Write(0x20, 64, 36));
}

TEST_F(SimBootDataTest, OnlyTheLinkboxKeepsADataImage) {
    Make(kDeviceSerial);
    for (const CWire& request : {RequestFrame(kCmdReadDeviceHeader), RequestFrame(kCmdWriteDeviceHeader),
                                 kStartWrite, Read(0x20, 0, 64)}) {
        const CWire out = Feed(request);
        ASSERT_EQ(out.size(), 8u);
        EXPECT_EQ(out[0], 0x80);
        EXPECT_EQ(out[2], request[2]);
        Feed(kAck);
    }
    EXPECT_EQ(changes, 0);
}

TEST(SimBootDataSeed, DescriptionAndSize) {
    struct {
        const char* text;
        const char* description;
        std::uint32_t size;
    } const cases[] = {
        {"Werk:100", "Werk", 100},
        {"Werk", "Werk", kDefaultBootDataSize},
        {"Zeit 12:30:0x8400", "Zeit 12:30", 0x8400},
        {"x:0x10000", "x:0x10000", kDefaultBootDataSize}, // more than a file holds: part of the text
    };
    for (const auto& c : cases) {
        CSlotSeed seed;
        ASSERT_TRUE(ParseBootDataSeed(c.text, seed));
        EXPECT_EQ(seed.description, c.description) << c.text;
        EXPECT_EQ(seed.size, c.size) << c.text;
        CDeviceState state;
        SeedBootData(state, seed);
        EXPECT_EQ(state.deviceHeader.kind, 0xA3);
        EXPECT_EQ(state.deviceHeader.status, 1);
        EXPECT_EQ(state.deviceHeader.size, c.size);
        EXPECT_EQ(state.deviceImage.size(), c.size);
    }
}

} // namespace
} // namespace qbx::sim

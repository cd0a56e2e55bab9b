#include "tests/sim/engine_fixture.h"

namespace qbx::sim {
namespace {

using test::BlockFrame;
using test::kAck;
using test::kIdentify;
using test::kNak;
using test::RequestFrame;
using test::WithSum;

constexpr std::uint8_t kUp = 0x2F;
constexpr std::uint8_t kDown = 0xF2;
const CWire kStartUpload{0x20, 0x10, 0x2F, 0, 0, 0, 0, 0x5F};
const CWire kUploadEnd{0x60, 0x10, 0x2F, 0, 0, 0, 0, 0x9F};
const CWire kBusy{0x00, 0x10, 0x2F, 0, 0, 0, 0, 0x3F};

// What the program sends and what the device must answer to it.
struct CStep {
    CWire in;
    CWire out;
};

class SimDataPhaseTest : public SimEngineFixture {
  protected:
    // Selects slot `number` with a header announcing `size` bytes, of which
    // the first `stored` are in the slot.
    void Slot(int number, std::uint32_t size, std::size_t stored = 0) {
        CSlot& slot = state.Slot(number);
        slot.header.status = 1;
        slot.header.size = size;
        slot.data = Image(stored, 0x40);
        engine->SelectSlot(number);
    }
    void Run(const std::vector<CStep>& steps) {
        for (std::size_t i = 0; i < steps.size(); ++i)
            EXPECT_EQ(Feed(steps[i].in), steps[i].out) << "step " << i;
    }
    static CWire Image(std::size_t size, std::uint8_t seed) {
        CWire image(size);
        for (std::size_t i = 0; i < size; ++i)
            image[i] = static_cast<std::uint8_t>(i * 3 + seed);
        return image;
    }
    // `count` bytes of `image` from `at`, then their sum.
    static CWire Block(const CWire& image, std::size_t at, std::size_t count) {
        return WithSum(
            CWire(image.begin() + static_cast<long>(at), image.begin() + static_cast<long>(at + count)));
    }
    static CWire Up(std::uint8_t kind, std::uint32_t at, std::uint8_t count) {
        return BlockFrame(kind, kUp, at, count);
    }
    static CWire Down(std::uint8_t kind, std::uint32_t at, std::uint8_t count) {
        return BlockFrame(kind, kDown, at, count);
    }

    // Plays a faultless program through an upload of `image`; returns the
    // blocks the device asked for as (address, count).
    std::vector<std::pair<std::uint32_t, int>> Upload(const CWire& image) {
        std::vector<std::pair<std::uint32_t, int>> asked;
        CWire out = Feed(kStartUpload);
        while (out.size() == 10 && asked.size() <= image.size()) {
            EXPECT_EQ(CWire(out.begin(), out.begin() + 2), kAck);
            const CWire frame(out.begin() + 2, out.end());
            if (frame == kUploadEnd) {
                EXPECT_EQ(Feed(kAck), CWire{});
                return asked;
            }
            const std::uint32_t at = frame[3] | frame[4] << 8 | frame[5] << 16;
            asked.emplace_back(at, frame[6]);
            EXPECT_EQ(Feed(Join(kAck, Up(0x40, at, frame[6]))), kAck);
            CWire padded = image; // a request past the end gets bytes all the same
            padded.resize(std::max<std::size_t>(image.size(), at + frame[6]), 0xEE);
            out = Feed(Block(padded, at, frame[6])); // "!C" and the next frame
        }
        ADD_FAILURE() << "upload did not end, device sent " << out.size() << " bytes";
        return asked;
    }
};

TEST_F(SimDataPhaseTest, UploadByteForByte) {
    Make(kDeviceSerial);
    Slot(4, 70);
    const CWire image = Image(70, 9);
    Run({
        {kStartUpload, Join(kAck, {0x20, 0x10, 0x2F, 0x00, 0x00, 0x00, 0x40, 0x9F})},
        {kAck, {}},
        {{0x40, 0x10, 0x2F, 0x00, 0x00, 0x00, 0x40, 0xBF}, kAck},
        {Block(image, 0, 64), Join(kAck, Up(0x20, 64, 6))},
        {Join(kAck, Up(0x40, 64, 6)), kAck},
        {Block(image, 64, 6), Join(kAck, kUploadEnd)},
    });
    EXPECT_EQ(changes, 0); // nothing is stored before the end is acknowledged
    Run({{kAck, {}}});
    EXPECT_EQ(state.Slot(4).data, image);
    EXPECT_EQ(changes, 1);
}

TEST_F(SimDataPhaseTest, UploadCoversTheSizeInBlocks) {
    struct {
        std::uint32_t size;
        std::uint8_t block;
        std::size_t requests;
        std::pair<std::uint32_t, int> last;
    } const cases[] = {
        {0, 64, 0, {}},          {1, 64, 1, {0, 1}},       {64, 64, 1, {0, 64}},
        {150, 64, 3, {128, 22}}, {300, 255, 2, {255, 45}}, {0x10100, 255, 259, {0x100FE, 2}},
    };
    for (const auto& c : cases) {
        Make(kDeviceSerial, kModeTransfer, c.block);
        Slot(6, c.size, 3); // old data, replaced
        const CWire image = Image(c.size, 1);
        const auto asked = Upload(image);
        ASSERT_EQ(asked.size(), c.requests) << c.size;
        if (!asked.empty()) {
            EXPECT_EQ(asked.back(), c.last) << c.size;
        }
        EXPECT_EQ(state.Slot(6).data, image) << c.size;
    }
}

// The order the device asks in: descending, and extra requests in front of
// a frame, inside or past the image. Whatever the order, each block lands at
// its address and nothing past the size is kept.
TEST_F(SimDataPhaseTest, UploadOrderAndExtraRequests) {
    using CAsked = std::vector<std::pair<std::uint32_t, int>>;
    struct {
        const char* name;
        bool descending;
        std::map<int, CExtraRequest> extra;
        CAsked asked;
    } const cases[] = {
        {"ascending", false, {}, {{0, 64}, {64, 64}, {128, 22}}},
        {"descending", true, {}, {{128, 22}, {64, 64}, {0, 64}}},
        {"again", false, {{2, {0, 0}}}, {{0, 64}, {0, 64}, {64, 64}, {128, 22}}},
        {"past the end", false, {{1, {150, 10}}}, {{150, 10}, {0, 64}, {64, 64}, {128, 22}}},
        {"across the end", true, {{3, {140, 20}}}, {{128, 22}, {64, 64}, {140, 20}, {0, 64}}},
    };
    for (const auto& c : cases) {
        Make(kDeviceSerial);
        faults.descending = c.descending;
        faults.extraRequests = c.extra;
        Slot(6, 150, 3);
        const CWire image = Image(150, 4);
        EXPECT_EQ(Upload(image), c.asked) << c.name;
        EXPECT_EQ(state.Slot(6).data, image) << c.name;
        EXPECT_TRUE(faults.extraRequests.empty()) << c.name;
    }
}

// Until the program acknowledges the end frame the slot keeps its header and
// its data: a header written for an upload that breaks off is forgotten.
TEST_F(SimDataPhaseTest, BrokenOffUploadLeavesTheSlotAsItWas) {
    Make(kDeviceSerial);
    Slot(3, 64, 64);
    state.Slot(3).header.description[0] = 'o';
    const CDeviceState before = state;
    CWire header(kHeaderSize, 0);
    header[0] = 1, header[1] = 0x85, header[18] = 8, header[21] = 'n';
    const CWire image = Image(8, 9);
    Run({
        {RequestFrame(kCmdWriteSlotHeader), kAck},
        {WithSum(header), kAck},
        {kStartUpload, Join(kAck, Up(0x20, 0, 8))},
        {Join(kAck, Up(0x40, 0, 8)), kAck},
        {Block(image, 0, 8), Join(kAck, kUploadEnd)},
        {kIdentify, WithSum({0x40, 0x10, 0xA2, 30})}, // no "!C" for the end: given up
    });
    EXPECT_EQ(state, before);
    EXPECT_EQ(changes, 0);
    engine->OnNewLine(); // the next connection uploads by the slot's own header
    EXPECT_EQ(Feed(kStartUpload), Join(kAck, Up(0x20, 0, 64)));
}

// A spoilt end frame is sent again when the program answers 0x00 0xFF, and
// each one sent counts; the program's own end frame can be refused too.
TEST_F(SimDataPhaseTest, EndFramesWithWrongChecks) {
    Make(kDeviceSerial);
    Slot(2, 8, 8);
    const CWire stored = state.Slot(2).data;
    CWire spoilt = kUploadEnd;
    ++spoilt.back();
    faults.badEndSums = 2;
    const CWire image = Image(8, 1);
    Run({
        {kStartUpload, Join(kAck, Up(0x20, 0, 8))},
        {Join(kAck, Up(0x40, 0, 8)), kAck},
        {Block(image, 0, 8), Join(kAck, spoilt)},
        {kNak, spoilt},
    });
    EXPECT_EQ(state.Slot(2).data, stored);
    Run({{kNak, kUploadEnd}, {kAck, {}}});
    EXPECT_EQ(state.Slot(2).data, image);

    faults.nakEnds = 2;
    Run({{Down(0x60, 0, 8), kNak}, {Down(0x60, 0, 8), kNak}, {Down(0x60, 0, 8), kAck}});
}

TEST_F(SimDataPhaseTest, UploadNakAndResendBothWays) {
    Make(kDeviceSerial);
    Slot(1, 10);
    const CWire image = Image(10, 5);
    CWire badHeader = Up(0x40, 0, 10), badData = Block(image, 0, 10);
    ++badHeader.back(), ++badData.back();
    Run({
        {kStartUpload, Join(kAck, Up(0x20, 0, 10))},
        {kNak, Up(0x20, 0, 10)}, // the program's NAK: the same request again
        {kAck, {}},
        {badHeader, kNak},
        {Up(0x40, 0, 9), kNak}, // good sum, but not the answer to this request
        {Up(0x40, 0, 10), kAck},
        {badData, kNak},
        {Block(image, 0, 10), Join(kAck, kUploadEnd)},
        {kNak, kUploadEnd},
        {kAck, {}},
    });
    EXPECT_EQ(state.Slot(1).data, image);
}

TEST_F(SimDataPhaseTest, BusyFramesWhereAsked) {
    Make(kDeviceSerial);
    faults.busyBefore = {{1, 2}, {3, 1}}; // frame 3 is the end frame here
    Slot(2, 100);
    const CWire image = Image(100, 0);
    Run({
        {kStartUpload, Join(kAck, kBusy)},
        {kAck, kBusy},
        {kNak, kBusy},
        {kAck, Up(0x20, 0, 64)},
        {Join(kAck, Up(0x40, 0, 64)), kAck},
        {Block(image, 0, 64), Join(kAck, Up(0x20, 64, 36))},
        {Join(kAck, Up(0x40, 64, 36)), kAck},
        {Block(image, 64, 36), Join(kAck, kBusy)},
        {kAck, kUploadEnd},
        {kAck, {}},
    });
    EXPECT_EQ(state.Slot(2).data, image);
    EXPECT_TRUE(faults.busyBefore.empty());
}

TEST_F(SimDataPhaseTest, DeviceErrorEndsThePhase) {
    const CWire error20{0xA0, 0x10, 0x14, 0, 0, 0, 0, 0xC4};
    Make(kDeviceSerial);
    Slot(3, 100, 100);
    const CDeviceState before = state;
    faults.deviceError = CDeviceError{20, 1};
    Run({{kStartUpload, Join(kAck, error20)}, {kAck, {}}});
    faults.deviceError = CDeviceError{20, 2};
    const CWire image = Image(100, 7);
    Run({
        {kStartUpload, Join(kAck, Up(0x20, 0, 64))},
        {Join(kAck, Up(0x40, 0, 64)), kAck},
        {Block(image, 0, 64), Join(kAck, error20)},
        {kAck, {}},
    });
    faults.deviceError = CDeviceError{51, 2};
    Run({
        {Down(0x20, 0, 64), Join(kAck, Down(0x40, 0, 64))},
        {kAck, Block(before.Slot(3).data, 0, 64)},
        {kAck, {}},
        {Down(0x20, 64, 36), Join(kAck, {0xA0, 0x10, 51, 0, 0, 0, 0, 0xE3})},
        {kAck, {}},
    });
    EXPECT_EQ(state, before);
    EXPECT_EQ(Feed(kIdentify).size(), 5u); // back to commands
}

TEST_F(SimDataPhaseTest, DownloadOfAHundredBytes) {
    Make(kDeviceSerial);
    Slot(5, 100, 80); // the last 20 bytes were never written: erased memory
    CWire expected = state.Slot(5).data;
    expected.resize(100, 0xFF);
    Run({
        {{0x20, 0x10, 0xF2, 0x00, 0x00, 0x00, 0x40, 0x62}, Join(kAck, Down(0x40, 0, 64))},
        {kNak, Down(0x40, 0, 64)},
        {kAck, Block(expected, 0, 64)},
        {kNak, Block(expected, 0, 64)},
        {kAck, {}},
        {Down(0x20, 64, 36), Join(kAck, Down(0x40, 64, 36))},
        {kAck, Block(expected, 64, 36)},
        {kAck, {}},
        {Down(0x60, 64, 36), kAck},
        {Down(0x20, 0x123456, 2), Join(kAck, Down(0x40, 0x123456, 2))},
        {kAck, {0xFF, 0xFF, 0xFE}},
    });
    EXPECT_EQ(changes, 0);
}

// The fault plan's sums and acknowledgements in both phases; a spoilt "!C"
// for a block the program sent makes the device wait for the same block.
TEST_F(SimDataPhaseTest, BadSumsAndWrongAcks) {
    Make(kDeviceSerial);
    Slot(1, 8, 8);
    const CWire stored = state.Slot(1).data;
    const CWire image = Image(8, 3);
    auto spoilt = [](CWire bytes) {
        ++bytes.back();
        return bytes;
    };
    faults.badSums = 2; // the resend is the next checked block
    Run({
        {Down(0x20, 0, 8), Join(kAck, spoilt(Down(0x40, 0, 8)))},
        {kNak, spoilt(Down(0x40, 0, 8))},
        {kNak, Down(0x40, 0, 8)},
        {kAck, Block(stored, 0, 8)},
        {kAck, {}},
    });
    faults.badSums = 1;
    Run({{kStartUpload, Join(kAck, spoilt(Up(0x20, 0, 8)))}, {kNak, Up(0x20, 0, 8)}, {kAck, {}}});
    faults.wrongAcks = 1;
    Run({{Up(0x40, 0, 8), {'?', '?'}}, {Up(0x40, 0, 8), kAck}});
    faults.wrongAcks = 1;
    Run({
        {Block(image, 0, 8), {'?', '?'}},
        {Block(image, 0, 8), Join(kAck, kUploadEnd)},
        {kAck, {}},
    });
    EXPECT_EQ(state.Slot(1).data, image);
    faults.wrongAcks = 1; // a spoilt "!C" for a request: the program asks again
    Run({{Down(0x20, 0, 8), {'?', '?'}}, {Down(0x20, 0, 8), Join(kAck, Down(0x40, 0, 8))}});
}

TEST_F(SimDataPhaseTest, RefusedDataPhases) {
    Make(kDeviceSerial);
    Slot(2, 64, 64);
    faults.refuseData = true;
    Run({
        {Down(0x20, 0, 64), Join(kAck, Down(0x80, 0, 64))},
        {kAck, {}},
        {kStartUpload, Join(kAck, {0x80, 0x10, 0x2F, 0, 0, 0, 0, 0xBF})},
        {kAck, {}},
    });
    EXPECT_EQ(state.Slot(2).data.size(), 64u);
}

// After a failure on its side the program starts again with a request; the
// device must not take it for the header or block it was waiting for.
TEST_F(SimDataPhaseTest, AbandonedUploadGivesWayToTheNextRequest) {
    Make(kDeviceSerial);
    Slot(3, 64, 64);
    const CDeviceState before = state;
    const CWire identity = WithSum({0x40, 0x10, 0xA2, 30});
    Run({{kStartUpload, Join(kAck, Up(0x20, 0, 64))}, {kAck, {}}, {kIdentify, identity}, {kAck, {}}});
    Run({{kStartUpload, Join(kAck, Up(0x20, 0, 64))}, {Join(kAck, Up(0x40, 0, 64)), kAck}, {kIdentify, {}}});
    engine->OnQuiet();
    EXPECT_EQ(line.out, identity);
    EXPECT_EQ(state, before);
}

TEST_F(SimDataPhaseTest, SilenceAndDropCountTheUploadsBlocks) {
    Make(kDeviceSerial);
    Slot(4, 64);
    const CWire image = Image(64, 2);
    Run({{kStartUpload, Join(kAck, Up(0x20, 0, 64))}, {kAck, {}}});
    faults.silentRequests = 1;
    Run({{Up(0x40, 0, 64), {}}, {Up(0x40, 0, 64), kAck}});
    faults.dropAfter = 0;
    Run({{Block(image, 0, 64), {}}});
    EXPECT_EQ(line.cuts, 1);
    engine->OnNewLine();
    EXPECT_TRUE(state.Slot(4).data.empty());
}

} // namespace
} // namespace qbx::sim

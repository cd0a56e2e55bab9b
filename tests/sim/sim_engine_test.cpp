#include "tests/sim/engine_fixture.h"

namespace qbx::sim {
namespace {

using test::kAck;
using test::kIdentify;
using test::RequestFrame;
using test::WithSum;

class SimEngineTest : public SimEngineFixture {
  protected:
    // A 53-byte header: status 1, kind 0x80, "FW12", "BS3", size 0x012345,
    // a description with the device's degree sign and a umlaut.
    static CWire SampleHeader() {
        CWire header(kHeaderSize, 0);
        header[0] = 1;
        header[1] = 0x80;
        const std::string a = "FW12", b = "BS3", d = "Kessel 20";
        std::copy(a.begin(), a.end(), header.begin() + 2);
        std::copy(b.begin(), b.end(), header.begin() + 10);
        header[18] = 0x45, header[19] = 0x23, header[20] = 0x01;
        std::copy(d.begin(), d.end(), header.begin() + 21);
        header[30] = 127, header[31] = 128;
        return header;
    }
};

TEST_F(SimEngineTest, IdentifiesByKindAndMode) {
    struct {
        std::uint8_t kind, mode, type;
    } const cases[] = {
        {kDeviceSerial, kModeTransfer, 0xA2},  {kDeviceLinkbox, kModeTransfer, 0xA3},
        {kDeviceModalA8, kModeOther, 0xA8},    {kDeviceModalD1, kModeOther, 0xD1},
        {kDeviceModalA8, kModeTransfer, 0xA2}, {kDeviceModalD1, kModeTransfer, 0xA2},
    };
    for (const auto& c : cases) {
        Make(c.kind, c.mode);
        EXPECT_EQ(Feed(kIdentify), WithSum({0x40, 0x10, c.type, 30})) << int{c.kind} << "/" << int{c.mode};
    }
}

TEST_F(SimEngineTest, SwitchToTransferModeChangesIdentity) {
    Make(kDeviceModalA8, kModeOther);
    EXPECT_EQ(Feed(Join(kIdentify, kAck)).at(2), 0xA8);
    EXPECT_EQ(Feed({'!'}), CWire{0x80});
    EXPECT_EQ(Feed({0x22, 0xC0}), CWire{0xC0});
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Feed({'!'}), CWire{0xC0});
    EXPECT_EQ(Feed(kIdentify).at(2), 0xA2);
}

TEST_F(SimEngineTest, RefusedSwitchesKeepTheMode) {
    Make(kDeviceModalD1, kModeOther);
    EXPECT_EQ(Feed({0x22, 0x80}), CWire{0x22}); // only the transfer mode can be asked for
    faults.refuseSwitch = true;
    EXPECT_EQ(Feed({0x22, 0xC0}), CWire{0x22});
    EXPECT_EQ(state.mode, kModeOther);
    EXPECT_EQ(changes, 0);
}

TEST_F(SimEngineTest, AGrantedSwitchCanLandInAnotherMode) {
    Make(kDeviceModalA8, kModeOther);
    faults.switchLands = 0x3F;
    EXPECT_EQ(Feed({0x22, 0xC0}), CWire{0xC0}); // granted
    EXPECT_EQ(Feed({0x21}), CWire{0x3F});       // but the device came up elsewhere
    EXPECT_EQ(state.mode, 0x3F);
    EXPECT_EQ(changes, 1);
}

TEST_F(SimEngineTest, SlotCommandsAnswerFourBytes) {
    Make(kDeviceSerial);
    state.Slot(3).header.status = 1;
    state.Slot(3).data = {1, 2, 3};
    EXPECT_EQ(Feed(RequestFrame(kCmdSelectSlot, 3)), (CWire{0x21, 0x43, 3, 1}));
    EXPECT_EQ(engine->SelectedSlot(), 3);
    EXPECT_EQ(Feed(Join(kAck, RequestFrame(kCmdClearSlot, 3))), (CWire{0x21, 0x43, 3, 0}));
    EXPECT_EQ(state.Slot(3), CSlot{});
    EXPECT_EQ(changes, 1);
    for (std::uint8_t bad : {0, 8}) {
        const CWire request = RequestFrame(kCmdSelectSlot, bad);
        EXPECT_EQ(Feed(Join(kAck, request)), WithSum({0x80, 0x10, kCmdSelectSlot, bad, 0, 0, 0})) << int{bad};
    }
}

// A written header waits for its upload and then reads back byte for byte.
TEST_F(SimEngineTest, SlotHeaderRoundTrip) {
    Make(kDeviceSerial);
    Feed(Join(RequestFrame(kCmdSelectSlot, 5), kAck));
    const CWire empty{0x21, 0x43, 0, 0}; // status and closing byte
    EXPECT_EQ(Feed(RequestFrame(kCmdReadSlotHeader)), empty);
    EXPECT_EQ(Feed(Join(kAck, RequestFrame(kCmdWriteSlotHeader))), kAck);
    CWire header = SampleHeader();
    header[18] = 4, header[19] = 0, header[20] = 0; // four bytes of data
    EXPECT_EQ(Feed(WithSum(header)), kAck);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(Feed(RequestFrame(kCmdReadSlotHeader)), empty);
    EXPECT_EQ(Feed(Join(kAck, RequestFrame(kCmdSlotUpload))), Join(kAck, test::BlockFrame(0x20, 0x2F, 0, 4)));
    EXPECT_EQ(Feed(Join(kAck, test::BlockFrame(0x40, 0x2F, 0, 4))), kAck);
    EXPECT_EQ(Feed(WithSum({1, 2, 3, 4})), Join(kAck, WithSum({0x60, 0x10, 0x2F, 0, 0, 0, 0})));
    EXPECT_EQ(Feed(kAck), CWire{});
    EXPECT_EQ(state.Slot(5).header.size, 4u);
    EXPECT_EQ(state.Slot(5).header.description[9], 127);
    EXPECT_EQ(state.Slot(5).data, (CBytes{1, 2, 3, 4}));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Feed(RequestFrame(kCmdReadSlotHeader)), Join(kAck, WithSum(header)));
}

TEST_F(SimEngineTest, BlocksWithBadSumsAreRejected) {
    Make(kDeviceLinkbox);
    struct {
        std::uint8_t code;
        std::size_t length;
    } const writes[] = {{kCmdWriteSlotHeader, 53},
                        {kCmdWriteDeviceHeader, 53},
                        {kCmdWriteShortHeader, 21},
                        {kCmdWriteNetworkSettings, 17}};
    const CDeviceState before = state;
    for (const auto& w : writes) {
        CWire block = WithSum(CWire(w.length, 0x11));
        ++block.back();
        EXPECT_EQ(Feed(RequestFrame(w.code)), kAck);
        EXPECT_EQ(Feed(block), (CWire{0x00, 0xFF})) << int{w.code};
    }
    EXPECT_EQ(state, before);
    EXPECT_EQ(changes, 0);
}

TEST_F(SimEngineTest, DeviceAndShortHeaders) {
    Make(kDeviceLinkbox);
    Feed(RequestFrame(kCmdWriteDeviceHeader));
    EXPECT_EQ(Feed(WithSum(SampleHeader())), kAck);
    // Held for the data write that follows: the stored header is still the old one.
    EXPECT_EQ(Feed(RequestFrame(kCmdReadDeviceHeader)), Join(kAck, WithSum(CWire(kHeaderSize, 0))));
    EXPECT_EQ(engine->DeviceHeaderForWrite().size, 0x012345u);
    Feed(Join(kAck, RequestFrame(kCmdWriteShortHeader)));
    const CWire full = SampleHeader();
    const CWire shortHeader(full.begin(), full.begin() + kShortHeaderSize);
    EXPECT_EQ(Feed(WithSum(shortHeader)), kAck);
    EXPECT_EQ(state.shortHeader.size, 0x012345u);
    EXPECT_EQ(state.shortHeader.kind, 0x80);
    EXPECT_EQ(changes, 1);
}

// The first answer to a request of the named code is cut short, followed by
// surplus bytes or split in two, as often as asked; its retries count on.
TEST_F(SimEngineTest, ReplyShapesStrikeTheNamedRequestOnly) {
    Make(kDeviceSerial);
    faults.shortReplies[kCmdSelectSlot] = {3, 2};
    faults.surplusReplies[kCmdIdentify] = {3, 1};
    faults.splitReplies[kCmdReadSlotHeader] = {23, 1};
    const CWire identity = WithSum({0x40, 0x10, 0xA2, 30});
    EXPECT_EQ(Feed(Join(RequestFrame(kCmdSelectSlot, 2), kAck)), (CWire{0x21, 0x43, 2}));
    EXPECT_EQ(Feed(Join(RequestFrame(kCmdSelectSlot, 2), kAck)), (CWire{0x21, 0x43, 2}));
    EXPECT_EQ(Feed(Join(RequestFrame(kCmdSelectSlot, 2), kAck)), (CWire{0x21, 0x43, 2, 0}));
    EXPECT_EQ(Feed(Join(kIdentify, kAck)), Join(identity, {0x5A, 0x5A, 0x5A}));
    EXPECT_EQ(Feed(Join(kIdentify, kAck)), identity);
    state.Slot(2).header = {1, 0x80, {}, {}, 64, {}};
    EXPECT_EQ(Feed(RequestFrame(kCmdReadSlotHeader)).size(), 56u);
    EXPECT_EQ(line.splits, std::vector<std::size_t>{23});
    EXPECT_EQ(Feed(Join(kAck, RequestFrame(kCmdReadSlotHeader))).size(), 56u);
    EXPECT_TRUE(line.splits.empty());
    EXPECT_TRUE(faults.shortReplies.empty() && faults.surplusReplies.empty() && faults.splitReplies.empty());
}

TEST_F(SimEngineTest, WrongConfigurationEchoStoresNothing) {
    Make(kDeviceSerial);
    faults.wrongConfigEchoes = 1;
    EXPECT_EQ(Feed(RequestFrame(kCmdWriteConfigByte, 3)), (CWire{0x21, 0x43, 4, 0, 0, 0, 4}));
    EXPECT_EQ(state.configByte, 1);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(Feed(Join(kAck, RequestFrame(kCmdWriteConfigByte, 3))), (CWire{0x21, 0x43, 3, 0, 0, 0, 3}));
    EXPECT_EQ(state.configByte, 3);
}

TEST_F(SimEngineTest, ConfigurationByte) {
    Make(kDeviceSerial);
    EXPECT_EQ(Feed(RequestFrame(kCmdReadConfigByte)), (CWire{0x21, 0x43, 1, 0, 0, 0, 1}));
    EXPECT_EQ(Feed(Join(kAck, RequestFrame(kCmdWriteConfigByte, 3))), (CWire{0x21, 0x43, 3, 0, 0, 0, 3}));
    EXPECT_EQ(state.configByte, 3);
    EXPECT_EQ(changes, 1);
}

TEST_F(SimEngineTest, NetworkSettingsOnlyOnTheLinkbox) {
    Make(kDeviceLinkbox);
    state.network.address1 = {192, 168, 0, 10};
    state.network.parameterWord1 = 0x1234;
    const CWire wire{10, 0, 168, 192, 0, 255, 255, 255, 0, 0, 0, 0, 0, 0x34, 0x12, 0, 0};
    EXPECT_EQ(Feed(RequestFrame(kCmdReadNetworkSettings)), Join(kAck, WithSum(wire)));
    const CWire written{4, 3, 2, 1, 8, 7, 6, 5, 12, 11, 10, 9, 200, 0x40, 0x9C, 0x01, 0x00};
    EXPECT_EQ(Feed(Join(kAck, RequestFrame(kCmdWriteNetworkSettings))), kAck);
    EXPECT_EQ(Feed(WithSum(written)), kAck);
    EXPECT_EQ(state.network.address3, (CAddress{9, 10, 11, 12}));
    EXPECT_EQ(state.network.parameterWord1, 40000);
    EXPECT_EQ(Feed(RequestFrame(kCmdReadNetworkSettings)), Join(kAck, WithSum(written)));

    Make(kDeviceSerial);
    EXPECT_EQ(Feed(RequestFrame(kCmdReadNetworkSettings)).at(0), kKindRefusal);
    EXPECT_EQ(Feed(Join(kAck, RequestFrame(kCmdWriteNetworkSettings))).at(0), kKindRefusal);
}

TEST_F(SimEngineTest, DamagedAndUnknownRequests) {
    Make(kDeviceSerial);
    CWire damaged = kIdentify;
    damaged[7] = 0x47;
    EXPECT_EQ(Feed(damaged), (CWire{0x00, 0xFF}));
    EXPECT_EQ(Feed(RequestFrame(0x77, 9)), WithSum({0x80, 0x10, 0x77, 9, 0, 0, 0}));
    // Noise and a frame start without its mark are skipped up to the next request.
    EXPECT_EQ(Feed(Join({0x43, 0x20, 0x55}, kIdentify)).size(), 5u);
}

TEST_F(SimEngineTest, SilenceBadSumAndWrongAckFaults) {
    Make(kDeviceSerial);
    faults.silentRequests = 1;
    faults.badSums = 1;
    faults.wrongAcks = 1;
    EXPECT_EQ(Feed(RequestFrame(kCmdReadConfigByte)), CWire{});
    // Identification carries no checked sum and no acknowledgement: untouched.
    EXPECT_EQ(Feed(kIdentify), WithSum({0x40, 0x10, 0xA2, 30}));
    EXPECT_EQ(Feed(Join(kAck, RequestFrame(kCmdReadConfigByte))), (CWire{'?', '?', 1, 0, 0, 0, 2}));
    EXPECT_EQ(Feed(RequestFrame(kCmdReadConfigByte)), (CWire{0x21, 0x43, 1, 0, 0, 0, 1}));
}

TEST_F(SimEngineTest, WrongAckAbandonsTheWrite) {
    Make(kDeviceSerial);
    faults.wrongAcks = 1;
    EXPECT_EQ(Feed(RequestFrame(kCmdWriteSlotHeader)), (CWire{'?', '?'}));
    // The program retries with the request, which must not be taken as header data.
    EXPECT_EQ(Feed(RequestFrame(kCmdWriteSlotHeader)), kAck);
    EXPECT_EQ(Feed(WithSum(SampleHeader())), kAck);
}

TEST_F(SimEngineTest, DropCutsTheLineAtTheNextRequest) {
    Make(kDeviceSerial);
    faults.dropAfter = 1;
    EXPECT_EQ(Feed(kIdentify).size(), 5u);
    EXPECT_EQ(Feed(Join(kAck, kIdentify)), CWire{});
    EXPECT_EQ(line.cuts, 1);
    engine->OnNewLine();
    EXPECT_EQ(Feed(kIdentify).size(), 5u); // strikes once
}

TEST_F(SimEngineTest, QuietLineResolvesHalfInput) {
    Make(kDeviceSerial);
    // Half a request that the program gave up is dropped, not merged.
    EXPECT_EQ(Feed({0x20, 0x10, 0x18}), CWire{});
    EXPECT_TRUE(engine->WantsQuietCall());
    engine->OnQuiet();
    EXPECT_EQ(Feed(kIdentify).size(), 5u);
    // A lone '!' while "!C" is due turns out to be a mode query.
    EXPECT_EQ(Feed({'!'}), CWire{});
    engine->OnQuiet();
    EXPECT_EQ(line.out, CWire{0xC0});
    // "!C" and a query in one chunk: only the query is answered.
    Feed(kIdentify);
    EXPECT_EQ(Feed({'!', 'C', '!'}), CWire{0xC0});
}

TEST_F(SimEngineTest, NakRepeatsTheAnswer) {
    Make(kDeviceSerial);
    const CWire answer = Feed(RequestFrame(kCmdReadConfigByte));
    EXPECT_EQ(Feed({0x00, 0xFF}), answer);
    EXPECT_EQ(Feed(kAck), CWire{});
    EXPECT_EQ(Feed({'!'}), CWire{0xC0}); // the acknowledgement was taken
}

} // namespace
} // namespace qbx::sim

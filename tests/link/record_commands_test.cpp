#include "link/config_commands.h"
#include "link/slot_commands.h"
#include "tests/link/scripted_transport.h"

#include <gtest/gtest.h>

namespace qbx::test {
namespace {

// A 53-byte header as it travels.
Bytes Wire(std::uint8_t status, std::uint8_t kind, const std::string& a, const std::string& b,
           const Bytes& size, const std::string& description) {
    Bytes header(53, 0);
    header[0] = status;
    header[1] = kind;
    std::copy(a.begin(), a.end(), header.begin() + 2);
    std::copy(b.begin(), b.end(), header.begin() + 10);
    std::copy(size.begin(), size.end(), header.begin() + 18);
    std::copy(description.begin(), description.end(), header.begin() + 21);
    return header;
}

TEST(SlotCommands, ClearAndSelectCarryTheSlotAndRetry) {
    CScriptedTransport link;
    link.ExpectWrite(Request(0x39, 3)).Answer(Ack() + Bytes{9, 9}).ExpectWrite(Ack());
    EXPECT_TRUE(ClearSlot(link, 3));
    link.ExpectWrite(Request(0x40, 2)).Answer(Ack() + Bytes{0}); // one byte short
    for (int i = 0; i < 4; ++i)
        link.ExpectWrite(Request(0x40, 2)).Answer(Bytes{0x21, 0x44, 0, 0});
    EXPECT_FALSE(SelectSlot(link, 2));
}

TEST(ReadSlotHeader, FullHeaderComesBackInPcCharacters) {
    Bytes wire = Wire(1, 0x80, "QRT 2.8", "BS 1.0", {0x45, 0x23, 0x01},
                      "21\x7F"
                      "C \x80\x81\x82");
    CScriptedTransport link;
    link.ExpectWrite(Request(0x41)).Answer(Ack() + Bytes{1});
    link.Answer(Bytes(wire.begin() + 1, wire.end()) + Bytes{0xEE}).ExpectWrite(Ack());
    SlotHeader read;
    ASSERT_TRUE(ReadSlotHeader(link, read));
    EXPECT_EQ(link.readLengths, (std::vector<int>{3, 53}));
    EXPECT_EQ(read.kind, 0x80);
    EXPECT_EQ(read.textA, "QRT 2.8");
    EXPECT_EQ(read.textB, "BS 1.0");
    EXPECT_EQ(read.size, 0x012345u);
    EXPECT_EQ(read.description, "21\xB0"
                                "C \xE4\xF6\xFC");
}

TEST(ReadSlotHeader, EmptySlotReadsFourBytesAndKeepsNothingStale) {
    CScriptedTransport link;
    link.ExpectWrite(Request(0x41)).Answer(Ack() + Bytes{0}).Answer(Bytes{0}).ExpectWrite(Ack());
    SlotHeader read{1, 0x80, "old", "old", 99, "previous slot"};
    ASSERT_TRUE(ReadSlotHeader(link, read));
    EXPECT_EQ(link.readLengths, (std::vector<int>{3, 1}));
    EXPECT_EQ(read.status, 0);
    EXPECT_EQ(read.kind, 0);
    EXPECT_EQ(read.description, "");
    EXPECT_EQ(read.size, 0u);
}

TEST(ReadSlotHeader, ShortAnswerLeavesTheRecord) {
    CScriptedTransport link(true);
    link.ExpectWrite(Request(0x41)).Answer(Ack() + Bytes{1}).Answer(Bytes(20, 0));
    SlotHeader read{1, 0x81, "keep", "", 5, "keep"};
    EXPECT_FALSE(ReadSlotHeader(link, read));
    EXPECT_EQ(read.description, "keep");
    EXPECT_EQ(read.kind, 0x81);
}

TEST(WriteSlotHeader, CutsTextsConvertsOnceAndResendsTheSameBytes) {
    const SlotHeader header{1, 0x80, "ABCDEFGHIJKL", "bs", 0x012345, "Halle 21\xB0 \xC4rger"};
    Bytes wire = Wire(1, 0x80, "ABCDEFGH", "bs", {0x45, 0x23, 0x01}, "Halle 21\x7F \x80rger");
    CScriptedTransport link;
    link.ExpectWrite(Request(0x42)).Answer(Ack()).ExpectWrite(WithSum(wire)).Silence();
    link.ExpectWrite(Request(0x42)).Answer(Ack()).ExpectWrite(WithSum(wire)).Answer(Ack());
    EXPECT_TRUE(WriteSlotHeader(link, header));
    EXPECT_EQ(header.description, "Halle 21\xB0 \xC4rger");
}

TEST(WriteSlotHeader, IncompleteBlockOrRefusalFailsOverTcp) {
    CScriptedTransport incomplete(true);
    incomplete.ExpectWrite(Request(0x42)).Answer(Ack()).ExpectWrite(std::nullopt, 40);
    EXPECT_FALSE(WriteSlotHeader(incomplete, SlotHeader{}));
    CScriptedTransport refused(true);
    refused.ExpectWrite(Request(0x42)).Answer(Bytes{0x80, 0x10});
    EXPECT_FALSE(WriteSlotHeader(refused, SlotHeader{}));
}

TEST(DeviceHeader, TravelsUnconvertedWithEveryField) {
    const SlotHeader header{0, 0xA3, "fw", "bs", 0x2000, "Daten \xB0"};
    Bytes wire = Wire(0, 0xA3, "fw", "bs", {0x00, 0x20, 0x00}, "Daten \xB0");
    Bytes badSum = wire + Bytes{static_cast<std::uint8_t>(WithSum(wire).back() ^ 1)};
    CScriptedTransport link;
    link.ExpectWrite(Request(0x44)).Answer(Ack()).ExpectWrite(WithSum(wire)).Answer(Ack());
    EXPECT_TRUE(WriteDeviceHeader(link, header));
    link.ExpectWrite(Request(0x43)).Answer(Ack() + badSum).ExpectWrite(Ack());
    link.ExpectWrite(Request(0x43)).Answer(Ack() + WithSum(wire)).ExpectWrite(Ack());
    SlotHeader read;
    ASSERT_TRUE(ReadDeviceHeader(link, read));
    EXPECT_EQ(read.kind, 0xA3); // kept although the status is 0
    EXPECT_EQ(read.textB, "bs");
    EXPECT_EQ(read.size, 0x2000u);
    EXPECT_EQ(read.description, header.description);
}

TEST(WriteShortHeader, TwentyOneBytesAndSum) {
    Bytes wire = Wire(1, 0x82, "ABCDEFGH", "bs", {0x45, 0x23, 0x01}, "");
    wire.resize(21);
    CScriptedTransport link;
    link.ExpectWrite(Request(0x46)).Answer(Ack()).ExpectWrite(WithSum(wire)).Answer(Ack());
    EXPECT_TRUE(WriteShortHeader(link, SlotHeader{1, 0x82, "ABCDEFGHIJ", "bs", 0x012345, "not sent"}));
}

TEST(ConfigByte, ReadChecksTheSumAfterAcknowledging) {
    CScriptedTransport link;
    link.ExpectWrite(Request(0x31)).Answer(Ack() + WithSum({4, 1, 2, 3})).ExpectWrite(Ack());
    std::uint8_t value = 0;
    EXPECT_TRUE(ReadConfigByte(link, value));
    EXPECT_EQ(value, 4);
    CScriptedTransport tcp(true);
    tcp.ExpectWrite(Request(0x31)).Answer(Ack() + Bytes{5, 1, 2, 3, 0}).ExpectWrite(Ack());
    EXPECT_FALSE(ReadConfigByte(tcp, value));
    EXPECT_EQ(value, 4);
}

TEST(ConfigByte, WriteNeedsTheEcho) {
    CScriptedTransport link;
    link.ExpectWrite(Request(0x32, 3)).Answer(Ack() + WithSum({2, 0, 0, 0})).ExpectWrite(Ack());
    link.ExpectWrite(Request(0x32, 3)).Answer(Ack() + WithSum({3, 0, 0, 0})).ExpectWrite(Ack());
    EXPECT_TRUE(WriteConfigByte(link, 3));
}

const Bytes kNetworkWire = {10, 0, 168, 192, 0, 255, 255, 255, 254, 0, 168, 192, 7, 0x40, 0x9C, 0x34, 0x12};
const NetworkSettings kNetwork{{192, 168, 0, 10}, {255, 255, 255, 0}, {192, 168, 0, 254}, 7, 40000, 0x1234};

TEST(NetworkSettingsCommands, OctetsReversedWordsLowFirstBothWays) {
    CScriptedTransport link;
    link.ExpectWrite(Request(0x34)).Answer(Ack()).ExpectWrite(WithSum(kNetworkWire)).Answer(Ack());
    EXPECT_TRUE(WriteNetworkSettings(link, kNetwork));
    link.ExpectWrite(Request(0x33)).Answer(Ack() + WithSum(kNetworkWire)).ExpectWrite(Ack());
    NetworkSettings read;
    ASSERT_TRUE(ReadNetworkSettings(link, read));
    EXPECT_EQ(read.address1, kNetwork.address1);
    EXPECT_EQ(read.address2, kNetwork.address2);
    EXPECT_EQ(read.address3, kNetwork.address3);
    EXPECT_EQ(read.parameterByte, 7);
    EXPECT_EQ(read.parameterWord1, 40000);
    EXPECT_EQ(read.parameterWord2, 0x1234);
}

} // namespace
} // namespace qbx::test

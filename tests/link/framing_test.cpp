#include "link/framing.h"
#include "tests/link/scripted_transport.h"

#include <functional>
#include <gtest/gtest.h>

namespace qbx::test {
namespace {

using Script = std::function<void(CScriptedTransport&)>;

struct Case {
    const char* name;
    bool network;
    Script script;
    int result;
};

std::string NameOf(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

const Bytes kStart = {0x20, 0x10, 0x2F, 0x00, 0x00, 0x00, 0x00};
const Bytes kStartFrame = kStart + Bytes{0x5F};

Script SendAnswered(int times, Bytes answer) {
    return [=](CScriptedTransport& l) {
        for (int i = 0; i < times; ++i)
            l.ExpectWrite(kStartFrame).Answer(answer);
    };
}

class SendFrameTest : public ::testing::TestWithParam<Case> {};

TEST_P(SendFrameTest, Result) {
    CScriptedTransport link(GetParam().network);
    GetParam().script(link);
    EXPECT_EQ(SendFrame(link, kStart.data(), 7), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Link, SendFrameTest,
    ::testing::Values(Case{"AckedWithSum5F", false, SendAnswered(1, Ack()), 0},
                      Case{"ShortWrite", false, [](auto& l) { l.ExpectWrite(kStartFrame, 5); }, 1},
                      Case{"FailedWrite", true, [](auto& l) { l.ExpectWrite(kStartFrame, -1); }, 1},
                      Case{"OneAnswerByte", false, SendAnswered(1, {0x21}), 3},
                      Case{"Silence", false, SendAnswered(1, {}), 3},
                      Case{"NakFiveTimesOnSerial", false, SendAnswered(5, Nak()), 4},
                      Case{"NakOnceOverTcp", true, SendAnswered(1, Nak()), 4},
                      // An ack held for the frame goes out in front of it.
                      Case{"HeldAckNotWritten", false,
                           [](auto& l) {
                               l.Hold(Ack().data(), 2);
                               l.ExpectWrite(Ack(), 1);
                           },
                           5},
                      Case{"HeldAckThenShortWrite", false,
                           [](auto& l) {
                               l.Hold(Ack().data(), 2);
                               l.ExpectWrite(Ack()).ExpectWrite(kStartFrame, 5);
                           },
                           1},
                      Case{"RefusalThenAck", false,
                           [](auto& l) {
                               SendAnswered(1, {0x80, 0x10})(l);
                               SendAnswered(1, Ack())(l);
                           },
                           0}),
    NameOf);

const Bytes kBlock = {0x40, 0x10, 0xF2, 0x00, 0x00, 0x00, 0x03, 1, 2, 3};
const Bytes kGoodSum = {WithSum(kBlock).back()};
const Bytes kBadSum = {static_cast<std::uint8_t>(kGoodSum[0] + 1)};

Script BadBlocks(int times) {
    return [=](CScriptedTransport& l) {
        for (int i = 0; i < times; ++i)
            l.Answer(kBlock).Answer(kBadSum).ExpectWrite(Nak());
    };
}

class ReceiveBlockTest : public ::testing::TestWithParam<Case> {};

TEST_P(ReceiveBlockTest, Result) {
    CScriptedTransport link(GetParam().network);
    GetParam().script(link);
    Bytes buffer(kBlock.size());
    int result = ReceiveBlock(link, buffer.data(), static_cast<int>(buffer.size()));
    EXPECT_EQ(result, GetParam().result);
    if (result == kBlockReceived) {
        EXPECT_EQ(Hex(buffer), Hex(kBlock));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Link, ReceiveBlockTest,
    ::testing::Values(Case{"GoodBlockAcked", false,
                           [](auto& l) { l.Answer(kBlock).Answer(kGoodSum).ExpectWrite(Ack()); }, 0},
                      Case{"ShortBlock", false,
                           [](auto& l) {
                               l.Answer(Bytes{0x40, 0x10});
                           },
                           1},
                      Case{"NoSumByte", false, [](auto& l) { l.Answer(kBlock).Silence(); }, 2},
                      Case{"AckNotWritten", false,
                           [](auto& l) { l.Answer(kBlock).Answer(kGoodSum).ExpectWrite(Ack(), 1); }, 3},
                      Case{"NakNotWritten", false,
                           [](auto& l) { l.Answer(kBlock).Answer(kBadSum).ExpectWrite(Nak(), -1); }, 3},
                      // A held ack is written before the read waits for the device.
                      Case{"HeldAckBeforeTheRead", false,
                           [](auto& l) {
                               l.Hold(Ack().data(), 2);
                               l.ExpectWrite(Ack()).Answer(kBlock).Answer(kGoodSum).ExpectWrite(Ack());
                           },
                           0},
                      Case{"HeldAckNotWrittenBeforeTheRead", false,
                           [](auto& l) {
                               l.Hold(Ack().data(), 2);
                               l.ExpectWrite(Ack(), -1);
                           },
                           3},
                      Case{"BadSumOneNakOverTcp", true, BadBlocks(1), 4},
                      Case{"BadSumFiveNaksOnSerial", false, BadBlocks(5), 4},
                      Case{"BadThenGood", false,
                           [](auto& l) {
                               BadBlocks(1)(l);
                               l.Answer(kBlock).Answer(kGoodSum).ExpectWrite(Ack());
                           },
                           0}),
    NameOf);

} // namespace
} // namespace qbx::test

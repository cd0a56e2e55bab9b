#include "link/identification.h"
#include "link/mode_commands.h"
#include "tests/link/scripted_transport.h"

#include <gtest/gtest.h>

namespace qbx::test {
namespace {

const Bytes kIdentify = {0x20, 0x10, 0x18, 0x00, 0x00, 0x00, 0x00, 0x48};

Bytes IdAnswer(std::uint8_t type, std::uint8_t version) {
    return {0x21, 0x43, type, version, 0x00};
}

TEST(NormaliseId, SerialKindsAndVersionZeroJoinTheSerialFamily) {
    struct {
        std::uint8_t type, version, family;
    } cases[] = {{0xA2, 26, 0xA2}, {0xA3, 128, 0xA3}, {0xA8, 30, 0xA2}, {0xD1, 12, 0xA2},
                 {0x17, 0, 0xA2},  {0x17, 5, 0x17},   {0xA3, 0, 0xA3}};
    for (auto c : cases) {
        BootloaderId id = NormaliseId(c.type, c.version);
        EXPECT_EQ(id.family, c.family) << int(c.type) << "/" << int(c.version);
        EXPECT_EQ(id.rawType, c.type);
        EXPECT_EQ(id.version, c.version);
    }
}

TEST(IdentifyBootloader, AcknowledgesPausesAndFills) {
    CScriptedTransport link;
    link.ExpectWrite(kIdentify).Answer(IdAnswer(0xA8, 30)).ExpectWrite(Ack());
    BootloaderId id;
    ASSERT_TRUE(IdentifyBootloader(link, id));
    EXPECT_EQ(id.family, 0xA2);
    EXPECT_EQ(id.rawType, 0xA8);
    EXPECT_EQ(link.pauses, std::vector<int>{50});
}

TEST(IdentifyBootloader, FragmentsAreAckedButFailEveryAttempt) {
    for (bool network : {true, false}) {
        CScriptedTransport link(network);
        int attempts = network ? 1 : 5;
        for (int i = 0; i < attempts - 1; ++i)
            link.ExpectWrite(kIdentify).Answer(Bytes{0x21}).ExpectWrite(Ack());
        link.ExpectWrite(kIdentify).Silence(); // nothing came: nothing to acknowledge
        BootloaderId id{1, 2, 3};
        EXPECT_FALSE(IdentifyBootloader(link, id));
        EXPECT_EQ(id.family, 1);
        EXPECT_EQ(link.pauses.size(), static_cast<size_t>(attempts - 1));
    }
}

TEST(CheckBootloader, AcceptsOnlyKnownFamiliesFromTheirMinimumVersion) {
    struct {
        std::uint8_t type, version;
        int result, reason;
    } cases[] = {{0xA2, 26, kCheckSupported, kRefusedNone},
                 {0xA3, 128, kCheckSupported, kRefusedNone},
                 {0xA2, 25, kCheckUnsupported, kRefusedVersion},
                 {0xA3, 127, kCheckUnsupported, kRefusedVersion},
                 {0xA8, 30, kCheckUnsupported, kRefusedType}};
    for (const auto& c : cases) {
        CScriptedTransport link;
        link.ExpectWrite(kIdentify).Answer(IdAnswer(c.type, c.version)).ExpectWrite(Ack());
        BootloaderRefusal refusal;
        EXPECT_EQ(CheckBootloader(link, refusal), c.result) << int(c.type) << "/" << int(c.version);
        EXPECT_EQ(refusal.reason, c.reason);
        if (c.result != kCheckSupported) {
            EXPECT_EQ(refusal.type, c.type);
            EXPECT_EQ(refusal.version, c.version);
        }
        EXPECT_TRUE(link.pauses.empty());
    }
}

TEST(CheckBootloader, OnlyTheLastAttemptCounts) {
    CScriptedTransport link;
    link.ExpectWrite(kIdentify).Silence();
    link.ExpectWrite(kIdentify).Answer(IdAnswer(0xA2, 30)).ExpectWrite(Ack());
    BootloaderRefusal refusal;
    EXPECT_EQ(CheckBootloader(link, refusal), kCheckSupported);

    CScriptedTransport silent;
    for (int i = 0; i < 5; ++i)
        silent.ExpectWrite(kIdentify).Answer(Bytes{0x21, 0x43, 0xA2});
    EXPECT_EQ(CheckBootloader(silent, refusal), kCheckNoAnswer);
}

TEST(ProbeBootloader, OneAttemptWithEchoDetection) {
    BootloaderId id{1, 2, 3};
    CScriptedTransport loopback; // a plug that sends the request straight back
    loopback.ExpectWrite(kIdentify).Answer(Bytes(kIdentify.begin(), kIdentify.begin() + 5));
    EXPECT_EQ(ProbeBootloader(loopback, id), kProbeAnswered);
    EXPECT_EQ(id.family + id.rawType + id.version, 0);

    CScriptedTransport fragment;
    fragment.ExpectWrite(kIdentify).Answer(Bytes{0x21, 0x43, 0xA2});
    id = {1, 2, 3};
    EXPECT_EQ(ProbeBootloader(fragment, id), kProbeNoAnswer);
    EXPECT_EQ(id.rawType, 0);

    CScriptedTransport device;
    device.ExpectWrite(kIdentify).Answer(IdAnswer(0xD1, 40)).ExpectWrite(Ack());
    EXPECT_EQ(ProbeBootloader(device, id), kProbeAnswered);
    EXPECT_EQ(id.family, 0xA2);
    EXPECT_EQ(id.rawType, 0xD1);
    EXPECT_EQ(device.pauses, std::vector<int>{50});
}

TEST(QueryMode, AnswerOrZero) {
    CScriptedTransport link;
    link.ExpectWrite(Bytes{0x21}).Silence().ExpectWrite(Bytes{0x21}).Answer(Bytes{0xC0});
    std::uint8_t mode = 7;
    EXPECT_EQ(QueryMode(link, mode), kModeAnswered);
    EXPECT_EQ(mode, 0xC0);
    CScriptedTransport silent(true);
    silent.ExpectWrite(Bytes{0x21}).Silence();
    EXPECT_EQ(QueryMode(silent, mode), kModeNoAnswer);
    EXPECT_EQ(mode, 0);
}

TEST(SwitchMode, AttemptsPauseAndVerdict) {
    struct {
        bool network;
        std::vector<Bytes> answers; // one per attempt
        int result;
    } cases[] = {{false, std::vector<Bytes>(5, {0xC0}), kSwitchDone},
                 {false, {{0x22}}, kSwitchRefused},
                 {false, std::vector<Bytes>(5, {0x80}), kSwitchRefused},
                 {false, {{0xC0}, {0xC0}, {0xC0}, {0xC0}, {}}, kSwitchNoAnswer},
                 {true, {{0xC0}}, kSwitchDone},
                 {true, {{}}, kSwitchNoAnswer}};
    for (const auto& c : cases) {
        CScriptedTransport link(c.network);
        for (const Bytes& answer : c.answers)
            link.ExpectWrite(Bytes{0x22, 0xC0}).Answer(answer);
        EXPECT_EQ(SwitchMode(link), c.result) << c.answers.size() << " attempts";
        EXPECT_EQ(link.pauses, std::vector<int>{2000});
    }
}

} // namespace
} // namespace qbx::test

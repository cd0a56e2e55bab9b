#include <gtest/gtest.h>

#include "sim/adapter_hold.h"
#include "sim/device_text.h"
#include "sim/line_pacer.h"
#include "sim/sim_options.h"
#include "sim/slot_seed.h"

namespace qbx::sim {
namespace {

TEST(SimLinePacer, ThousandBytesAt9600TakeOverASecond) {
    CLinePacer pacer(9600);
    const std::int64_t start = pacer.Reserve(1000, 5000);
    EXPECT_EQ(start, 5000);
    EXPECT_EQ(pacer.DoneAt(start, 999) - start, 1041667); // 10000 bits at 9600 baud, rounded up
    EXPECT_EQ(pacer.DoneAt(start, 0) - start, 1042);
    EXPECT_EQ(pacer.DoneBy(start, start + 1041, 1000), 0u);
    EXPECT_EQ(pacer.DoneBy(start, pacer.DoneAt(start, 499), 1000), 500u);
    EXPECT_EQ(pacer.DoneBy(start, start + 5000000, 1000), 1000u);
    // A reply handed over while the line is busy waits for it.
    EXPECT_EQ(pacer.Reserve(1, start + 10), start + 1041667);
    EXPECT_EQ(pacer.Reserve(1, start + 9000000), start + 9000000);
}

TEST(SimLinePacer, NoBaudNoPacing) {
    CLinePacer pacer;
    EXPECT_EQ(pacer.Reserve(1000, 77), 77);
    EXPECT_EQ(pacer.DoneAt(77, 999), 77);
    EXPECT_EQ(pacer.DoneBy(77, 77, 1000), 1000u);
}

// Bytes that come off the wire every `spacingUs` from `firstUs` on, `count`
// of them, then those of `more` groups after it.
struct Arrivals {
    std::int64_t firstUs;
    std::int64_t spacingUs;
    int count;
};

struct HoldCase {
    const char* name;
    int latencyMs;
    std::vector<Arrivals> arrivals;
    std::vector<std::pair<std::size_t, std::int64_t>> releases; // count, time; the last one from Drain
};

TEST(SimAdapterHold, LetsGoWhenTheTimerRunsOutOrAPacketIsFull) {
    const HoldCase cases[] = {
        {"a short reply waits for the timer", 16, {{1000, 87, 8}}, {{8, 17000}}},
        {"a byte as the timer runs out starts the next hold",
         1,
         {{100, 100, 25}},
         {{10, 1100}, {10, 2100}, {5, 3100}}},
        {"a full packet leaves at once", 16, {{0, 87, 100}}, {{62, 61 * 87}, {38, 62 * 87 + 16000}}},
        {"replies far apart each wait", 16, {{0, 0, 2}, {20000, 0, 1}}, {{2, 16000}, {1, 36000}}},
        {"a reply just inside the timer stays held", 16, {{0, 0, 1}, {15999, 0, 1}}, {{2, 16000}}},
        {"no timer: each byte as it comes", 0, {{5, 10, 3}}, {{1, 5}, {1, 15}, {1, 25}}},
    };
    for (const HoldCase& c : cases) {
        CAdapterHold hold(c.latencyMs);
        std::vector<std::pair<std::size_t, std::int64_t>> released;
        std::size_t taken = 0;
        for (const Arrivals& group : c.arrivals) {
            for (int i = 0; i < group.count; ++i, ++taken) {
                CAdapterHold::Release r = hold.Take(group.firstUs + i * group.spacingUs);
                if (r.count > 0) released.emplace_back(r.count, r.atUs);
            }
        }
        CAdapterHold::Release rest = hold.Drain();
        if (rest.count > 0) released.emplace_back(rest.count, rest.atUs);
        EXPECT_EQ(released, c.releases) << c.name;
        std::size_t total = 0;
        for (const auto& r : released)
            total += r.first;
        EXPECT_EQ(total, taken) << c.name << ": every byte leaves once";
        EXPECT_EQ(hold.Held(), 0u) << c.name;
    }
}

TEST(SimSlotSeed, ParsesNumberTextAndSize) {
    struct {
        const char* text;
        bool ok;
        int number;
        const char* description;
        std::uint32_t size;
    } const cases[] = {
        {"2=Boiler:100", true, 2, "Boiler", 100},
        {"7=Time 12:30:64", true, 7, "Time 12:30", 64},
        {"5=Pump: on", true, 5, "Pump: on", kDefaultSeedSize},
        {"1=Hall:0x8400", true, 1, "Hall", 0x8400},
        {"3=", true, 3, "", kDefaultSeedSize},
        {"0=x", false, 0, "", 0},
        {"8=x", false, 0, "", 0},
        {"x", false, 0, "", 0},
        {"1=x:16777216", true, 1, "x:16777216", kDefaultSeedSize}, // too big for a size: part of the text
    };
    for (const auto& c : cases) {
        CSlotSeed seed;
        ASSERT_EQ(ParseSlotSeed(c.text, seed), c.ok) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(seed.number, c.number) << c.text;
        EXPECT_EQ(seed.description, c.description) << c.text;
        EXPECT_EQ(seed.size, c.size) << c.text;
    }
}

TEST(SimSlotSeed, DescriptionInTheDeviceCharacterSet) {
    CDeviceState state;
    SeedSlot(state, {3,
                     "\xC3\x84u\xC3\x9F"
                     "en 20\xC2\xB0 \xE2\x82\xAC"
                     "0123456789012345678901234567890",
                     4});
    const CDescriptionField& d = state.Slot(3).header.description;
    // Capital umlaut becomes small; sharp s and the euro sign have no device character.
    const CBytes expected{128, 'u', ' ', 'e', 'n', ' ', '2', '0', 127, ' ', ' ', '0', '1'};
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), d.begin()));
    EXPECT_EQ(d.back(), '0' + (31 - 11) % 10); // cut at 32 characters
    EXPECT_EQ(state.Slot(3).header.status, 1);
    EXPECT_EQ(state.Slot(3).data.size(), 4u);
}

TEST(SimOptions, DefaultsAndConflicts) {
    CSimOptions options;
    std::string error;
    ASSERT_EQ(
        ParseSimOptions({"--kind", "a3", "--tcp=0", "--ident", "17:0", "--bad-sum", "2"}, options, error),
        kOptionsOk)
        << error;
    EXPECT_EQ(options.profile.kind, kDeviceLinkbox);
    EXPECT_EQ(options.profile.version, 130);
    EXPECT_EQ(options.faults.identity->type, 0x17);
    EXPECT_EQ(options.faults.badSums, 2);
    EXPECT_FALSE(options.held);
    CSimOptions held;
    ASSERT_EQ(ParseSimOptions({"--pty", "--held", "--latency", "16"}, held, error), kOptionsOk) << error;
    EXPECT_TRUE(held.held);
    EXPECT_EQ(held.latencyMs, 16);
    EXPECT_EQ(options.latencyMs, 0);

    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--tcp", "0", "--pty"},
        {"--tcp", "0", "--link", "/tmp/x"},
        {"--pty", "--kind", "A5"},
        {"--tcp", "65536"},
        {"--tcp"},
        {"--pty", "--baud", "0"},
        {"--pty", "--latency", "256"},
        {"--pty", "--echo=1"},
        {"--tcp", "0", "--held"}, // only a port can be held
        {"--pty", "--frobnicate"},
    };
    for (const auto& args : bad) {
        CSimOptions o;
        EXPECT_EQ(ParseSimOptions(args, o, error), kOptionsBad) << (args.empty() ? "" : args.back());
    }
}

TEST(SimOptions, DataPhaseFaults) {
    CSimOptions options;
    std::string error;
    ASSERT_EQ(ParseSimOptions({"--pty", "--busy", "3", "--busy", "2@4", "--busy=1@4", "--device-error",
                               "0x14@3", "--refuse-data", "--block", "255"},
                              options, error),
              kOptionsOk)
        << error;
    EXPECT_EQ(options.faults.busyBefore, (std::map<int, int>{{1, 3}, {4, 3}}));
    ASSERT_TRUE(options.faults.deviceError);
    EXPECT_EQ(options.faults.deviceError->code, 20);
    EXPECT_EQ(options.faults.deviceError->block, 3);
    EXPECT_TRUE(options.faults.refuseData);
    EXPECT_EQ(options.profile.uploadBlock, 255);
    ASSERT_EQ(ParseSimOptions({"--pty", "--device-error", "51"}, options, error), kOptionsOk);
    EXPECT_EQ(options.faults.deviceError->block, 1);

    for (const char* bad : {"--block=0", "--block=256", "--busy=1@0", "--busy=x", "--device-error=256",
                            "--device-error=1@", "--refuse-data=1"}) {
        CSimOptions o;
        EXPECT_EQ(ParseSimOptions({"--pty", bad}, o, error), kOptionsBad) << bad;
    }
}

TEST(SimOptions, RequestAndReplyFaults) {
    CSimOptions options;
    std::string error;
    ASSERT_EQ(ParseSimOptions({"--tcp",
                               "0",
                               "--extra-request",
                               "2=0x8000",
                               "--extra-request=5=16:3",
                               "--descending",
                               "--bad-end-sum",
                               "2",
                               "--nak-end=1",
                               "--wrong-config-echo",
                               "3",
                               "--short-reply",
                               "40:3:5",
                               "--split-reply",
                               "0x41:23",
                               "--surplus",
                               "18:3:2",
                               "--flip-stored",
                               "0x1F3",
                               "--flip-stored-header",
                               "52",
                               "--cut-after-store"},
                              options, error),
              kOptionsOk)
        << error;
    const CFaultPlan& f = options.faults;
    ASSERT_EQ(f.extraRequests.size(), 2u);
    EXPECT_EQ(f.extraRequests.at(2).address, 0x8000u);
    EXPECT_EQ(f.extraRequests.at(2).count, 0); // the block size
    EXPECT_EQ(f.extraRequests.at(5).address, 16u);
    EXPECT_EQ(f.extraRequests.at(5).count, 3);
    EXPECT_TRUE(f.descending);
    EXPECT_EQ(f.badEndSums, 2);
    EXPECT_EQ(f.nakEnds, 1);
    EXPECT_EQ(f.wrongConfigEchoes, 3);
    EXPECT_EQ(f.shortReplies.at(0x40).bytes, 3u);
    EXPECT_EQ(f.shortReplies.at(0x40).times, 5);
    EXPECT_EQ(f.splitReplies.at(0x41).bytes, 23u);
    EXPECT_EQ(f.splitReplies.at(0x41).times, 1);
    EXPECT_EQ(f.surplusReplies.at(0x18).times, 2);
    EXPECT_EQ(f.flipStored, 0x1F3u);
    EXPECT_EQ(f.flipStoredHeader, 52u);
    EXPECT_TRUE(f.cutAfterStore);

    for (const char* bad :
         {"--extra-request=0=16", "--extra-request=1", "--extra-request=1=0x1000000", "--extra-request=1=0:0",
          "--extra-request=1=0:256", "--short-reply=40", "--short-reply=4G:3", "--split-reply=41:3:0",
          "--surplus=18:1001", "--descending=1", "--nak-end=x", "--flip-stored=x", "--flip-stored=0x100000",
          "--flip-stored-header=53", "--cut-after-store=1"}) {
        CSimOptions o;
        EXPECT_EQ(ParseSimOptions({"--pty", bad}, o, error), kOptionsBad) << bad;
    }
}

} // namespace
} // namespace qbx::sim

namespace qbx::sim {
namespace {

TEST(SimOptions, BootloaderSettingsSeedsAndTheLandingMode) {
    CSimOptions options;
    std::string error;
    ASSERT_EQ(ParseSimOptions({"--tcp=0", "--config", "7", "--network=10.0.0.2 255.0.0.0 10.0.0.1 5 65535 2",
                               "--switch-lands", "3F"},
                              options, error),
              kOptionsOk)
        << error;
    EXPECT_EQ(options.configByte, 7);
    ASSERT_TRUE(options.network);
    EXPECT_EQ(options.network->address1, (CAddress{10, 0, 0, 2}));
    EXPECT_EQ(options.network->address3, (CAddress{10, 0, 0, 1}));
    EXPECT_EQ(options.network->parameterByte, 5);
    EXPECT_EQ(options.network->parameterWord1, 65535);
    EXPECT_EQ(options.faults.switchLands, 0x3F);
    for (const char* bad :
         {"--config=256", "--config=-1", "--network=1.2.3.4", "--network=1.2.3.4 0.0.0.0 0.0.0.0 256 0 0",
          "--network=1.2.3.4 0.0.0.0 0.0.0.0 0 65536 0", "--network=1.2.3.4 0.0.0.0 0.0.0.0 1x 0 0",
          "--switch-lands=1C0"}) {
        CSimOptions o;
        EXPECT_EQ(ParseSimOptions({"--pty", bad}, o, error), kOptionsBad) << bad;
    }
}

} // namespace
} // namespace qbx::sim

// The update data phase over a scripted link: the bytes of every answer kind
// on the wire, and the message of every way the phase fails, for the OS
// update's two blocks of numbers and for the firmware update.
#include "operations/firmware_update_messages.h"
#include "operations/image_phase.h"
#include "operations/os_update_messages.h"
#include "recording_host.h"
#include "tests/formats/hex_builder.h"
#include "tests/formats/text_source.h"
#include "transfer_script.h"

namespace qbx {
namespace {

using namespace test;

const Bytes kStart = {0x20, 0x10, 0x1F, 0, 0, 0, 0};
const Bytes kEnd = {0x60, 0x10, 0x1F, 0, 0, 0, 0};
const Bytes kRequest100 = {0x20, 0x10, 0x1F, 0x00, 0x01, 0x00, 0x40};
const Bytes kAnswer100 = {0x40, 0x10, 0x1F, 0x00, 0x01, 0x00, 0x40};

// Data from 0x100 to 0x17F, nothing until 0x300, then 0x300 to 0x33F and
// 0x3C0 to 0x3FF.
const std::vector<std::uint8_t> kImage = hexfile::Pattern(0x400, 7);
std::string HoleFile() {
    return "BRAVOLT_PROGRAM_FILE 400\n" + hexfile::DataRecords(kImage, 0x100, 0x180) +
           hexfile::DataRecords(kImage, 0x300, 0x340) + hexfile::DataRecords(kImage, 0x3C0, 0x400) +
           hexfile::End();
}

Bytes ImageAt(std::uint32_t address, std::uint32_t count) {
    return Bytes(kImage.begin() + address, kImage.begin() + address + count);
}

Bytes Req(std::uint8_t kind, std::uint8_t code, std::uint32_t address, std::uint8_t count) {
    return {kind,
            0x10,
            code,
            static_cast<std::uint8_t>(address),
            static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address >> 16),
            count};
}

bool Serve(CScriptedTransport& link, CRecordingHost& host, const std::string& file,
           const ImagePhaseMessages& messages = os_update::kSingleImage.phase, std::uint32_t total = 0x400,
           int digits = 5) {
    TextSource source(file);
    CRecordCursor cursor(source.Stream());
    cursor.BeginPhase(kSingleImagePhase);
    return ServeImagePhase(link, host, cursor, 0x1F, {0, total, digits}, messages);
}

TEST(ImagePhase, DataNoDataAndGapAnswersOnTheWire) {
    CScriptedTransport link(true);
    Sent(link, kStart);
    Received(link, {0x00, 0x10, 0, 0, 0, 0, 0}); // busy frames, any number of them
    Received(link, {0x00, 0x10, 0, 0, 0, 0, 0});
    Received(link, {0x00, 0x10, 0, 0, 0, 0, 0});
    Received(link, kRequest100);
    Sent(link, kAnswer100);
    Sent(link, ImageAt(0x100, 0x40));
    Received(link, Req(0x20, 0x1F, 0x140, 0x40)); // the rest of the data
    Sent(link, Req(0x40, 0x1F, 0x140, 0x40));
    Sent(link, ImageAt(0x140, 0x40));
    // The next record lies after this block: it is read and kept.
    Received(link, Req(0x20, 0x1F, 0x180, 0x40));
    Sent(link, Req(0x40, 0x5A, 0x180, 0x40));
    // The kept record still lies after the block: 64 bytes of 0xFF.
    Received(link, Req(0x20, 0x1F, 0x200, 0x40));
    Sent(link, Req(0x40, 0x1F, 0x200, 0x40));
    Sent(link, Bytes(0x40, 0xFF));
    // A block that starts inside the data and ends in erased memory.
    Received(link, Req(0x20, 0x1F, 0x320, 0x40));
    Sent(link, Req(0x40, 0x1F, 0x320, 0x40));
    Sent(link, ImageAt(0x320, 0x20) + Bytes(0x20, 0xFF));
    Received(link, kEnd);
    CRecordingHost host;
    EXPECT_TRUE(Serve(link, host, HoleFile()));
    EXPECT_TRUE(host.shown.empty()) << host.Numbers();
    EXPECT_EQ(host.pumps, 5);
    EXPECT_EQ(host.progressTexts, (std::vector<std::string>{"00100 / 00400", "00140 / 00400", "00180 / 00400",
                                                            "00200 / 00400", "00320 / 00400"}));
    EXPECT_EQ(host.positions, (std::vector<std::uint32_t>{25, 31, 37, 50, 78}));
    EXPECT_FALSE(host.waitCursor);
}

TEST(ImagePhase, ProgressTotalOfZeroKeepsTheBarAtZero) {
    CScriptedTransport link(true);
    Sent(link, kStart);
    Received(link, kRequest100);
    Sent(link, kAnswer100);
    Sent(link, ImageAt(0x100, 0x40));
    Received(link, kEnd);
    CRecordingHost host;
    EXPECT_TRUE(Serve(link, host, HoleFile(), os_update::kSingleImage.phase, 0, 4));
    EXPECT_EQ(host.positions, (std::vector<std::uint32_t>{0}));
    EXPECT_EQ(host.progressTexts, (std::vector<std::string>{"0100 / 0000"}));
}

struct FailureCase {
    std::string name;
    std::function<void(CScriptedTransport&)> script;
    int single, twoImage, firmware; // the message of each table
    std::string text = {};
};

std::vector<FailureCase> Failures() {
    std::vector<FailureCase> cases;
    auto started = [](CScriptedTransport& l) { Sent(l, kStart); };
    auto asked = [=](const Bytes& request) {
        return [=](CScriptedTransport& l) {
            started(l);
            Received(l, request);
        };
    };
    const Bytes gapRequest = Req(0x20, 0x1F, 0x200, 0x40);
    auto afterNoData = [=](CScriptedTransport& l) {
        asked(Req(0x20, 0x1F, 0x180, 0x40))(l);
        Sent(l, Req(0x40, 0x5A, 0x180, 0x40));
        Received(l, gapRequest);
    };
    const int sendOffsets[] = {0, 2, 3};
    for (int i = 0; i < 3; ++i) {
        auto [what, fail] = SendFailures()[static_cast<std::size_t>(i)];
        const int o = sendOffsets[i];
        cases.push_back(
            {"start " + what, [=](CScriptedTransport& l) { fail(l, kStart); }, 17 + o, 73 + o, 8 + o});
        cases.push_back({"gap header " + what,
                         [=](CScriptedTransport& l) {
                             afterNoData(l);
                             fail(l, Req(0x40, 0x1F, 0x200, 0x40));
                         },
                         37 + o, 93 + o, 19 + o});
        cases.push_back({"gap data " + what,
                         [=](CScriptedTransport& l) {
                             afterNoData(l);
                             Sent(l, Req(0x40, 0x1F, 0x200, 0x40));
                             fail(l, Bytes(0x40, 0xFF));
                         },
                         41 + o, 97 + o, 23 + o});
        cases.push_back({"answer header " + what,
                         [=](CScriptedTransport& l) {
                             asked(kRequest100)(l);
                             fail(l, kAnswer100);
                         },
                         45 + o, 101 + o, 27 + o});
        cases.push_back({"answer data " + what,
                         [=](CScriptedTransport& l) {
                             asked(kRequest100)(l);
                             Sent(l, kAnswer100);
                             fail(l, ImageAt(0x100, 0x40));
                         },
                         49 + o, 105 + o, 31 + o});
        cases.push_back({"no-data answer " + what,
                         [=](CScriptedTransport& l) {
                             asked(Req(0x20, 0x1F, 0x180, 0x40))(l);
                             fail(l, Req(0x40, 0x5A, 0x180, 0x40));
                         },
                         53 + o, 109 + o, 35 + o});
    }
    for (int i = 0; i < 4; ++i) {
        auto [what, fail] = ReceiveFailures()[static_cast<std::size_t>(i)];
        cases.push_back({"device frame " + what,
                         [=](CScriptedTransport& l) {
                             started(l);
                             fail(l, kRequest100);
                         },
                         21 + i, 77 + i, 12 + i});
    }
    const std::uint8_t codes[] = {0, 1, 20, 21, 22, 30, 31, 32, 50, 51};
    for (int i = 0; i < 10; ++i) {
        const std::uint8_t code = codes[i];
        cases.push_back({"device error " + std::to_string(code), asked({0xA0, 0x10, code, 0, 0, 0, 0}),
                         25 + i, 81 + i, 17});
    }
    cases.push_back({"device error 60", asked({0xA0, 0x10, 60, 0, 0, 0, 0}), 35, 91, 16});
    cases.push_back({"device error 255", asked({0xA0, 0x10, 255, 0, 0, 0, 0}), 35, 91, 17, "[11023]"});
    const struct {
        std::string what;
        Bytes body;
        std::string text;
    } unexpected[] = {
        {"refusal", {0x80, 0x10, 0x1F, 0, 0, 0, 0}, "[11024]"},
        {"request of another phase", Req(0x20, 0x1E, 0x100, 0x40), "[11024]"},
        {"end frame with a wrong marker", {0x60, 0x11, 0x1F, 0, 0, 0, 0}, "[11024]"},
        // What the records cannot answer ends the phase instead of guessing,
        // and the text names the file where it is the cause.
        {"request of more than 64 bytes", Req(0x20, 0x1F, 0x100, 0x41), "[11944] 65"},
        {"request of no bytes", Req(0x20, 0x1F, 0x100, 0x00), "[11944] 0"},
        {"request past the last record", Req(0x20, 0x1F, 0x400, 0x40), "[11942] 1024"},
        {"record reaching beyond the block", Req(0x20, 0x1F, 0x108, 0x10), "[11943] 256 264"},
    };
    for (const auto& u : unexpected)
        cases.push_back({u.what, asked(u.body), 36, 92, 18, u.text});
    return cases;
}

TEST(ImagePhase, EachFailureShowsItsOwnMessageInEachTable) {
    const std::pair<const char*, const ImagePhaseMessages*> tables[] = {
        {"single image", &os_update::kSingleImage.phase},
        {"two images", &os_update::kTwoImage.phase},
        {"firmware", &firmware_update::kPhase}};
    for (int t = 0; t < 3; ++t) {
        for (const FailureCase& c : Failures()) {
            SCOPED_TRACE(std::string(tables[t].first) + ": " + c.name);
            CScriptedTransport link(true);
            c.script(link);
            CRecordingHost host{t == 2 ? firmware_update::kGroup : os_update::kGroup};
            EXPECT_FALSE(Serve(link, host, HoleFile(), *tables[t].second));
            ASSERT_EQ(host.shown.size(), 1u);
            EXPECT_EQ(host.shown[0].number, t == 0 ? c.single : t == 1 ? c.twoImage : c.firmware);
            if (!c.text.empty()) {
                EXPECT_EQ(host.shown[0].text, c.text);
            }
            EXPECT_FALSE(host.waitCursor);
        }
    }
}

TEST(ImagePhase, FirmwareShowsTheCodeOnlyForCode60) {
    for (auto [code, text] :
         {std::pair<std::uint8_t, std::string>{60, "[11022] 60"}, {0, "[11023]"}, {51, "[11023]"}}) {
        CScriptedTransport link(true);
        Sent(link, kStart);
        Received(link, {0xA0, 0x10, code, 0, 0, 0, 0});
        CRecordingHost host{firmware_update::kGroup};
        EXPECT_FALSE(Serve(link, host, HoleFile(), firmware_update::kPhase));
        ASSERT_EQ(host.shown.size(), 1u);
        EXPECT_EQ(host.shown[0].text, text);
    }
}

} // namespace
} // namespace qbx

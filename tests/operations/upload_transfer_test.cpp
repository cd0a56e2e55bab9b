// The upload's data phase byte by byte, and the message of every way it fails.
#include "operations/upload_transfer.h"
#include "operations/upload_transfer_messages.h"
#include "recording_host.h"
#include "transfer_script.h"

namespace qbx {
namespace {

using namespace test;

const Bytes kStart = {0x20, 0x10, 0x2F, 0, 0, 0, 0};
const Bytes kEndFrame = {0x60, 0x10, 0x2F, 0, 0, 0, 0};
const Bytes kRequest100 = {0x20, 0x10, 0x2F, 0x00, 0x01, 0x00, 0x40}; // 0x40 bytes from 0x100
const Bytes kAnswer100 = {0x40, 0x10, 0x2F, 0x00, 0x01, 0x00, 0x40};

TEST(UploadData, AnswersEachRequestWithTheImageBytesAndTheirSum) {
    FunctionDataImage image = PatternImage(0x200);
    CScriptedTransport link(true);
    Sent(link, kStart);
    Received(link, kRequest100);
    Sent(link, kAnswer100);
    Sent(link, ImageBytes(image, 0x100, 0x40));
    Received(link, {0x20, 0x10, 0x2F, 0xF0, 0x01, 0x00, 0x10}); // the last 16 bytes
    Sent(link, {0x40, 0x10, 0x2F, 0xF0, 0x01, 0x00, 0x10});
    Sent(link, ImageBytes(image, 0x1F0, 0x10));
    Received(link, kEndFrame);
    CRecordingHost host{upload_transfer::kGroup};
    EXPECT_TRUE(ServeUploadData(link, host, image));

    // The request's "!C" and the answer header in one write.
    EXPECT_EQ(Hex(link.writes[1]), Hex(Ack() + WithSum(kAnswer100)));
    EXPECT_EQ(link.writes[2].size(), 65u); // the bytes and one sum byte
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ(host.pumps, 2);
    EXPECT_EQ(host.positions, (std::vector<std::uint32_t>{0x100, 0x1F0, 0x200}));
    EXPECT_EQ(host.progressTexts, (std::vector<std::string>{"0100 / 0200", "01F0 / 0200", "0200 / 0200"}));
    EXPECT_EQ(host.statuses, (std::vector<int>{11504, 11504, 11506}));
    EXPECT_FALSE(host.waitCursor);
}

struct FailureCase {
    std::string name;
    std::function<void(CScriptedTransport&)> script;
    int message;
    std::string text;
};

std::vector<FailureCase> UploadFailures() {
    std::vector<FailureCase> cases;
    auto started = [](CScriptedTransport& l) { Sent(l, kStart); };
    auto requested = [=](CScriptedTransport& l) {
        started(l);
        Received(l, kRequest100);
    };
    const int sendNumbers[] = {0, 2, 3};
    for (int i = 0; i < 3; ++i) {
        auto [what, fail] = SendFailures()[static_cast<size_t>(i)];
        cases.push_back(
            {"start " + what, [fail](CScriptedTransport& l) { fail(l, kStart); }, 18 + sendNumbers[i], ""});
        cases.push_back({"answer header " + what,
                         [=](CScriptedTransport& l) {
                             requested(l);
                             fail(l, kAnswer100);
                         },
                         38 + sendNumbers[i], ""});
        cases.push_back({"answer data " + what,
                         [=](CScriptedTransport& l) {
                             requested(l);
                             Sent(l, kAnswer100);
                             fail(l, ImageBytes(PatternImage(0x200), 0x100, 0x40));
                         },
                         42 + sendNumbers[i], ""});
    }
    for (int i = 0; i < 4; ++i) {
        auto [what, fail] = ReceiveFailures()[static_cast<size_t>(i)];
        cases.push_back({"device frame " + what,
                         [=](CScriptedTransport& l) {
                             started(l);
                             fail(l, kRequest100);
                         },
                         22 + i, ""});
    }
    const std::uint8_t codes[] = {0, 1, 20, 21, 22, 30, 31, 32, 50, 51};
    for (int i = 0; i < 10; ++i) {
        std::uint8_t code = codes[i];
        cases.push_back({"device error " + std::to_string(code),
                         [=](CScriptedTransport& l) {
                             started(l);
                             Received(l, {0xA0, 0x10, code, 0, 0, 0, 0});
                         },
                         26 + i, "[11022] " + std::to_string(code)});
    }
    for (std::uint8_t code : {2, 19, 52, 255}) {
        cases.push_back({"other device error " + std::to_string(code),
                         [=](CScriptedTransport& l) {
                             started(l);
                             Received(l, {0xA0, 0x10, code, 0, 0, 0, 0});
                         },
                         36, "[11023]"});
    }
    const std::vector<std::pair<std::string, Bytes>> unexpected = {
        {"refusal", {0x80, 0x10, 0x2F, 0, 0, 0, 0}},
        {"answer kind", {0x40, 0x10, 0x2F, 0, 0, 0, 0x40}},
        {"request of another phase", {0x20, 0x10, 0xF2, 0, 0, 0, 0x40}},
        {"end frame with a wrong marker", {0x60, 0x11, 0x2F, 0, 0, 0, 0}},
        // Requests the image cannot answer are not answered with anything.
        {"request past the end", {0x20, 0x10, 0x2F, 0xF0, 0x01, 0x00, 0x11}},
        {"request beyond the end", {0x20, 0x10, 0x2F, 0x01, 0x02, 0x00, 0x00}},
        {"request at the top of the address range", {0x20, 0x10, 0x2F, 0xF0, 0xFF, 0xFF, 0x40}},
    };
    for (const auto& [what, body] : unexpected) {
        cases.push_back({what,
                         [=](CScriptedTransport& l) {
                             started(l);
                             Received(l, body);
                         },
                         37, "[11024]"});
    }
    return cases;
}

TEST(UploadData, EachFailureShowsItsOwnMessage) {
    for (const FailureCase& c : UploadFailures()) {
        SCOPED_TRACE(c.name);
        FunctionDataImage image = PatternImage(0x200);
        CScriptedTransport link(true);
        c.script(link);
        CRecordingHost host{upload_transfer::kGroup};
        EXPECT_FALSE(ServeUploadData(link, host, image));
        ASSERT_EQ(host.shown.size(), 1u);
        EXPECT_EQ(host.shown[0].number, c.message);
        if (!c.text.empty()) {
            EXPECT_EQ(host.shown[0].text, c.text);
        }
        EXPECT_FALSE(host.waitCursor);
    }
}

TEST(UploadSlotHeader, CarriesTheFileHeaderAndTheTitleInPcCharacters) {
    FunctionDataImage image = PatternImage(0x1234, 0x83);
    SlotHeader header = UploadSlotHeader(image, "Kessel Süd");
    EXPECT_EQ(header.status, 1);
    EXPECT_EQ(header.kind, 0x83);
    EXPECT_EQ(header.textA, "FW 1.2");
    EXPECT_EQ(header.textB, "BS 0.9");
    EXPECT_EQ(header.size, 0x1234u);
    EXPECT_EQ(header.description, "Kessel S\xFC"
                                  "d");
}

} // namespace
} // namespace qbx

// The download's data phase byte by byte, the file header it chooses, and the
// message of every way it fails.
#include "operations/download_transfer.h"
#include "operations/download_transfer_messages.h"
#include "recording_host.h"
#include "transfer_script.h"

namespace qbx {
namespace {

using namespace test;

FunctionDataImage Prepared(std::uint32_t size) {
    FunctionDataImage image;
    FunctionDataHeader header;
    header.fileFormat = 3;
    header.deviceCode = 0x85;
    header.dataSize = size;
    image.Prepare(header);
    return image;
}

Bytes RequestBody(std::uint32_t address, std::uint8_t count) {
    return {0x20,
            0x10,
            0xF2,
            static_cast<std::uint8_t>(address),
            static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address >> 16),
            count};
}

TEST(DownloadData, AsksInBlocksOf64AndTheRestAndEndsWithTheLastReply) {
    const FunctionDataImage source = PatternImage(100);
    CScriptedTransport link(true);
    Sent(link, RequestBody(0, 0x40));
    Received(link, {0x40, 0x10, 0xF2, 0, 0, 0, 0x40});
    Received(link, ImageBytes(source, 0, 64));
    Sent(link, RequestBody(64, 36));
    // The reply's address and count are not checked, but the end frame repeats them.
    Received(link, {0x40, 0x10, 0xF2, 0x99, 0x88, 0x77, 0x66});
    Received(link, ImageBytes(source, 64, 36));
    Sent(link, {0x60, 0x10, 0xF2, 0x99, 0x88, 0x77, 0x66});
    FunctionDataImage image = Prepared(100);
    CRecordingHost host{download_transfer::kGroup};
    EXPECT_TRUE(ReceiveDownloadData(link, host, image));

    EXPECT_EQ(Hex(link.writes[0]), "20 10 F2 00 00 00 40 62 ");
    EXPECT_EQ(image.Data(), source.Data());
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ(host.pumps, 2);
    EXPECT_EQ(host.positions, (std::vector<std::uint32_t>{0, 64, 100}));
    EXPECT_EQ(host.progressTexts, (std::vector<std::string>{"0000 / 0064", "0040 / 0064", "0064 / 0064"}));
    EXPECT_EQ(host.statuses, (std::vector<int>{11503, 11503, 11505}));
}

TEST(DownloadData, AnImageSmallerThanABlockIsAskedForWhole) {
    CScriptedTransport link(true);
    Sent(link, RequestBody(0, 10));
    Received(link, {0x40, 0x10, 0xF2, 0, 0, 0, 10});
    Received(link, Bytes(10, 0x5A));
    Sent(link, {0x60, 0x10, 0xF2, 0, 0, 0, 10});
    FunctionDataImage image = Prepared(10);
    CRecordingHost host{download_transfer::kGroup};
    EXPECT_TRUE(ReceiveDownloadData(link, host, image));
    EXPECT_EQ(image.Data(), Bytes(10, 0x5A));
}

TEST(DownloadFileHeader, ControllerImagesOfTheirOwnSizesKeepTheirFormats) {
    struct Case {
        std::uint8_t kind;
        std::uint32_t size;
        int format;
    };
    for (Case c : {Case{0x80, 0x8000, 1}, Case{0x80, 0x8400, 2}, Case{0x80, 100, 3}, Case{0x80, 0x8401, 3},
                   Case{0x81, 0x8000, 3}, Case{0x85, 0x8400, 3}}) {
        SlotHeader slot{1, c.kind, "FW", "BS", c.size, "x"};
        FunctionDataHeader header = DownloadFileHeader(slot);
        EXPECT_EQ(header.fileFormat, c.format) << int(c.kind) << " " << c.size;
        EXPECT_EQ(header.deviceCode, c.kind);
        EXPECT_EQ(header.firmware, "FW");
        EXPECT_EQ(header.bootsector, "BS");
        EXPECT_EQ(header.dataSize, c.size);
    }
}

struct FailureCase {
    std::string name;
    std::function<void(CScriptedTransport&)> script;
    int message;
    std::string text;
};

std::vector<FailureCase> DownloadFailures() {
    // An image of 64 bytes: one block, then the end frame.
    const Bytes request = RequestBody(0, 0x40);
    const Bytes reply = {0x40, 0x10, 0xF2, 0, 0, 0, 0x40};
    const Bytes data(64, 0x11);
    auto replied = [=](CScriptedTransport& l) {
        Sent(l, request);
        Received(l, reply);
    };
    std::vector<FailureCase> cases;
    const int sendNumbers[] = {0, 2, 3};
    for (int i = 0; i < 3; ++i) {
        auto [what, fail] = SendFailures()[static_cast<size_t>(i)];
        cases.push_back(
            {"request " + what, [=](CScriptedTransport& l) { fail(l, request); }, 22 + sendNumbers[i], ""});
        cases.push_back({"end frame " + what,
                         [=](CScriptedTransport& l) {
                             replied(l);
                             Received(l, data);
                             fail(l, {0x60, 0x10, 0xF2, 0, 0, 0, 0x40});
                         },
                         18 + sendNumbers[i], ""});
    }
    for (int i = 0; i < 4; ++i) {
        auto [what, fail] = ReceiveFailures()[static_cast<size_t>(i)];
        cases.push_back({"reply " + what,
                         [=](CScriptedTransport& l) {
                             Sent(l, request);
                             fail(l, reply);
                         },
                         26 + i, ""});
        cases.push_back({"data " + what,
                         [=](CScriptedTransport& l) {
                             replied(l);
                             fail(l, data);
                         },
                         43 + i, ""});
    }
    const std::uint8_t codes[] = {0, 1, 20, 21, 22, 30, 31, 32, 50, 51};
    auto answeredWith = [=](Bytes body) {
        return [=](CScriptedTransport& l) {
            Sent(l, request);
            Received(l, body);
        };
    };
    for (int i = 0; i < 10; ++i) {
        cases.push_back({"device error " + std::to_string(codes[i]),
                         answeredWith({0xA0, 0x10, codes[i], 0, 0, 0, 0}), 31 + i,
                         "[11022] " + std::to_string(codes[i])});
    }
    for (std::uint8_t code : {2, 33, 255})
        cases.push_back({"other device error", answeredWith({0xA0, 0x10, code, 0, 0, 0, 0}), 41, "[11023]"});
    cases.push_back({"refusal", answeredWith({0x80, 0x10, 0xF2, 0, 0, 0, 0x40}), 30, "[11021]"});
    cases.push_back(
        {"answer of another phase", answeredWith({0x40, 0x10, 0x2F, 0, 0, 0, 0x40}), 42, "[11024]"});
    cases.push_back({"busy frame", answeredWith({0x00, 0x10, 0xF2, 0, 0, 0, 0}), 42, "[11024]"});
    cases.push_back({"wrong marker", answeredWith({0x40, 0x11, 0xF2, 0, 0, 0, 0x40}), 42, "[11024]"});
    return cases;
}

TEST(DownloadData, EachFailureShowsItsOwnMessage) {
    for (const FailureCase& c : DownloadFailures()) {
        SCOPED_TRACE(c.name);
        CScriptedTransport link(true);
        c.script(link);
        FunctionDataImage image = Prepared(64);
        CRecordingHost host{download_transfer::kGroup};
        EXPECT_FALSE(ReceiveDownloadData(link, host, image));
        ASSERT_EQ(host.shown.size(), 1u);
        EXPECT_EQ(host.shown[0].number, c.message);
        if (!c.text.empty()) {
            EXPECT_EQ(host.shown[0].text, c.text);
        }
    }
}

} // namespace
} // namespace qbx

// The web page upload over a scripted link: the frames on the wire, the
// bytes past the end of the file, and the message of every way the data
// phase fails; then the checks of the chosen file.
#include "operations/web_page_upload.h"
#include "operations/web_page_upload_messages.h"
#include "recording_host.h"
#include "tests/support/temp_folder.h"
#include "transfer_script.h"

#include <sys/stat.h>

namespace qbx {
namespace {

using namespace test;

Bytes Frame(std::uint8_t kind, std::uint32_t address, std::uint8_t count) {
    return {kind,
            0x10,
            0x5F,
            static_cast<std::uint8_t>(address),
            static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address >> 16),
            count};
}
Bytes RequestAt(std::uint32_t address, std::uint8_t count) {
    return Frame(0x20, address, count);
}
Bytes AnswerAt(std::uint32_t address, std::uint8_t count) {
    return Frame(0x40, address, count);
}

const Bytes kEnd = {0x60, 0x10, 0x5F, 0, 0, 0, 0};
const Bytes kBusy = {0x00, 0x10, 0x5F, 0, 0, 0, 0};

Bytes Pattern(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 13 + i / 256);
    return bytes;
}
Bytes Slice(const Bytes& bytes, std::size_t from, std::size_t count) {
    return Bytes(bytes.begin() + static_cast<long>(from), bytes.begin() + static_cast<long>(from + count));
}

TEST(WebPageData, StartAnnouncesSizeAndTypeLowByteFirst) {
    CScriptedTransport link(true);
    Sent(link, {0x20, 0x10, 0x5F, 0x45, 0x23, 0x01, 0x02});
    Received(link, kEnd);
    CRecordingHost host{web_page::kGroup};
    const WebPageFile gif{"/pictures/logo.gif", kWebPageGif, 0x12345};
    EXPECT_TRUE(ServeWebPage(link, host, gif, Bytes(0x12345)));
    EXPECT_EQ(host.progressTexts.back(), "12345 / 12345");
    EXPECT_EQ(host.statuses.back(), 11506);
}

TEST(WebPageData, AnswersRequestsWithTheFileBytesAndPadsPastTheEnd) {
    const Bytes file = Pattern(0x230);
    CScriptedTransport link(true);
    Sent(link, {0x20, 0x10, 0x5F, 0x30, 0x02, 0x00, 0x01});
    for (int i = 0; i < 40; ++i)
        Received(link, kBusy); // waited out, however many come
    Received(link, RequestAt(0x200, 0x40));
    Sent(link, AnswerAt(0x200, 0x40));
    Sent(link, Slice(file, 0x200, 0x30) + Bytes(0x10, 0xFF));
    Received(link, RequestAt(0x10, 0xC8)); // more than the update phases ever ask
    Sent(link, AnswerAt(0x10, 0xC8));
    Sent(link, Slice(file, 0x10, 0xC8));
    Received(link, RequestAt(0x400, 3)); // wholly outside the file
    Sent(link, AnswerAt(0x400, 3));
    Sent(link, Bytes(3, 0xFF));
    Received(link, kEnd);
    CRecordingHost host{web_page::kGroup};
    EXPECT_TRUE(ServeWebPage(link, host, {"page.html", kWebPageHtml, 0x230}, file));
    EXPECT_TRUE(host.shown.empty()) << host.Numbers();
    EXPECT_EQ(host.pumps, 3);
    EXPECT_EQ(host.positions, (std::vector<std::uint32_t>{0x200, 0x10, 0x400, 0x230}));
    EXPECT_EQ(host.progressTexts,
              (std::vector<std::string>{"00200 / 00230", "00010 / 00230", "00400 / 00230", "00230 / 00230"}));
    EXPECT_EQ(host.statuses, (std::vector<int>{11504, 11504, 11504, 11506}));
}

// A file that shrank after it was checked: the size announced stands and
// the missing bytes read as past the end.
TEST(WebPageData, ServesNoMoreThanWasReadOfAShrunkenFile) {
    CScriptedTransport link(true);
    Sent(link, {0x20, 0x10, 0x5F, 0x08, 0x00, 0x00, 0x01});
    Received(link, RequestAt(0, 8));
    Sent(link, AnswerAt(0, 8));
    Sent(link, Bytes{'<', 'p', '>', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    Received(link, kEnd);
    CRecordingHost host{web_page::kGroup};
    EXPECT_TRUE(ServeWebPage(link, host, {"page.html", kWebPageHtml, 8}, Bytes{'<', 'p', '>'}));
}

struct FailureCase {
    std::string name;
    std::function<void(CScriptedTransport&)> script;
    int message;
    int stringId;
};

const Bytes kStart = {0x20, 0x10, 0x5F, 0x00, 0x04, 0x00, 0x01};

std::vector<FailureCase> FailureCases() {
    std::vector<FailureCase> cases;
    auto requested = [](CScriptedTransport& l) {
        Sent(l, kStart);
        Received(l, RequestAt(0x200, 0x40));
    };
    const int sendOffsets[] = {0, 2, 3};
    const int sendStrings[] = {11015, 11017, 11018};
    for (int i = 0; i < 3; ++i) {
        auto [what, fail] = SendFailures()[static_cast<std::size_t>(i)];
        cases.push_back({"start " + what, [fail](CScriptedTransport& l) { fail(l, kStart); },
                         14 + sendOffsets[i], sendStrings[i]});
        cases.push_back({"header " + what,
                         [=](CScriptedTransport& l) {
                             requested(l);
                             fail(l, AnswerAt(0x200, 0x40));
                         },
                         34 + sendOffsets[i], sendStrings[i]});
        cases.push_back({"data " + what,
                         [=](CScriptedTransport& l) {
                             requested(l);
                             Sent(l, AnswerAt(0x200, 0x40));
                             fail(l, Slice(Pattern(0x400), 0x200, 0x40));
                         },
                         38 + sendOffsets[i], sendStrings[i]});
    }
    const int receiveStrings[] = {11007, 11019, 11020, 11018};
    for (int i = 0; i < 4; ++i) {
        auto [what, fail] = ReceiveFailures()[static_cast<std::size_t>(i)];
        cases.push_back({"receive " + what,
                         [fail](CScriptedTransport& l) {
                             Sent(l, kStart);
                             fail(l, RequestAt(0, 0x40));
                         },
                         18 + i, receiveStrings[i]});
    }
    const std::uint8_t codes[] = {0, 1, 20, 21, 22, 30, 31, 32, 50, 51, 2, 60, 0xFF};
    for (std::size_t i = 0; i < std::size(codes); ++i) {
        const std::uint8_t code = codes[i];
        cases.push_back({"device error " + std::to_string(code),
                         [=](CScriptedTransport& l) {
                             Sent(l, kStart);
                             Received(l, {0xA0, 0x10, code, 0, 0, 0, 0});
                         },
                         i < 10 ? 22 + static_cast<int>(i) : 32, i < 10 ? 11022 : 11023});
    }
    for (const Bytes& odd :
         {Bytes{0x80, 0x10, 0x5F, 0, 0, 0, 0}, Bytes{0x20, 0x10, 0x2F, 0, 0, 0, 0x40},
          Bytes{0x20, 0x11, 0x5F, 0, 0, 0, 0x40}, Bytes{0x40, 0x10, 0x5F, 0, 0, 0, 0x40}}) {
        cases.push_back({"unexpected " + Hex(odd),
                         [=](CScriptedTransport& l) {
                             Sent(l, kStart);
                             Received(l, odd);
                         },
                         33, 11024});
    }
    return cases;
}

TEST(WebPageData, EachFailureShowsItsOwnMessage) {
    for (const FailureCase& c : FailureCases()) {
        SCOPED_TRACE(c.name);
        CScriptedTransport link(true);
        c.script(link);
        CRecordingHost host{web_page::kGroup};
        EXPECT_FALSE(ServeWebPage(link, host, {"page.html", kWebPageHtml, 0x400}, Pattern(0x400)));
        ASSERT_EQ(host.shown.size(), 1u) << host.Numbers();
        EXPECT_EQ(host.shown[0].number, c.message);
        EXPECT_EQ(host.shown[0].stringId, c.stringId);
    }
}

TEST(WebPageData, DeviceErrorsCarryTheirCode) {
    CScriptedTransport link(true);
    Sent(link, kStart);
    Received(link, {0xA0, 0x10, 31, 0, 0, 0, 0});
    CRecordingHost host{web_page::kGroup};
    EXPECT_FALSE(ServeWebPage(link, host, {"page.html", kWebPageHtml, 0x400}, Pattern(0x400)));
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].text, "[11022] 31");
}

struct FileCase {
    std::string name;
    std::size_t size; // bytes written; npos: not written
    int result;
    std::uint8_t type;
};

TEST(WebPageFileCheck, ExtensionAndSize) {
    TempFolder folder;
    const FileCase cases[] = {
        {"PAGE.HTML", 10, kPageOk, kWebPageHtml},
        {"index.html", 0, kPageOk, kWebPageHtml},
        {"Logo.Gif", 196000, kPageOk, kWebPageGif},
        {"big.gif", 196001, kPageTooLarge, kWebPageGif},
        {"page.htm", 10, kPageWrongExtension, 0},
        {"page.html.bak", 10, kPageWrongExtension, 0},
        {"html", 10, kPageWrongExtension, 0},
        {".gif", 10, kPageOk, kWebPageGif},
        {"missing.html", std::string::npos, kPageNotOpened, kWebPageHtml},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.size != std::string::npos) folder.Write(c.name, std::string(c.size, 'x'));
        WebPageFile page;
        EXPECT_EQ(CheckWebPageFile(folder.File(c.name), page), c.result);
        EXPECT_EQ(page.type, c.type);
        if (c.result == kPageOk) {
            EXPECT_EQ(page.size, c.size);
        }
    }
}

TEST(WebPageFileCheck, MessagesOfTheChecks) {
    TempFolder folder;
    folder.Write("big.html", std::string(196001, 'x'));
    std::filesystem::create_directory(folder.File("folder.gif"));
    // Neither would ever end: the FIFO waits for a writer, the device has no size.
    ASSERT_EQ(mkfifo(folder.File("pipe.html").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder.File("zero.gif"));
    const std::pair<std::string, std::string> cases[] = {
        {"page.htm", "1 [11048]"},  {"big.html", "2 [11049] 196000"}, {"folder.gif", "3 [11031]"},
        {"pipe.html", "3 [11031]"}, {"zero.gif", "3 [11031]"},        {"gone.gif", "3 [11031]"},
    };
    for (const auto& [name, expected] : cases) {
        SCOPED_TRACE(name);
        CRecordingHost host{web_page::kGroup};
        WebPageFile page;
        EXPECT_FALSE(PrepareWebPage(host, folder.File(name), page));
        ASSERT_EQ(host.shown.size(), 1u);
        EXPECT_EQ(std::to_string(host.shown[0].number) + " " + host.shown[0].text, expected);
    }
}

TEST(WebPageFileCheck, ProgressAndFileTexts) {
    EXPECT_EQ(WebPageProgressText(0, 196000), "00000 / 2FDA0");
    EXPECT_EQ(WebPageProgressText(0x12345, 0xABCDE), "12345 / ABCDE");
    CRecordingHost host{web_page::kGroup};
    ShowWebPageStart(host, {"/srv/pages/Start Page.html", kWebPageHtml, 0x230});
    EXPECT_EQ(host.fileTexts, (std::vector<std::string>{"[11508]: Start Page"}));
    EXPECT_EQ(host.ranges, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{1, 0x230}}));
    EXPECT_EQ(host.progressTexts, (std::vector<std::string>{"00000 / 00230"}));
    EXPECT_EQ(host.statuses, (std::vector<int>{11500}));
    // An empty page still gets a bar with room in it.
    ShowWebPageStart(host, {"/srv/pages/empty.html", kWebPageHtml, 0});
    EXPECT_EQ(host.ranges.back(), (std::pair<std::uint32_t, std::uint32_t>{1, 1}));
}

} // namespace
} // namespace qbx

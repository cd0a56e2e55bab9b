// Web page uploads against the simulated LINKBOX over loopback TCP and a
// pseudo-terminal, with files our code did not write: a Debian package's
// HTML manual and a GIF picture made by ImageMagick. What the device keeps
// must be the file, byte for byte; every refusal and fault has its message.
#include "operations/web_page_upload.h"
#include "operations/web_page_upload_messages.h"
#include "recording_host.h"
#include "sim/state_file.h"
#include "sim_link.h"
#include "tests/support/temp_folder.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace qbx {
namespace {

using namespace test;

// From bzip2-doc, which tools/install-deps.sh installs for this test.
const char* const kDebianManual = "/usr/share/doc/bzip2/manual.html";
const char* const kImageMagick = "/usr/bin/convert";

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct PageRun {
    TempFolder folder;
    SimLink link;
    CRecordingHost host{web_page::kGroup};

    bool Start(Line line, std::vector<std::string> args) {
        args.insert(args.end(), {"--state", folder.File("state.txt")});
        if (std::find(args.begin(), args.end(), "--kind") == args.end())
            args.insert(args.end(), {"--kind", "A3"});
        return link.Start(line, args);
    }
    bool Upload(const std::string& path) {
        WebPageFile page;
        return PrepareWebPage(host, path, page) && RunWebPageUpload(host, page, link.Options());
    }
    // The device saves its state once it has the program's answer to the
    // end frame, a moment after the program is done.
    std::vector<std::uint8_t> Page(std::uint8_t type) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        for (;;) {
            sim::CDeviceState state;
            int badLine = 0;
            if (sim::LoadStateFile(folder.File("state.txt"), state, badLine) == sim::kStateLoaded &&
                state.pages.count(type))
                return state.pages[type];
            if (std::chrono::steady_clock::now() > deadline) return {};
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
};

// A picture with a fractal and shapes, so that its GIF is neither tiny nor
// trivially compressible. (No text: that would need fonts.)
std::string MakeGif(const TempFolder& folder) {
    const std::string gif = folder.File("Logo.GIF");
    const std::string command = std::string(kImageMagick) +
                                " -seed 7 -size 320x200 plasma:fractal -fill white"
                                " -draw 'circle 160,100 160,150' -draw 'rectangle 10,10 60,40' '" +
                                gif + "'";
    return std::system(command.c_str()) == 0 ? gif : std::string();
}

class WebPageOverLine : public testing::TestWithParam<Line> {};

TEST_P(WebPageOverLine, DebianHtmlManualArrivesByteForByte) {
    if (!std::filesystem::exists(kDebianManual)) GTEST_SKIP() << kDebianManual << " is not installed";
    PageRun run;
    ASSERT_TRUE(run.Start(GetParam(), {})) << run.link.sim.Error();
    ASSERT_TRUE(run.Upload(kDebianManual)) << run.host.Numbers();
    const auto expected = FileBytes(kDebianManual);
    EXPECT_TRUE(run.Page(1) == expected) << "the device's page differs from " << kDebianManual;
    EXPECT_EQ(run.host.progressTexts.back(), WebPageProgressText(expected.size(), expected.size()));
    EXPECT_EQ(run.host.beeps, 0);
}

TEST_P(WebPageOverLine, ImageMagickGifArrivesThroughBusyFramesInLargeBlocks) {
    if (!std::filesystem::exists(kImageMagick)) GTEST_SKIP() << "ImageMagick is not installed";
    PageRun run;
    const std::string gif = MakeGif(run.folder);
    ASSERT_FALSE(gif.empty()) << "convert failed";
    ASSERT_TRUE(run.Start(GetParam(), {"--block", "200", "--busy", "30@2", "--busy", "5@9"}))
        << run.link.sim.Error();
    ASSERT_TRUE(run.Upload(gif)) << run.host.Numbers();
    EXPECT_TRUE(run.Page(2) == FileBytes(gif));
}

INSTANTIATE_TEST_SUITE_P(Lines, WebPageOverLine, testing::Values(Line::Tcp, Line::Serial),
                         [](const auto& info) { return info.param == Line::Tcp ? "Tcp" : "Serial"; });

struct FaultCase {
    std::string name;
    Line line;
    std::vector<std::string> args;
    std::string messages; // "" for success
    std::string text = {};
};

class WebPageFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(WebPageFaults, EndsWithItsMessage) {
    const FaultCase& c = GetParam();
    PageRun run;
    ASSERT_TRUE(run.Start(c.line, c.args)) << run.link.sim.Error();
    std::string page(3000, 0);
    for (std::size_t i = 0; i < page.size(); ++i)
        page[i] = static_cast<char>(i % 251);
    run.folder.Write("page.html", page);
    EXPECT_EQ(run.Upload(run.folder.File("page.html")), c.messages.empty());
    EXPECT_EQ(run.host.Numbers(), c.messages);
    if (!c.text.empty()) {
        ASSERT_FALSE(run.host.shown.empty());
        EXPECT_EQ(run.host.shown.back().text, c.text);
    }
    if (c.messages.empty()) {
        EXPECT_EQ(run.Page(1), std::vector<std::uint8_t>(page.begin(), page.end()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Device, WebPageFaults,
    testing::Values(
        FaultCase{"SerialFamily", Line::Tcp, {"--kind", "A2"}, "10", "[11050]"},
        FaultCase{"ModeSwitchingKindAsksNoSwitch", Line::Serial, {"--kind", "A8"}, "10"},
        FaultCase{"OldLinkbox", Line::Tcp, {"--kind", "A3", "--version", "127"}, "12", "version 1.27"},
        FaultCase{"DeviceErrorInTheMiddle", Line::Tcp, {"--device-error", "30@5"}, "27", "[11022] 30"},
        FaultCase{"UnknownDeviceError", Line::Serial, {"--device-error", "99"}, "32"},
        FaultCase{"RefusedStart", Line::Tcp, {"--refuse-data"}, "33"},
        FaultCase{"BadSumOverTcp", Line::Tcp, {"--bad-sum", "1"}, "21"},
        FaultCase{"BadSumRepeatedOnSerial", Line::Serial, {"--bad-sum", "3"}, ""},
        FaultCase{"WrongAckOfStartOverTcp", Line::Tcp, {"--wrong-ack", "1"}, "17"},
        FaultCase{"WrongAckRepeatedOnSerial", Line::Serial, {"--wrong-ack", "2"}, ""},
        FaultCase{"SilentDevice", Line::Tcp, {"--silent", "1"}, "9"},
        FaultCase{"LineCutDuringData", Line::Tcp, {"--drop-after", "6"}, "40"},
        FaultCase{"ManyBusyFrames", Line::Tcp, {"--busy", "300"}, ""}),
    [](const auto& info) { return info.param.name + (info.param.line == Line::Tcp ? "Tcp" : "Serial"); });

} // namespace
} // namespace qbx

// The LINKBOX's side of the web page upload, fed with bytes: what it asks
// for, what it refuses, and how it keeps the pages in the state file.
#include <cstdio>
#include <fstream>
#include <unistd.h>

#include "sim/state_file.h"
#include "tests/sim/engine_fixture.h"

namespace qbx::sim {
namespace {

using test::BlockFrame;
using test::kAck;
using test::WithSum;

constexpr std::uint8_t kPage = 0x5F;

CWire Start(std::uint32_t size, std::uint8_t type) {
    return WithSum({0x20, 0x10, kPage, static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                    static_cast<std::uint8_t>(size >> 16), type});
}

class SimWebPageTest : public SimEngineFixture {
  protected:
    // Plays the program's side until the device's end frame; the blocks it
    // was asked for.
    std::vector<std::pair<std::uint32_t, int>> Upload(const CWire& page, std::uint8_t type) {
        std::vector<std::pair<std::uint32_t, int>> asked;
        CWire out = Feed(Start(static_cast<std::uint32_t>(page.size()), type));
        while (out.size() == 10 && asked.size() <= page.size()) {
            const CWire frame(out.begin() + 2, out.end());
            if (frame[0] == 0x60) {
                EXPECT_EQ(frame, WithSum({0x60, 0x10, kPage, 0, 0, 0, 0}));
                EXPECT_EQ(Feed(kAck), CWire{});
                return asked;
            }
            const std::uint32_t at = frame[3] | frame[4] << 8 | frame[5] << 16;
            asked.emplace_back(at, frame[6]);
            EXPECT_EQ(Feed(Join(kAck, BlockFrame(0x40, kPage, at, frame[6]))), kAck);
            out = Feed(WithSum(CWire(page.begin() + at, page.begin() + at + frame[6])));
        }
        ADD_FAILURE() << "upload did not end, device sent " << out.size() << " bytes";
        return asked;
    }
    static CWire Page(std::size_t size, std::uint8_t seed) {
        CWire page(size);
        for (std::size_t i = 0; i < size; ++i)
            page[i] = static_cast<std::uint8_t>(i * 7 + seed);
        return page;
    }
};

TEST_F(SimWebPageTest, LinkboxAsksInBlocksAndKeepsOnePagePerType) {
    struct {
        std::uint32_t size;
        std::uint8_t block;
        std::size_t requests;
        std::pair<std::uint32_t, int> last;
    } const cases[] = {{1, 64, 1, {0, 1}}, {150, 64, 3, {128, 22}}, {196000, 255, 769, {195840, 160}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        state = {};
        changes = 0;
        Make(kDeviceLinkbox, kModeTransfer, c.block);
        const CWire html = Page(c.size, 1), gif = Page(c.size / 2 + 1, 2);
        const auto asked = Upload(html, 1);
        ASSERT_EQ(asked.size(), c.requests);
        EXPECT_EQ(asked.back(), c.last);
        Upload(gif, 2);
        Upload(Page(c.size, 3), 1); // a newer page of the same type replaces the first
        EXPECT_EQ(state.pages.size(), 2u);
        EXPECT_EQ(state.pages[1], Page(c.size, 3));
        EXPECT_EQ(state.pages[2], gif);
        EXPECT_EQ(changes, 3);
    }
}

TEST_F(SimWebPageTest, RefusesWhatItCannotTake) {
    struct {
        std::uint8_t kind;
        std::uint32_t size;
        std::uint8_t type;
        CWire answer;
    } const cases[] = {
        {kDeviceLinkbox, 100, 0, Join(kAck, WithSum({0xA0, 0x10, 21, 0, 0, 0, 0}))},
        {kDeviceLinkbox, 100, 3, Join(kAck, WithSum({0xA0, 0x10, 21, 0, 0, 0, 0}))},
        {kDeviceLinkbox, 0, 1, Join(kAck, WithSum({0xA0, 0x10, 22, 0, 0, 0, 0}))},
        {kDeviceLinkbox, 196001, 2, Join(kAck, WithSum({0xA0, 0x10, 22, 0, 0, 0, 0}))},
        {kDeviceLinkbox, 196000, 2, Join(kAck, BlockFrame(0x20, kPage, 0, 64))},
        // The other kinds do not know the command.
        {kDeviceSerial, 100, 1, WithSum({0x80, 0x10, kPage, 100, 0, 0, 1})},
        {kDeviceModalA8, 100, 1, WithSum({0x80, 0x10, kPage, 100, 0, 0, 1})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + " " + std::to_string(c.size) + " " + std::to_string(c.type));
        Make(c.kind);
        EXPECT_EQ(Feed(Start(c.size, c.type)), c.answer);
        EXPECT_TRUE(state.pages.empty());
    }
}

TEST_F(SimWebPageTest, PagesSurviveTheStateFile) {
    const std::string path = ::testing::TempDir() + "sim_pages_" + std::to_string(getpid()) + ".txt";
    CDeviceState saved;
    saved.pages[1] = Page(196000, 4);
    saved.pages[2] = Page(33, 5);
    ASSERT_TRUE(SaveStateFile(path, saved));
    CDeviceState loaded;
    int badLine = 0;
    EXPECT_EQ(LoadStateFile(path, loaded, badLine), kStateLoaded) << badLine;
    EXPECT_EQ(loaded, saved);

    std::ofstream(path) << "format 1\npage-data 1 0000 3C703E\npage-data 1 2FD9F 0102\n";
    CDeviceState tooLong;
    EXPECT_EQ(LoadStateFile(path, tooLong, badLine), kStateMalformed);
    EXPECT_EQ(badLine, 3); // a page ends within what the LINKBOX takes
    std::remove(path.c_str());
}

} // namespace
} // namespace qbx::sim

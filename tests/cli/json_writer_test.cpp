// The JSON writer of qbx --json, the throttled progress, and the session log.
#include "cli/json_events.h"
#include "cli/json_writer.h"
#include "link/session_log.h"
#include "tests/support/temp_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

TEST(JsonString, EscapesAndRepairsEveryText) {
    struct {
        const char* name;
        std::string text;
        std::string json;
    } cases[] = {
        {"plain", "Kessel 2", "\"Kessel 2\""},
        {"quote and backslash", "a\"b\\c", "\"a\\\"b\\\\c\""},
        {"line ends and tab", "a\nb\r\tc", "\"a\\nb\\r\\tc\""},
        {"other controls", std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\\u007f\""},
        {"zero byte", std::string("a\0b", 3), "\"a\\u0000b\""},
        {"valid UTF-8 kept",
         "S\xC3\xBC"
         "d \xE2\x82\xAC \xF0\x9F\x94\xA5",
         "\"S\xC3\xBC"
         "d \xE2\x82\xAC \xF0\x9F\x94\xA5\""},
        {"Latin-1 byte",
         "S\xFC"
         "d",
         "\"S\xEF\xBF\xBD"
         "d\""},
        {"lone continuation", "\x80x", "\"\xEF\xBF\xBDx\""},
        {"overlong slash", "\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
        {"overlong three bytes", "\xE0\x80\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
        {"surrogate", "\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
        {"past U+10FFFF", "\xF4\x90\x80\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
        // A cut sequence is one replacement, as Python and browsers decode it.
        {"cut at the end", "ab\xE2\x82", "\"ab\xEF\xBF\xBD\""},
        {"cut before ASCII", "\xF0\x9F\x94\"", "\"\xEF\xBF\xBD\\\"\""},
        {"cut before a lead byte", "\xE2\x82\xC3\xBC", "\"\xEF\xBF\xBD\xC3\xBC\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qbx::JsonString(c.text), c.json) << c.name;
}

TEST(JsonObject, KeepsTheFieldsInOrder) {
    EXPECT_EQ(qbx::CJsonObject().Text(), "{}");
    EXPECT_EQ(qbx::CJsonObject()
                  .String("event", "x")
                  .Number("n", -5)
                  .Bool("ok", false)
                  .Number("big", 4294967295LL)
                  .Text(),
              "{\"event\":\"x\",\"n\":-5,\"ok\":false,\"big\":4294967295}");
}

// Lines written by CJsonEvents into memory.
class Events : public testing::Test {
  protected:
    void SetUp() override { out = open_memstream(&buffer, &size); }
    void TearDown() override {
        std::fclose(out);
        std::free(buffer);
    }
    std::vector<std::string> Lines() {
        std::fflush(out);
        std::vector<std::string> lines;
        std::string text(buffer, size);
        for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }
    std::FILE* out = nullptr;
    char* buffer = nullptr;
    std::size_t size = 0;
};

TEST_F(Events, ProgressIsBoundedAndEndsAtTheTotal) {
    qbx::CJsonEvents events(true, out);
    for (std::uint32_t done = 1; done <= 0x8400; ++done)
        events.Progress(done, 0x8400);
    std::vector<std::string> lines = Lines();
    EXPECT_EQ(lines.size(), 101u); // 0 % .. 100 %
    EXPECT_EQ(lines.back(), "{\"event\":\"progress\",\"done\":33792,\"total\":33792}");
    // A new bar (the next slot) shows, even at the same percentage.
    events.Progress(0x8000, 0x8000);
    EXPECT_EQ(Lines().size(), 102u);
    // Never past the total; nothing to measure against without one.
    events.Progress(0x9000, 0x8000);
    events.Progress(0, 0);
    EXPECT_EQ(Lines().size(), 102u);
    // The next slot's bar: a new line even at the same position, with the slot.
    events.SetSlot(5);
    events.Progress(0x9000, 0x8000);
    EXPECT_EQ(Lines().back(), "{\"event\":\"progress\",\"done\":32768,\"total\":32768,\"slot\":5}");
    events.SetSlot(0);
    events.Progress(0x9000, 0x9400);
    EXPECT_EQ(Lines().back(), "{\"event\":\"progress\",\"done\":36864,\"total\":37888}");
}

TEST_F(Events, ResultComesOnceAndLast) {
    qbx::CJsonEvents events(true, out);
    events.Message("2.028", "a \"quoted\" text");
    events.Result(1, "upload");
    events.Result(2, "upload", "again");
    events.Message("2.029", "too late");
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "{\"event\":\"message\",\"id\":\"2.028\",\"text\":\"a \\\"quoted\\\" text\"}",
                           "{\"event\":\"result\",\"ok\":false,\"exit\":1,\"command\":\"upload\"}"}));
}

TEST_F(Events, DisabledWritesNothingAndKeepsStandardOutput) {
    qbx::CJsonEvents events(false, out);
    events.Progress(1, 2);
    events.Message("2.028", "x");
    events.Result(0, "slots");
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(events.HumanOut(), stdout);
    EXPECT_EQ(qbx::CJsonEvents(true, out).HumanOut(), stderr);
}

TEST(SessionLog, KeepsHeaderAndMessagesAndLeavesTheEnvironmentAlone) {
    TempFolder folder;
    const char* variable = qbx::kTraceVariable;
    setenv(variable, "/earlier/trace", 1);
    {
        auto log = qbx::CSessionLog::Start(folder.File("session.log"), {"head one", "head two"});
        ASSERT_TRUE(log);
        EXPECT_EQ(log->Path(), folder.File("session.log"));
        EXPECT_EQ(std::string(std::getenv(variable)), "/earlier/trace");
        log->Message("Quillbox-Message 2.028", "two\nlines");
        log->Question("Quillbox-Message 6.007", "switch?", false);
    }
    EXPECT_EQ(std::string(std::getenv(variable)), "/earlier/trace");
    unsetenv(variable);
    { auto again = qbx::CSessionLog::Start(folder.File("session.log"), {"second"}); }
    EXPECT_EQ(std::getenv(variable), nullptr);

    std::string text = folder.Read("session.log");
    for (const char* line : {"-- head one\n", "-- head two\n", "-- Quillbox-Message 2.028: two lines\n",
                             "-- Quillbox-Message 6.007: switch? [answered No]\n", "-- second\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
    EXPECT_LT(text.find("head one"), text.find("second")); // appended, not replaced
}

TEST(SessionLog, RefusesAFileThatCannotBeWritten) {
    TempFolder folder;
    struct {
        std::string path;
        int error;
    } cases[] = {{folder.Path(), EISDIR}, {folder.File("missing/x.log"), ENOENT}, {"", ENOENT}};
    for (const auto& c : cases) {
        int error = 0;
        EXPECT_EQ(qbx::CSessionLog::Start(c.path, {}, &error), nullptr) << c.path;
        EXPECT_EQ(error, c.error) << c.path;
        EXPECT_EQ(std::getenv(qbx::kTraceVariable), nullptr);
    }
}

} // namespace

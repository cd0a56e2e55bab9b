#include "link/wire_trace.h"
#include "tests/link/scripted_transport.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace qbx::test {
namespace {

std::string NoLabel() {
    ADD_FAILURE() << "label built without tracing";
    return {};
}

bool Wrapped(const std::function<std::string()>& label) {
    auto scripted = std::make_unique<CScriptedTransport>();
    CTransport* raw = scripted.get();
    return TraceIfRequested(std::move(scripted), label).get() != raw;
}

TEST(WireTrace, OffUnlessTheVariableNamesAWritableFile) {
    unsetenv(kTraceVariable);
    EXPECT_FALSE(Wrapped(NoLabel));
    setenv(kTraceVariable, "/nonexistent/qbx/wire.log", 1);
    EXPECT_FALSE(Wrapped([] { return std::string(); }));
    unsetenv(kTraceVariable);
}

TEST(WireTrace, LogsEveryChunkWithStampAndDirection) {
    char path[] = "/tmp/qbx-trace-XXXXXX";
    close(mkstemp(path));
    // Named by the caller (a session log), not by the environment.
    unsetenv(kTraceVariable);
    auto scripted = std::make_unique<CScriptedTransport>(true);
    CScriptedTransport& script = *scripted;
    script.ExpectWrite(Bytes{0x20, 0x10, 0x18}).Answer(Bytes{0x21, 0x43, 0xA2}).Silence();
    auto traced = TraceIfRequested(
        std::move(scripted), [] { return std::string("TCP 127.0.0.1:1"); }, path);
    ASSERT_NE(dynamic_cast<CTracedTransport*>(traced.get()), nullptr);
    EXPECT_TRUE(traced->IsNetwork());
    int error = -1;
    EXPECT_EQ(traced->Open(error), kOpenOk);
    const std::uint8_t request[] = {0x20, 0x10, 0x18};
    EXPECT_EQ(traced->Write(request, 3), 3);
    std::uint8_t answer[5] = {};
    EXPECT_EQ(traced->Read(answer, 5), 3);
    EXPECT_EQ(answer[2], 0xA2);
    EXPECT_EQ(traced->Read(answer, 2), 0);
    traced->Pause(50);
    EXPECT_EQ(script.pauses, std::vector<int>{50});
    traced.reset();

    std::stringstream log;
    log << std::ifstream(path).rdbuf();
    unlink(path);
    for (const char* line :
         {"-- open TCP 127.0.0.1:1: result 0, error 0\n", "TX 3/3: 20 10 18\n", "RX 3/5: 21 43 A2\n",
          "RX 0/2\n", "-- pause 50 ms\n", "-- close TCP 127.0.0.1:1\n"}) {
        EXPECT_NE(log.str().find(line), std::string::npos) << line << " missing in\n" << log.str();
    }
    for (std::string line; std::getline(log, line);) {
        size_t point = line.find('.');
        EXPECT_EQ(line.find_first_not_of("0123456789"), point) << line; // seconds.microseconds
        EXPECT_EQ(line.find(' '), point + 7) << line;
    }
}

} // namespace
} // namespace qbx::test

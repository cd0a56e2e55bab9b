#include "operations/path_length_check.h"
#include "tests/operations/recording_host.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

// Bytes count, not letters: 129 letters ü take 258 bytes.
TEST(PathLengthCheck, RefusalNamesTheBytesAndTheLimit) {
    std::string path;
    for (int i = 0; i < 128; ++i)
        path += "\xC3\xBC";
    EXPECT_TRUE(PathFitsField(path));
    path += "\xC3\xBC";
    EXPECT_FALSE(PathFitsField(path));
    CRecordingHost host;
    ReportOverlongPath(host, 26, path);
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].number, 26);
    EXPECT_EQ(host.shown[0].text, "[11910] 258 256");
}

} // namespace
} // namespace qbx

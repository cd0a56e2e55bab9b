// Every reader of the program's files takes regular files only, and only as
// much of them as its format can hold.
#include "core/settings_store.h"
#include "formats/bgs_file.h"
#include "formats/folder_file.h"
#include "formats/function_data_image.h"
#include "formats/handover_file.h"
#include "formats/program_file.h"
#include "formats/slot_list.h"
#include "formats/text_stream.h"
#include "platform/regular_file.h"
#include "platform/serial_port_path.h"
#include "tests/support/child_run.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <sys/stat.h>

namespace qbx {
namespace {

struct Reader {
    const char* name;
    const char* file;
    // True when the reader took the file as one of its kind.
    std::function<bool(const std::string& folder)> read;
};

const Reader kReaders[] = {
    {"Settings", kSettingsFileName, [](const std::string& folder) { return CSettings().Load(folder); }},
    {"Edition", kCustomerFileName, [](const std::string& folder) { return ReadEdition(folder) == 2; }},
    {"FolderFile", kFolderFileName,
     [](const std::string& folder) {
         FolderPaths paths;
         return ReadFolderFile(paths, folder);
     }},
    {"SlotList", kUploadSlotListName,
     [](const std::string& folder) {
         SlotList slots;
         return ReadSlotList(kUploadSlotListName, slots, folder);
     }},
    {"FunctionData", "a.dat",
     [](const std::string& folder) { return FunctionDataImage().Load(folder + "/a.dat") != kDatCannotOpen; }},
    {"WelcomePage", "a.bgs",
     [](const std::string& folder) {
         WelcomeLines lines;
         return LoadBgsFile(folder + "/a.bgs", lines);
     }},
    {"ProgramFile", "a.prg",
     [](const std::string& folder) {
         CTextStream file;
         return file.Open(folder + "/a.prg") == 0 && ReadProgramFileKind(file) != kNotProgramFile;
     }},
    {"HandoverFile", kHandoverFileName,
     [](const std::string& folder) {
         OsUpdateHandover handover;
         return ReadHandoverFile(handover, folder);
     }},
    {"PortsFile", "ports.ini",
     [](const std::string& folder) { return SerialPortPath(1, folder) != "/dev/ttyS0"; }},
};

void PrintTo(const Reader& reader, std::ostream* out) {
    *out << reader.name;
}

class FileReaders : public testing::TestWithParam<Reader> {};

TEST_P(FileReaders, AFifoIsRefusedWithoutWaitingForAWriter) {
    TempFolder temp;
    ASSERT_EQ(mkfifo(temp.File(GetParam().file).c_str(), 0644), 0);
    test::RunInChild({.watchdogSeconds = 10}, [&] { EXPECT_FALSE(GetParam().read(temp.Path())); });
}

TEST_P(FileReaders, AFolderIsRefused) {
    TempFolder temp;
    ASSERT_EQ(mkdir(temp.File(GetParam().file).c_str(), 0755), 0);
    EXPECT_FALSE(GetParam().read(temp.Path()));
}

TEST_P(FileReaders, AHugeFileCostsNoMemory) {
    TempFolder temp;
    const std::string path = temp.File(GetParam().file);
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    // Sparse: 512 MB of zero bytes on no disk space, a line without any end.
    ASSERT_EQ(ftruncate(fd, off_t{512} << 20), 0);
    close(fd);
    test::RunInChild({.watchdogSeconds = 20}, [&] {
        const long before = test::PeakResidentKiB();
        GetParam().read(temp.Path());
        EXPECT_LT(test::PeakResidentKiB() - before, 16 * 1024);
    });
}

INSTANTIATE_TEST_SUITE_P(All, FileReaders, testing::ValuesIn(kReaders),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadFilePrefix, TellsWhetherMoreFollowsAndDropsACutLine) {
    TempFolder temp;
    temp.Write("f", "one\ntwo\nthree");
    struct {
        std::size_t limit;
        const char* bytes;
        bool more;
        const char* wholeLines;
    } cases[] = {{100, "one\ntwo\nthree", false, "one\ntwo\n"},
                 {13, "one\ntwo\nthree", false, "one\ntwo\n"},
                 {10, "one\ntwo\nth", true, "one\ntwo\n"},
                 {8, "one\ntwo\n", true, "one\ntwo\n"},
                 {2, "on", true, ""}};
    for (const auto& c : cases) {
        std::string bytes;
        bool more = !c.more;
        ASSERT_TRUE(ReadFilePrefix(temp.File("f"), c.limit, bytes, &more));
        EXPECT_EQ(bytes, c.bytes);
        EXPECT_EQ(more, c.more) << c.limit;
        DropCutLine(bytes);
        EXPECT_EQ(bytes, c.wholeLines) << c.limit;
    }
    // Longer than one piece of the read: the limit still cuts exactly.
    std::string large;
    for (int i = 0; large.size() < 9000; ++i)
        large += std::to_string(i) + '\n';
    temp.Write("large", large);
    for (std::size_t limit : {std::size_t{4095}, std::size_t{4096}, std::size_t{4097}, std::size_t{8192},
                              large.size(), large.size() + 1, std::size_t{64 * 1024}}) {
        std::string bytes;
        bool more = false;
        ASSERT_TRUE(ReadFilePrefix(temp.File("large"), limit, bytes, &more));
        EXPECT_EQ(bytes, large.substr(0, limit)) << limit;
        EXPECT_EQ(more, limit < large.size()) << limit;
    }
    std::string bytes = "kept";
    EXPECT_FALSE(ReadFilePrefix(temp.File("missing"), 10, bytes));
    EXPECT_EQ(bytes, "kept");
}

} // namespace
} // namespace qbx

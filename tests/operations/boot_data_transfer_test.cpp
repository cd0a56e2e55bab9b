// The LINKBOX data image over a scripted line: the requests each direction
// makes, the header it writes, and the message of every way it fails.
#include "link/slot_header.h"
#include "operations/boot_data_messages.h"
#include "operations/boot_data_transfer.h"
#include "recording_host.h"
#include "tests/support/temp_folder.h"
#include "transfer_script.h"

namespace qbx {
namespace {

using namespace test;

// Lends the test's scripted line to Connect, which owns what it creates.
class CLentLine : public CTransport {
  public:
    explicit CLentLine(CTransport& line) : line(line) {}
    bool IsNetwork() const override { return line.IsNetwork(); }
    int Open(int& error) override { return line.Open(error); }
    void Close() override {}
    int Write(const std::uint8_t* data, int len) override { return line.Write(data, len); }
    int Read(std::uint8_t* data, int len) override { return line.Read(data, len); }
    void Pause(int milliseconds) override { line.Pause(milliseconds); }

  private:
    CTransport& line;
};

// A seven-byte frame with a 24-bit address and a count.
Bytes Frame(std::uint8_t kind, std::uint8_t code, std::uint32_t address, std::uint8_t count) {
    return {kind,
            0x10,
            code,
            static_cast<std::uint8_t>(address),
            static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address >> 16),
            count};
}

class BootDataLine : public testing::Test {
  protected:
    BootDataLine() : link(true) {
        settings.interfaceIndex = 6;
        options.settings = &settings;
        options.createTransport = [this](const CSettings&, int& result) -> std::unique_ptr<CTransport> {
            result = 0;
            ++links;
            return std::make_unique<CLentLine>(link);
        };
    }

    // Identification and the bootloader check of a device of `type`.
    void Identify(std::uint8_t type = 0xA3, bool check = true) {
        const Bytes answer = {0x40, 0x10, type, 130, static_cast<std::uint8_t>(0x50 + type + 130)};
        link.ExpectWrite(Request(0x18)).Answer(answer).ExpectWrite(Ack());
        if (check) link.ExpectWrite(Request(0x18)).Answer(answer).ExpectWrite(Ack());
    }

    // A job as the read preparation leaves it: an image of `size` bytes to fill.
    BootDataJob ReadJob(std::uint32_t size) {
        BootDataJob job;
        FunctionDataHeader header{3, 0xA3, "LB-FW", "LB-BS", size};
        EXPECT_TRUE(job.image.Prepare(header));
        job.path = files.File("linkbox.dat");
        job.title = "linkbox";
        return job;
    }

  public:
    // Block request and reply at `address`, then the bytes.
    void Block(const FunctionDataImage& source, std::uint32_t address, std::uint8_t count) {
        Sent(link, Frame(0x20, 0xF4, address, count));
        Received(link, Frame(0x40, 0xF4, address, count));
        Received(link, ImageBytes(source, address, count));
    }

  protected:
    CScriptedTransport link;
    CSettings settings;
    ConnectOptions options;
    CRecordingHost host{boot_data::kGroup};
    TempFolder files;
    int links = 0;
};

TEST_F(BootDataLine, ReadOf8400AsksFor528BlocksThenEndsAndSaves) {
    const FunctionDataImage source = PatternImage(0x8400, 0xA3);
    Identify();
    for (std::uint32_t address = 0; address < 0x8400; address += 64)
        Block(source, address, 64);
    Sent(link, {0x60, 0x10, 0xF4, 0xC0, 0x83, 0x00, 0x40});
    BootDataJob job = ReadJob(0x8400);
    ASSERT_TRUE(RunBootDataRead(host, job, options));

    EXPECT_EQ(host.Numbers(), "");
    // Every request after the first carries the last block's "!C" in its write.
    int requests = 0;
    int acked = 0;
    for (const Bytes& write : link.writes) {
        const std::size_t at = write.size() == 10 && write[0] == 0x21 && write[1] == 0x43 ? 2 : 0;
        const bool request = write.size() == at + 8 && write[at] == 0x20 && write[at + 2] == 0xF4;
        requests += request;
        acked += request && at == 2;
    }
    EXPECT_EQ(requests, 528);
    EXPECT_EQ(acked, 527);
    EXPECT_EQ(link.pauses, (std::vector<int>{50, 100}));
    EXPECT_EQ(host.progressTexts.back(), "8400 / 8400");
    EXPECT_EQ(host.statuses.back(), 11505);
    FunctionDataImage saved;
    ASSERT_EQ(saved.Load(job.path), 0);
    EXPECT_EQ(saved.Data(), source.Data());
    EXPECT_EQ(saved.Header().fileFormat, 3);
    EXPECT_EQ(saved.Header().deviceCode, 0xA3);
    EXPECT_EQ(saved.Header().firmware, "LB-FW");
    EXPECT_EQ(saved.Header().bootsector, "LB-BS");
}

TEST_F(BootDataLine, ReadOf100AsksFor64Then36AndRepeatsTheLastReplyAtTheEnd) {
    const FunctionDataImage source = PatternImage(100, 0xA3);
    Identify();
    Block(source, 0, 64);
    Sent(link, Frame(0x20, 0xF4, 64, 36));
    Received(link, {0x40, 0x10, 0xF4, 0x11, 0x22, 0x33, 0x44}); // only kind, marker and code count
    Received(link, ImageBytes(source, 64, 36));
    Sent(link, {0x60, 0x10, 0xF4, 0x11, 0x22, 0x33, 0x44});
    BootDataJob job = ReadJob(100);
    ASSERT_TRUE(RunBootDataRead(host, job, options));
    EXPECT_EQ(host.positions, (std::vector<std::uint32_t>{0, 0, 64, 100}));
    EXPECT_EQ(host.statuses, (std::vector<int>{11502, 11503, 11503, 11505}));
    EXPECT_EQ(host.pumps, 2);
}

TEST_F(BootDataLine, AnEmptyImageSendsOnlyTheEndFrameAndSavesAnEmptyFile) {
    Identify();
    Sent(link, {0x60, 0x10, 0xF4, 0, 0, 0, 0});
    BootDataJob job = ReadJob(0);
    ASSERT_TRUE(RunBootDataRead(host, job, options));
    FunctionDataImage saved;
    ASSERT_EQ(saved.Load(job.path), 0);
    EXPECT_EQ(saved.Size(), 0u);
    EXPECT_EQ(host.ranges.back(), (std::pair<std::uint32_t, std::uint32_t>{1, 1}));
}

struct ReadFailure {
    std::string name;
    std::function<void(BootDataLine&, CScriptedTransport&)> script;
    int message;
};

// An image of 128 bytes: two blocks, then the end frame.
std::vector<ReadFailure> ReadFailures() {
    const FunctionDataImage source = PatternImage(128, 0xA3);
    std::vector<ReadFailure> cases;
    const int sendOffsets[] = {0, 2, 3}; // SendFrame results 1, 3, 4
    for (std::size_t i = 0; i < 3; ++i) {
        auto [what, fail] = SendFailures()[i];
        cases.push_back({"request " + what,
                         [=](BootDataLine& t, CScriptedTransport& l) {
                             t.Block(source, 0, 64);
                             fail(l, Frame(0x20, 0xF4, 64, 64));
                         },
                         67 + sendOffsets[i]});
        cases.push_back({"end frame " + what,
                         [=](BootDataLine& t, CScriptedTransport& l) {
                             t.Block(source, 0, 64);
                             t.Block(source, 64, 64);
                             fail(l, Frame(0x60, 0xF4, 64, 64));
                         },
                         63 + sendOffsets[i]});
    }
    for (std::size_t i = 0; i < 4; ++i) {
        auto [what, fail] = ReceiveFailures()[i];
        cases.push_back({"reply " + what,
                         [=](BootDataLine& t, CScriptedTransport& l) {
                             t.Block(source, 0, 64);
                             Sent(l, Frame(0x20, 0xF4, 64, 64));
                             fail(l, Frame(0x40, 0xF4, 64, 64));
                         },
                         71 + static_cast<int>(i)});
        cases.push_back({"data " + what,
                         [=](BootDataLine& t, CScriptedTransport& l) {
                             t.Block(source, 0, 64);
                             Sent(l, Frame(0x20, 0xF4, 64, 64));
                             Received(l, Frame(0x40, 0xF4, 64, 64));
                             fail(l, ImageBytes(source, 64, 64));
                         },
                         88 + static_cast<int>(i)});
    }
    auto reply = [=](Bytes frame) {
        return [=](BootDataLine& t, CScriptedTransport& l) {
            t.Block(source, 0, 64);
            Sent(l, Frame(0x20, 0xF4, 64, 64));
            Received(l, frame);
        };
    };
    cases.push_back({"refusal", reply({0x80, 0x10, 0xF4, 0x40, 0, 0, 0x40}), 75});
    const std::uint8_t codes[] = {0, 1, 20, 21, 22, 30, 31, 32, 50, 51};
    for (std::size_t i = 0; i < std::size(codes); ++i)
        cases.push_back({"error " + std::to_string(codes[i]), reply({0xA0, 0x10, codes[i], 0, 0, 0, 0}),
                         76 + static_cast<int>(i)});
    cases.push_back({"error 60", reply({0xA0, 0x10, 60, 0, 0, 0, 0}), 86});
    cases.push_back({"reply of another code", reply({0x40, 0x10, 0xF2, 0x40, 0, 0, 0x40}), 87});
    cases.push_back({"busy frame", reply({0x00, 0x10, 0xF4, 0, 0, 0, 0}), 87});
    return cases;
}

void PrintTo(const ReadFailure& c, std::ostream* out) {
    *out << c.name;
}

class BootDataReadFailure : public BootDataLine, public testing::WithParamInterface<ReadFailure> {};

TEST_P(BootDataReadFailure, HasItsMessageAndLeavesTheOldFileAlone) {
    const ReadFailure& c = GetParam();
    Identify();
    c.script(*this, link);
    BootDataJob job = ReadJob(128);
    files.Write("linkbox.dat", "the old file");
    EXPECT_FALSE(RunBootDataRead(host, job, options));
    EXPECT_EQ(host.Numbers(), std::to_string(c.message));
    EXPECT_EQ(files.Read("linkbox.dat"), "the old file");
}

INSTANTIATE_TEST_SUITE_P(EveryWay, BootDataReadFailure, testing::ValuesIn(ReadFailures()));

TEST_F(BootDataLine, AFailedReadCreatesNoFile) {
    Identify();
    Sent(link, Frame(0x20, 0xF4, 0, 64));
    Received(link, {0xA0, 0x10, 22, 0, 0, 0, 0});
    BootDataJob job = ReadJob(128);
    EXPECT_FALSE(RunBootDataRead(host, job, options));
    EXPECT_EQ(host.Numbers(), "80");
    EXPECT_EQ(host.shown[0].text, "[11022] 22");
    EXPECT_FALSE(files.Exists("linkbox.dat"));
}

TEST_F(BootDataLine, AFileThatCannotBeWrittenIsReportedWithItsPath) {
    const FunctionDataImage source = PatternImage(10, 0xA3);
    Identify();
    Block(source, 0, 10);
    Sent(link, Frame(0x60, 0xF4, 0, 10));
    BootDataJob job = ReadJob(10);
    job.path = files.File("no such folder/linkbox.dat");
    EXPECT_FALSE(RunBootDataRead(host, job, options));
    EXPECT_EQ(host.Numbers(), "92");
    EXPECT_EQ(host.shown[0].text, "[11025] " + job.path);
}

// A write job for a loaded file of `size` bytes.
BootDataJob WriteJob(std::uint32_t size, const std::string& title = "linkbox") {
    BootDataJob job;
    job.image = PatternImage(size, 0xA3);
    job.path = "/data/" + title + ".dat";
    job.title = title;
    return job;
}

Bytes EncodedHeader(const SlotHeader& header) {
    Bytes wire(53);
    EncodeSlotHeader(header, wire.data());
    return wire;
}

// The header the device gets for WriteJob(size, title).
void HeaderWritten(CScriptedTransport& link, std::uint32_t size, const std::string& description) {
    link.ExpectWrite(Request(0x44)).Answer(Ack());
    Sent(link, EncodedHeader({1, 0xA3, "FW 1.2", "BS 0.9", size, description}));
}

TEST_F(BootDataLine, WriteServesTheDevicesRequestsThroughAnyNumberOfWaitFrames) {
    BootDataJob job = WriteJob(256);
    Identify();
    HeaderWritten(link, 256, "linkbox");
    Sent(link, {0x20, 0x10, 0x4F, 0, 0, 0, 0});
    for (int i = 0; i < 5; ++i)
        Received(link, {0x00, 0x10, 0x4F, 0, 0, 0, 0});
    Received(link, Frame(0x20, 0x4F, 0, 200));
    Sent(link, Frame(0x40, 0x4F, 0, 200));
    Sent(link, ImageBytes(job.image, 0, 200));
    for (int i = 0; i < 40; ++i)
        Received(link, {0x00, 0x10, 0, 0, 0, 0, 0});
    Received(link, Frame(0x20, 0x4F, 200, 56));
    Sent(link, Frame(0x40, 0x4F, 200, 56));
    Sent(link, ImageBytes(job.image, 200, 56));
    Received(link, {0x60, 0x10, 0x4F, 0, 0, 0, 0});
    ASSERT_TRUE(RunBootDataWrite(host, job, options));
    EXPECT_EQ(host.Numbers(), "");
    EXPECT_EQ(host.beeps, 0);
    EXPECT_EQ(link.pauses, (std::vector<int>{50, 100}));
    EXPECT_EQ(host.statuses, (std::vector<int>{11502, 11504, 11504, 11506}));
    EXPECT_EQ(host.progressTexts, (std::vector<std::string>{"0000 / 0100", "00C8 / 0100", "0100 / 0100"}));
    EXPECT_FALSE(host.waitCursor);
}

TEST_F(BootDataLine, TheHeaderCarriesTheFileNameAndTextsCutToTheirFields) {
    BootDataJob job = WriteJob(0, "Heizzentrale Süd, Haus 7 mit Nebengebäude");
    job.image.Header().firmware = "FIRMWARE-V12";
    job.image.Header().bootsector = "BOOT-V0.9b";
    Identify();
    link.ExpectWrite(Request(0x44)).Answer(Ack());
    // Windows-1252 like every device text, then cut: the umlauts take one byte each.
    Sent(link, EncodedHeader({1, 0xA3, "FIRMWARE", "BOOT-V0.", 0,
                              "Heizzentrale S\xFC"
                              "d, Haus 7 mit Neb"}));
    Sent(link, {0x20, 0x10, 0x4F, 0, 0, 0, 0});
    Received(link, {0x60, 0x10, 0x4F, 0, 0, 0, 0});
    EXPECT_TRUE(RunBootDataWrite(host, job, options));
    EXPECT_EQ(host.Numbers(), "");
}

struct WriteFailure {
    std::string name;
    std::function<void(CScriptedTransport&, const FunctionDataImage&)> script;
    int message;
};

void PrintTo(const WriteFailure& c, std::ostream* out) {
    *out << c.name;
}

// An image of 100 bytes; the device asks for 64 and 36.
std::vector<WriteFailure> WriteFailures() {
    const Bytes start = {0x20, 0x10, 0x4F, 0, 0, 0, 0};
    auto started = [=](CScriptedTransport& l) { Sent(l, start); };
    std::vector<WriteFailure> cases;
    const int sendOffsets[] = {0, 2, 3};
    for (std::size_t i = 0; i < 3; ++i) {
        auto [what, fail] = SendFailures()[i];
        cases.push_back({"start " + what,
                         [=](CScriptedTransport& l, const FunctionDataImage&) { fail(l, start); },
                         26 + sendOffsets[i]});
        cases.push_back({"answer header " + what,
                         [=](CScriptedTransport& l, const FunctionDataImage&) {
                             started(l);
                             Received(l, Frame(0x20, 0x4F, 64, 36));
                             fail(l, Frame(0x40, 0x4F, 64, 36));
                         },
                         46 + sendOffsets[i]});
        cases.push_back({"answer data " + what,
                         [=](CScriptedTransport& l, const FunctionDataImage& image) {
                             started(l);
                             Received(l, Frame(0x20, 0x4F, 64, 36));
                             Sent(l, Frame(0x40, 0x4F, 64, 36));
                             fail(l, ImageBytes(image, 64, 36));
                         },
                         50 + sendOffsets[i]});
    }
    for (std::size_t i = 0; i < 4; ++i) {
        auto [what, fail] = ReceiveFailures()[i];
        cases.push_back({"device frame " + what,
                         [=](CScriptedTransport& l, const FunctionDataImage&) {
                             started(l);
                             fail(l, Frame(0x20, 0x4F, 0, 64));
                         },
                         30 + static_cast<int>(i)});
    }
    auto frame = [=](Bytes body) {
        return [=](CScriptedTransport& l, const FunctionDataImage&) {
            started(l);
            Received(l, body);
        };
    };
    const std::uint8_t codes[] = {0, 1, 20, 21, 22, 30, 31, 32, 50, 51};
    for (std::size_t i = 0; i < std::size(codes); ++i)
        cases.push_back({"error " + std::to_string(codes[i]), frame({0xA0, 0x10, codes[i], 0, 0, 0, 0}),
                         34 + static_cast<int>(i)});
    cases.push_back({"error 99", frame({0xA0, 0x10, 99, 0, 0, 0, 0}), 44});
    cases.push_back({"refusal", frame({0x80, 0x10, 0x4F, 0, 0, 0, 0}), 45});
    cases.push_back({"request of another phase", frame(Frame(0x20, 0x2F, 0, 64)), 45});
    // Nothing of the image lies there: refused before anything is sent.
    cases.push_back({"request past the end", frame(Frame(0x20, 0x4F, 64, 37)), 45});
    cases.push_back({"request far past the end", frame(Frame(0x20, 0x4F, 0xFFFFFF, 255)), 45});
    return cases;
}

class BootDataWriteFailure : public BootDataLine, public testing::WithParamInterface<WriteFailure> {};

TEST_P(BootDataWriteFailure, HasItsMessage) {
    BootDataJob job = WriteJob(100);
    Identify();
    HeaderWritten(link, 100, "linkbox");
    GetParam().script(link, job.image);
    EXPECT_FALSE(RunBootDataWrite(host, job, options));
    EXPECT_EQ(host.Numbers(), std::to_string(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(EveryWay, BootDataWriteFailure, testing::ValuesIn(WriteFailures()));

TEST_F(BootDataLine, OnlyALinkboxIsServedAtEveryStep) {
    struct Step {
        const char* name;
        std::function<bool()> run;
        int message;
    } const steps[] = {
        {"read preparation",
         [this] {
             BootDataJob job;
             return PrepareBootDataRead(
                 host, [](const std::string&, std::string&) { return true; }, job, options);
         },
         11},
        {"write", [this] { return RunBootDataWrite(host, WriteJob(10), options); }, 22},
        {"read",
         [this] {
             BootDataJob job = ReadJob(10);
             return RunBootDataRead(host, job, options);
         },
         60},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        host.shown.clear();
        Identify(0xA2, false);
        EXPECT_FALSE(step.run());
        EXPECT_EQ(host.Numbers(), std::to_string(step.message));
        EXPECT_EQ(host.shown[0].stringId, 11054);
    }
}

TEST_F(BootDataLine, AHeaderTheDeviceDoesNotTakeStopsTheWrite) {
    Identify();
    link.ExpectWrite(Request(0x44)).Answer(Bytes{0x80, 0x10});
    EXPECT_FALSE(RunBootDataWrite(host, WriteJob(10), options));
    EXPECT_EQ(host.Numbers(), "25");
}

// The read preparation with the device's header `wire`; the chooser takes
// "chosen.dat" and records what it offered.
class BootDataReadPreparation : public BootDataLine {
  protected:
    bool Prepare(const SlotHeader& header, bool choose = true) {
        Identify();
        Bytes wire = EncodedHeader(header);
        link.ExpectWrite(Request(0x43)).Answer(Ack() + WithSum(wire)).ExpectWrite(Ack());
        return PrepareBootDataRead(
            host,
            [&](const std::string& name, std::string& path) {
                offered.push_back(name);
                path = files.File("chosen.dat");
                return choose;
            },
            job, options);
    }
    BootDataJob job;
    std::vector<std::string> offered;
};

TEST_F(BootDataReadPreparation, OffersTheStoredNameAndReadiesAFormat3Image) {
    ASSERT_TRUE(Prepare({1, 0xA3, "LB-FW", "LB-BS", 0x300, "Kessel/Haus \xFC"}));
    EXPECT_EQ(offered, std::vector<std::string>{"Kessel_Haus ü"}); // no folder hides in the name
    EXPECT_EQ(job.path, files.File("chosen.dat"));
    EXPECT_EQ(job.title, "chosen");
    const FunctionDataHeader& header = job.image.Header();
    EXPECT_EQ(header.fileFormat, 3);
    EXPECT_EQ(header.deviceCode, 0xA3);
    EXPECT_EQ(header.firmware, "LB-FW");
    EXPECT_EQ(header.bootsector, "LB-BS");
    EXPECT_EQ(header.dataSize, 0x300u);
    EXPECT_EQ(host.fileTexts, std::vector<std::string>{"[11509]: chosen.dat"});
    EXPECT_EQ(host.progressTexts, std::vector<std::string>{"0000 / 0300"});
    EXPECT_EQ(host.statuses, std::vector<int>{11500});
    EXPECT_FALSE(files.Exists("chosen.dat")); // nothing is written before the transfer
    EXPECT_EQ(links, 1);
}

TEST_F(BootDataReadPreparation, RefusesHeadersNoFileCanTakeBeforeAnythingIsChosen) {
    const SlotHeader refused[] = {
        {2, 0xA3, "", "", 0x100, "unknown status"},
        {1, 0x80, "", "", 0x100, "a controller's data"},
        {1, 0xA3, "", "", 0x10000, "more than a file holds"},
        {1, 0xA3, "line\nfeed", "", 0x100, "a text no file keeps"},
    };
    for (const SlotHeader& header : refused) {
        SCOPED_TRACE(header.description);
        host.shown.clear();
        offered.clear();
        EXPECT_FALSE(Prepare(header));
        EXPECT_EQ(host.Numbers(), "15");
        EXPECT_TRUE(offered.empty());
    }
    host.shown.clear();
    EXPECT_TRUE(Prepare({0, 0xA3, "", "", 0x10, "status 0 is fine"}));
}

TEST_F(BootDataReadPreparation, CancellingTheChooserShowsNothing) {
    EXPECT_FALSE(Prepare({1, 0xA3, "", "", 0x10, "x"}, false));
    EXPECT_EQ(host.Numbers(), "");
    EXPECT_FALSE(host.waitCursor);
}

TEST_F(BootDataReadPreparation, AHeaderThatDoesNotComeIsReported) {
    Identify();
    link.ExpectWrite(Request(0x43)).Silence();
    EXPECT_FALSE(PrepareBootDataRead(
        host, [](const std::string&, std::string&) { return true; }, job, options));
    EXPECT_EQ(host.Numbers(), "14");
}

// The write preparation needs no device: each refusal comes before any link.
TEST(BootDataWritePreparation, RefusesFilesThatAreNoLinkboxImageWithTheirNumbers) {
    TempFolder files;
    FunctionDataImage controller = PatternImage(16, 0x80);
    ASSERT_TRUE(controller.Save(files.File("controller.dat")));
    FunctionDataImage linkbox = PatternImage(16, 0xA3);
    ASSERT_TRUE(linkbox.Save(files.File("linkbox.dat")));
    files.Write("text.dat", "just some text\r\n");
    files.Write("short.dat", "BRAVOLT_DAT_FILE\r\nFILE_FORMAT: 3\r\n");
    struct Case {
        std::string file;
        std::string messages;
    } const cases[] = {
        {"controller.dat", "3"}, {"text.dat", "1"},   {"short.dat", "2"},
        {"missing.dat", "2"},    {"linkbox.dat", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        CRecordingHost host{boot_data::kGroup};
        BootDataJob job;
        EXPECT_EQ(PrepareBootDataWrite(host, files.File(c.file), job), c.messages.empty());
        EXPECT_EQ(host.Numbers(), c.messages);
        if (c.messages == "2") {
            EXPECT_EQ(host.shown[0].text, "[11044] " + files.File(c.file));
        }
    }
    CRecordingHost host{boot_data::kGroup};
    BootDataJob job;
    ASSERT_TRUE(PrepareBootDataWrite(host, files.File("linkbox.dat"), job));
    EXPECT_EQ(job.title, "linkbox");
    EXPECT_EQ(job.image.Data(), linkbox.Data());
    EXPECT_EQ(host.fileTexts, std::vector<std::string>{"[11508]: linkbox.dat"});
    EXPECT_EQ(host.progressTexts, std::vector<std::string>{"0000 / 0010"});
}

TEST(BootDataTarget, AddsTheExtensionAndAsksBeforeReplacingAFile) {
    TempFolder files;
    files.Write("old.dat", "x");
    struct Case {
        std::string chosen;
        std::deque<bool> answers;
        std::string path;
        std::string asked;
    } const cases[] = {
        {"new", {}, "new.dat", ""},
        {"new.bin", {}, "new.bin", ""},
        {"old", {true}, "old.dat", "93"},
        {"old.dat", {false}, "", "93"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        CRecordingHost host{boot_data::kGroup};
        host.answers = c.answers;
        const std::string path = ConfirmBootDataTarget(host, files.File(c.chosen));
        EXPECT_EQ(path, c.path.empty() ? "" : files.File(c.path));
        EXPECT_EQ(host.Numbers(), c.asked);
    }
}

} // namespace
} // namespace qbx

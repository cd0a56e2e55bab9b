// qbx --json as a fleet tool reads it: every line of standard output goes
// through Python's JSON parser (json_lines.py), which also checks the
// shape every line shares; the tests here check what the events say.
#include "formats/function_data_image.h"
#include "tests/cli/qbx_against_sim.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <sys/wait.h>

namespace {

struct JsonRun {
    int status = -1;
    std::string out, err;
    std::vector<std::string> events; // `event key=value ...` as the checker prints them
    std::string checked;             // the checker's verdict when it refused the output
};

int Status(int raw) {
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

class QbxJson : public testing::Test, protected CQbxAgainstSim {
  protected:
    void StartSim(std::vector<std::string> arguments, int language = 1) {
        CQbxAgainstSim::StartSim(false, std::move(arguments), language);
    }
    // qbx --json `arguments` from the working folder, then the checker over its output.
    JsonRun Call(const std::string& arguments) {
        const QbxRun qbx = CQbxAgainstSim::Call("--json " + arguments);
        JsonRun run{qbx.status, qbx.out, qbx.err, {}, {}};
        std::string check = "python3 '" QBX_SOURCE_DIR "/tests/cli/json_lines.py' '" + files.File("out") +
                            "' '" + files.File("err") + "' >'" + files.File("parsed") + "'";
        int verdict = Status(std::system(check.c_str()));
        std::istringstream parsed(files.Read("parsed"));
        for (std::string line; std::getline(parsed, line);)
            run.events.push_back(line);
        if (verdict != 0) run.checked = files.Read("parsed") + run.out;
        return run;
    }
    void WriteDat(const std::string& name, std::uint32_t size) {
        qbx::FunctionDataImage image;
        image.Prepare({3, 0x84, "GW 1.0", "B 2", size});
        for (std::uint32_t i = 0; i < size; ++i)
            image.SetByte(i, static_cast<std::uint8_t>(i * 7));
        ASSERT_TRUE(image.Save(files.File(name)));
    }
    static std::vector<std::string> Of(const JsonRun& run, const std::string& kind) {
        std::vector<std::string> found;
        for (const std::string& e : run.events)
            if (e.rfind(kind + " ", 0) == 0) found.push_back(e);
        return found;
    }
};

TEST_F(QbxJson, IdentifyAndSlotsGiveTheirDataAsEvents) {
    StartSim({"--kind", "A3", "--slot", "1=Kessel \"Süd\" \\1:100", "--slot", "4=Halle 2"});
    JsonRun identify = Call("identify");
    ASSERT_EQ(identify.checked, "");
    EXPECT_EQ(identify.status, 0) << identify.err;
    EXPECT_EQ(identify.events, (std::vector<std::string>{"device family=163 rawType=163 version=130",
                                                         "result ok=true exit=0 command=\"identify\""}));
    EXPECT_EQ(identify.err, "family 0xA3\nrawType 0xA3\nversion 130\n"); // the human lines moved aside

    JsonRun slots = Call("slots");
    ASSERT_EQ(slots.checked, "");
    EXPECT_EQ(slots.status, 0) << slots.err;
    std::vector<std::string> listed = Of(slots, "slot");
    ASSERT_EQ(listed.size(), 7u);
    EXPECT_EQ(listed[0],
              "slot slot=1 state=\"data\" kind=128 size=100 description=\"Kessel \\\"Süd\\\" \\\\1\" "
              "textA=\"SIM-FW\" textB=\"SIM-BS\"")
        << slots.out;
    EXPECT_EQ(listed[1], "slot slot=2 state=\"empty\"");
    EXPECT_NE(listed[3].find("description=\"Halle 2\""), std::string::npos) << listed[3];
    EXPECT_EQ(slots.events.back(), "result ok=true exit=0 command=\"slots\"");
}

TEST_F(QbxJson, QuestionsCarryTheirAnswer) {
    StartSim({"--kind", "A8"});
    JsonRun declined = Call("slots");
    ASSERT_EQ(declined.checked, "");
    EXPECT_EQ(declined.status, 1);
    ASSERT_EQ(Of(declined, "question").size(), 1u);
    EXPECT_EQ(Of(declined, "question")[0].rfind("question id=\"6.007\" text=", 0), 0u);
    EXPECT_NE(Of(declined, "question")[0].find("answer=false answeredBy=\"no-terminal\""), std::string::npos);
    EXPECT_EQ(declined.events.back(), "result ok=false exit=1 command=\"slots\"");

    JsonRun agreed = Call("--yes slots");
    ASSERT_EQ(agreed.checked, "");
    EXPECT_EQ(agreed.status, 0) << agreed.err;
    EXPECT_NE(Of(agreed, "question").at(0).find("answer=true answeredBy=\"option\""), std::string::npos);
    EXPECT_EQ(Of(agreed, "slot").size(), 7u);
}

// Progress is bounded (about one event per percent), rises, and reaches the total.
// A number field of a checked event line ("done=12 total=40 slot=3").
long Field(const std::string& event, const std::string& key) {
    std::size_t at = event.find(" " + key + "=");
    return at == std::string::npos ? -1 : std::stol(event.substr(at + key.size() + 2));
}

// Progress is bounded (about one event per percent of each slot's bar),
// rises within a slot, reaches the total, and says which slot it is.
TEST_F(QbxJson, TransfersReportBoundedProgress) {
    StartSim({});
    WriteDat("big.dat", 0x8400);
    WriteDat("small.dat", 0x300);
    JsonRun up = Call("upload 3=big.dat 5=small.dat");
    ASSERT_EQ(up.checked, "");
    EXPECT_EQ(up.status, 0) << up.err;
    std::vector<std::string> progress = Of(up, "progress");
    EXPECT_LE(progress.size(), 2 * 101u);
    std::map<long, std::vector<std::string>> bySlot;
    long lastSlot = 0;
    for (const std::string& p : progress) {
        EXPECT_GE(Field(p, "slot"), lastSlot) << p; // slot 3 first, then 5
        lastSlot = Field(p, "slot");
        bySlot[lastSlot].push_back(p);
    }
    ASSERT_EQ(bySlot.size(), 2u) << up.out;
    for (auto& [slot, lines] : bySlot) {
        ASSERT_TRUE(slot == 3 || slot == 5) << slot;
        EXPECT_GE(lines.size(), 2u) << slot;
        for (std::size_t i = 1; i < lines.size(); ++i)
            EXPECT_GE(Field(lines[i], "done"), Field(lines[i - 1], "done"));
        EXPECT_EQ(Field(lines.back(), "done"), Field(lines.back(), "total")) << lines.back();
    }
    EXPECT_EQ(Field(bySlot[3].back(), "total"), 0x8400);
    EXPECT_EQ(up.events.back(), "result ok=true exit=0 command=\"upload\"");

    JsonRun down = Call("--yes download 3=back.dat");
    ASSERT_EQ(down.checked, "");
    EXPECT_EQ(down.status, 0) << down.err;
    EXPECT_FALSE(Of(down, "progress").empty());
    EXPECT_EQ(Field(Of(down, "progress").back(), "slot"), 3);
    EXPECT_EQ(files.Read("back.dat"), files.Read("big.dat"));
}

TEST_F(QbxJson, FailuresEndWithTheirMessageAndResult) {
    struct {
        const char* name;
        std::vector<std::string> sim;
        std::string arguments;
        std::vector<std::string> messages; // ids, in order
        int exit;
    } cases[] = {
        {"old bootloader", {"--kind", "A2", "--version", "25"}, "slots", {"6.015"}, 1},
        {"not function data", {}, "upload 2=text.dat", {"6.018"}, 1},
        {"device breaks off", {"--drop-after", "0"}, "identify", {}, 1},
    };
    files.Write("text.dat", "just text\r\n");
    for (const auto& c : cases) {
        StartSim(c.sim);
        JsonRun run = Call(c.arguments);
        ASSERT_EQ(run.checked, "") << c.name;
        EXPECT_EQ(run.status, c.exit) << c.name << run.err;
        std::vector<std::string> ids;
        for (const std::string& m : Of(run, "message"))
            ids.push_back(m.substr(12, 5));
        if (!c.messages.empty()) {
            EXPECT_EQ(ids, c.messages) << c.name;
        }
        EXPECT_FALSE(Of(run, "message").empty()) << c.name;
        EXPECT_EQ(run.events.back().rfind("result ok=false exit=" + std::to_string(c.exit), 0), 0u) << c.name;
        sim.Stop();
    }
}

TEST_F(QbxJson, UsageErrorsStillEndWithAResult) {
    folder.Write("qbx_man.ini", "6\n1\n127.0.0.1\n1\n");
    struct {
        std::string arguments;
        std::string result;
    } cases[] = {
        {"fly", "result ok=false exit=2 command=\"fly\" error=\"unknown command fly\""},
        {"--loud identify", "result ok=false exit=2 command=\"\" error=\"unknown option --loud\""},
        {"upload", "result ok=false exit=2 command=\"upload\" error=\"wrong arguments for upload\""},
        {"clear 9", "result ok=false exit=2 command=\"clear\" error=\"wrong arguments for clear\""},
        {"--trace", "result ok=false exit=2 command=\"\" error=\"--trace needs a file\""},
    };
    for (const auto& c : cases) {
        JsonRun run = Call(c.arguments);
        ASSERT_EQ(run.checked, "") << c.arguments;
        EXPECT_EQ(run.status, 2) << c.arguments;
        EXPECT_EQ(run.events.back(), c.result);
        EXPECT_NE(run.err.find("usage: qbx"), std::string::npos) << c.arguments;
    }
}

TEST_F(QbxJson, LinkboxValuesAndTcpStatus) {
    StartSim({"--kind", "A3"});
    JsonRun config = Call("config");
    ASSERT_EQ(config.checked, "");
    EXPECT_EQ(config.status, 0) << config.err;
    ASSERT_EQ(Of(config, "config").size(), 1u);
    EXPECT_NE(Of(config, "config")[0].find("address1=\""), std::string::npos) << config.out;
    EXPECT_NE(Of(config, "config")[0].find(" word2="), std::string::npos) << config.out;

    JsonRun status = Call("tcp-status 127.0.0.1 " + std::to_string(sim.TcpPort()));
    ASSERT_EQ(status.checked, "");
    EXPECT_EQ(status.status, 0) << status.err;
    ASSERT_EQ(Of(status, "tcp-status").size(), 1u);
    EXPECT_NE(Of(status, "tcp-status")[0].find("found=true"), std::string::npos) << status.out;
}

// A scan gives a port event per port as it finishes, then the port chosen.
TEST_F(QbxJson, ScanGivesEveryPortAndTheChoice) {
    StartSim({});
    qbx::test::CSimProcess serial;
    ASSERT_TRUE(serial.Start({"--pty", "--kind", "A2", "--version", "27"})) << serial.Error();
    folder.Write("plain.txt", "no port\n");
    for (int port = 1; port <= 6; ++port) {
        std::string path = port == 4 ? serial.PtyPath() : folder.File("absent" + std::to_string(port));
        if (port == 1) path = folder.File("plain.txt"); // no terminal: a port with a diagnosis
        environment += "QUILLBOX_COM" + std::to_string(port) + "='" + path + "' ";
    }
    JsonRun scan = Call("scan");
    ASSERT_EQ(scan.checked, "");
    EXPECT_EQ(scan.status, 0) << scan.err;
    std::vector<std::string> ports = Of(scan, "port");
    ASSERT_EQ(ports.size(), 6u) << scan.out;
    EXPECT_EQ(ports[3],
              "port port=\"COM4\" found=true status=\"B.V.\" type=\"A2\" version=\"2.7\" device=\"" +
                  std::filesystem::canonical(serial.PtyPath()).string() + "\"");
    EXPECT_NE(ports[0].find("found=false"), std::string::npos) << ports[0];
    EXPECT_NE(ports[0].find("diagnosis=\"" + folder.File("plain.txt")), std::string::npos) << ports[0];
    EXPECT_EQ(ports[1].find("diagnosis"), std::string::npos) << ports[1];
    EXPECT_EQ(Of(scan, "selected"), (std::vector<std::string>{"selected port=\"COM4\""}));
    EXPECT_NE(scan.err.find("selected: COM4"), std::string::npos); // the human lines on standard error
}

// A file name that is not UTF-8 reaches the events repaired, never as bytes
// that would break the reader's parser.
TEST_F(QbxJson, NamesThatAreNotUtf8StayParseable) {
    StartSim({});
    JsonRun run = Call("upload 2=\"$(printf 'Kessel\\374\\342\\202.dat')\"");
    ASSERT_EQ(run.checked, "");
    EXPECT_EQ(run.status, 1);
    std::vector<std::string> notes = Of(run, "note");
    ASSERT_EQ(notes.size(), 1u) << run.out;
    EXPECT_NE(notes[0].find("/Kessel\uFFFD\uFFFD.dat\""), std::string::npos) << notes[0];
    EXPECT_NE(run.err.find("Kessel\xFC\xE2\x82.dat"), std::string::npos); // standard error keeps the bytes
}

} // namespace

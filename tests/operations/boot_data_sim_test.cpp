// The LINKBOX data image written and read back against the simulator, over
// loopback TCP and a pseudo-terminal, and the failures its faults provoke.
#include "operations/boot_data_messages.h"
#include "operations/boot_data_transfer.h"
#include "recording_host.h"
#include "sim_link.h"
#include "tests/support/temp_folder.h"
#include "transfer_script.h"

namespace qbx {
namespace {

class BootDataSim : public testing::TestWithParam<Line> {
  protected:
    bool Start(std::vector<std::string> arguments, const char* kind = "A3") {
        arguments.insert(arguments.end(), {"--kind", kind});
        return link.Start(GetParam(), arguments);
    }

    // Prepares a read into `name`, recording the name the device offered.
    bool PrepareRead(CRecordingHost& host, const std::string& name, BootDataJob& job) {
        return PrepareBootDataRead(
            host,
            [&](const std::string& name_, std::string& path) {
                offered = name_;
                path = files.File(name);
                return true;
            },
            job, link.Options());
    }

    // Reads the device's image into `name`; true when it went through.
    bool Read(CRecordingHost& host, const std::string& name) {
        BootDataJob job;
        return PrepareRead(host, name, job) && RunBootDataRead(host, job, link.Options());
    }

    bool Write(CRecordingHost& host, const std::string& path) {
        BootDataJob job;
        return PrepareBootDataWrite(host, path, job) && RunBootDataWrite(host, job, link.Options());
    }

    std::string SaveLinkboxFile(const std::string& name, std::uint32_t size) {
        FunctionDataImage image = test::PatternImage(size, 0xA3);
        EXPECT_TRUE(image.Save(files.File(name)));
        return files.File(name);
    }

    SimLink link;
    TempFolder files;
    std::string offered;
};

TEST_P(BootDataSim, WrittenImageComesBackByteForByteUnderItsOldName) {
    ASSERT_TRUE(Start({"--block", "200"})) << link.sim.Error();
    const std::string original = SaveLinkboxFile("Kessel Süd.dat", 0x1234);
    CRecordingHost writing;
    ASSERT_TRUE(Write(writing, original));
    EXPECT_EQ(writing.Numbers(), "");
    EXPECT_EQ(writing.statuses.back(), 11506);

    CRecordingHost reading{boot_data::kGroup};
    ASSERT_TRUE(Read(reading, "copy.dat"));
    EXPECT_EQ(reading.Numbers(), "");
    EXPECT_EQ(offered, "Kessel Süd");
    EXPECT_EQ(files.Read("copy.dat"), files.Read("Kessel Süd.dat"));
    EXPECT_EQ(reading.statuses.back(), 11505);
    EXPECT_EQ(std::count(link.pauses.begin(), link.pauses.end(), 100), 2);
}

TEST_P(BootDataSim, ASeededImageOfAnyDeviceBlockSizeIsRead) {
    ASSERT_TRUE(Start({"--boot-data", "Werkseinstellung:100"})) << link.sim.Error();
    CRecordingHost host{boot_data::kGroup};
    ASSERT_TRUE(Read(host, "factory.dat"));
    EXPECT_EQ(offered, "Werkseinstellung");
    FunctionDataImage image;
    ASSERT_EQ(image.Load(files.File("factory.dat")), 0);
    EXPECT_EQ(image.Size(), 100u);
    EXPECT_EQ(image.Header().deviceCode, 0xA3);
    EXPECT_EQ(host.positions, (std::vector<std::uint32_t>{0, 0, 0, 64, 100}));
}

TEST_P(BootDataSim, WaitFramesAnywhereDoNotStopTheWrite) {
    ASSERT_TRUE(Start({"--block", "100", "--busy", "7", "--busy", "3@2", "--busy", "12@5"}))
        << link.sim.Error();
    CRecordingHost host{boot_data::kGroup};
    ASSERT_TRUE(Write(host, SaveLinkboxFile("busy.dat", 0x190))) << host.Numbers();
    ASSERT_TRUE(Read(host, "back.dat"));
    EXPECT_EQ(files.Read("back.dat"), files.Read("busy.dat"));
}

TEST_P(BootDataSim, AFailedReadLeavesTheOldFileAsItWas) {
    struct Case {
        std::vector<std::string> sim;
        std::string messages;
    } const cases[] = {
        {{"--device-error", "22@3"}, "80"},
        {{"--device-error", "77@2"}, "86"},
        {{"--refuse-data"}, "75"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.messages);
        std::vector<std::string> sim = c.sim;
        sim.insert(sim.end(), {"--boot-data", "alt:0x200"});
        ASSERT_TRUE(Start(sim)) << link.sim.Error();
        files.Write("old.dat", "an older backup");
        CRecordingHost host{boot_data::kGroup};
        EXPECT_FALSE(Read(host, "old.dat"));
        EXPECT_EQ(host.Numbers(), c.messages);
        EXPECT_EQ(files.Read("old.dat"), "an older backup");
        link.sim.Stop();
    }
}

TEST_P(BootDataSim, TheDeviceRefusesBlocksBeyondItsImage) {
    ASSERT_TRUE(Start({"--boot-data", "alt:0x200"})) << link.sim.Error();
    CRecordingHost host{boot_data::kGroup};
    BootDataJob job;
    ASSERT_TRUE(PrepareRead(host, "new.dat", job));
    job.image.Prepare({3, 0xA3, "", "", 0x240}); // larger than the device's
    EXPECT_FALSE(RunBootDataRead(host, job, link.Options()));
    EXPECT_EQ(host.Numbers(), "75");
    EXPECT_EQ(host.positions.back(), 0x1C0u);
    EXPECT_FALSE(files.Exists("new.dat"));
}

TEST_P(BootDataSim, ARequestPastTheFileIsRefusedAndTheDeviceKeepsItsImage) {
    ASSERT_TRUE(Start({"--boot-data", "alt:0x40", "--extra-request", "2=0x3F0:64"})) << link.sim.Error();
    CRecordingHost host{boot_data::kGroup};
    EXPECT_FALSE(Write(host, SaveLinkboxFile("new.dat", 0x400)));
    EXPECT_EQ(host.Numbers(), "45");
    CRecordingHost reading{boot_data::kGroup};
    ASSERT_TRUE(Read(reading, "kept.dat"));
    EXPECT_EQ(offered, "alt");
    FunctionDataImage kept;
    ASSERT_EQ(kept.Load(files.File("kept.dat")), 0);
    EXPECT_EQ(kept.Size(), 0x40u);
}

TEST_P(BootDataSim, OtherBootloadersAreRefusedAtEveryStep) {
    ASSERT_TRUE(Start({}, "A2")) << link.sim.Error();
    CRecordingHost host{boot_data::kGroup};
    BootDataJob job;
    EXPECT_FALSE(PrepareRead(host, "x.dat", job));
    EXPECT_FALSE(Write(host, SaveLinkboxFile("linkbox.dat", 0x10)));
    job.image.Prepare({3, 0xA3, "", "", 0x10});
    job.path = files.File("x.dat");
    EXPECT_FALSE(RunBootDataRead(host, job, link.Options()));
    EXPECT_EQ(host.Numbers(), "11 22 60");
    EXPECT_FALSE(files.Exists("x.dat"));
}

INSTANTIATE_TEST_SUITE_P(Lines, BootDataSim, testing::Values(Line::Tcp, Line::Serial),
                         [](const auto& info) { return info.param == Line::Tcp ? "Tcp" : "Serial"; });

// Faults over TCP, where every command is tried once, so each reaches its number.
TEST(BootDataSimFaults, LineFaultsReachTheirNumbers) {
    struct Case {
        const char* name;
        std::vector<std::string> sim;
        bool write;
        std::string messages;
    } const cases[] = {
        {"read: request not acknowledged", {"--wrong-ack", "1"}, false, "70"},
        {"read: reply with a wrong sum", {"--bad-sum", "1"}, false, "74"},
        {"read: no identification", {"--silent", "1"}, false, "59"},
        {"write: request with a wrong sum", {"--bad-sum", "1"}, true, "33"},
        {"write: header not acknowledged", {"--wrong-ack", "1"}, true, "25"},
        {"write: no identification", {"--silent", "1"}, true, "21"},
        {"write: device error", {"--device-error", "31@2"}, true, "40"},
    };
    TempFolder files;
    FunctionDataImage image = test::PatternImage(0x100, 0xA3);
    ASSERT_TRUE(image.Save(files.File("linkbox.dat")));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimLink link;
        std::vector<std::string> sim = c.sim;
        sim.insert(sim.end(), {"--kind", "A3", "--boot-data", "x:0x100"});
        ASSERT_TRUE(link.Start(Line::Tcp, sim)) << link.sim.Error();
        CRecordingHost host{boot_data::kGroup};
        BootDataJob job;
        if (c.write) {
            ASSERT_TRUE(PrepareBootDataWrite(host, files.File("linkbox.dat"), job));
            EXPECT_FALSE(RunBootDataWrite(host, job, link.Options()));
        } else {
            job.image.Prepare({3, 0xA3, "", "", 0x100});
            job.path = files.File("read.dat");
            EXPECT_FALSE(RunBootDataRead(host, job, link.Options()));
            EXPECT_FALSE(files.Exists("read.dat"));
        }
        EXPECT_EQ(host.Numbers(), c.messages);
    }
}

} // namespace
} // namespace qbx

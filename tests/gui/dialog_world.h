#pragma once
#include "formats/function_data_image.h"
#include "platform/program_folder.h"
#include "tests/gui/module_fixture.h"
#include "tests/support/sim_process.h"
#include "tests/support/temp_folder.h"

#include <string>
#include <vector>

// A dialog test against the simulator: a program folder whose settings
// point at a LINKBOX simulator on loopback TCP.
class DeviceDialogTest : public ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        qbx::SetProgramFolder(folder.Path());
    }
    void TearDown() override { qbx::SetProgramFolder(QBX_PROGRAM_DIR); }

    void StartLinkbox(std::vector<std::string> arguments = {}) {
        arguments.insert(arguments.begin(), {"--tcp", "0", "--kind", "A3"});
        ASSERT_TRUE(sim.Start(arguments)) << sim.Error();
        folder.Write("qbx_man.ini", "6\n1\n127.0.0.1\n" + std::to_string(sim.TcpPort()) + "\n");
    }

    // A function-data file of the given layout, its bytes counting up.
    std::string WriteDat(const std::string& name, int format, std::uint8_t device, std::uint32_t size) {
        qbx::FunctionDataImage image;
        qbx::FunctionDataHeader header;
        header.fileFormat = static_cast<std::uint8_t>(format);
        header.deviceCode = device;
        header.firmware = format > 1 ? "V2.10" : "";
        header.bootsector = format > 2 ? "B1" : "";
        header.dataSize = size;
        EXPECT_TRUE(image.Prepare(header));
        for (std::uint32_t i = 0; i < size; ++i)
            image.SetByte(i, static_cast<std::uint8_t>(i * 7));
        std::string path = folder.File(name);
        EXPECT_TRUE(image.Save(path));
        return path;
    }

    // A file name whose full path in `folder` takes `bytes` bytes of UTF-8,
    // made of letters ü (two bytes each) so that it has fewer characters.
    std::string NameOfPathBytes(std::size_t bytes, const std::string& extension) const {
        std::size_t stem = bytes - folder.File("").size() - extension.size();
        std::string name = stem % 2 ? "x" : "";
        while (name.size() < stem)
            name += "\xC3\xBC";
        return name + extension;
    }

    TempFolder folder;
    qbx::test::CSimProcess sim;
};

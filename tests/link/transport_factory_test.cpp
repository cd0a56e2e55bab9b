#include "link/serial_transport.h"
#include "link/tcp_transport.h"
#include "link/transport_factory.h"
#include "link/wire_trace.h"
#include "platform/serial_port_path.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace qbx {
namespace {

TEST(CreateTransport, FollowsTheInterfaceIndex) {
    unsetenv(kTraceVariable);
    CSettings settings;
    settings.ipAddress = "10.1.2.3";
    settings.port = 4711;
    int result = -1;
    settings.interfaceIndex = 2;
    auto serial = CreateTransport(settings, result);
    auto* port = dynamic_cast<CSerialTransport*>(serial.get());
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(result, kTransportCreated);
    EXPECT_EQ(port->PortNumber(), 3);
    EXPECT_EQ(port->BaudRate(), 115200u);

    settings.interfaceIndex = 6;
    auto tcp = CreateTransport(settings, result);
    auto* network = dynamic_cast<CTcpTransport*>(tcp.get());
    ASSERT_NE(network, nullptr);
    EXPECT_EQ(network->Host(), "10.1.2.3");
    EXPECT_EQ(network->Port(), 4711u);

    settings.interfaceIndex = 7;
    EXPECT_EQ(CreateTransport(settings, result), nullptr);
    EXPECT_EQ(result, kTransportInvalidInterface);
}

TEST(SerialPortPath, EnvironmentThenPortsFileThenDefault) {
    char folder[] = "/tmp/qbx-ports-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    std::string file = std::string(folder) + "/ports.ini";
    std::ofstream(file) << "/dev/ttyUSB0\r\n\n  /dev/ttyACM1  \n";
    unsetenv("QUILLBOX_COM1");
    setenv("QUILLBOX_COM3", "/dev/pts/9", 1);
    EXPECT_EQ(SerialPortPath(1, folder), "/dev/ttyUSB0");
    EXPECT_EQ(SerialPortPath(2, folder), "/dev/ttyS1"); // empty line: the default
    EXPECT_EQ(SerialPortPath(3, folder), "/dev/pts/9");
    unsetenv("QUILLBOX_COM3");
    EXPECT_EQ(SerialPortPath(3, folder), "/dev/ttyACM1");
    EXPECT_EQ(SerialPortPath(6, folder), "/dev/ttyS5");
    unlink(file.c_str());
    rmdir(folder);
}

} // namespace
} // namespace qbx

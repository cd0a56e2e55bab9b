// The protocol functions against qbx-sim, where no dialog uses them yet:
// what a misbehaving line does to the next exchange.
#include "link/config_commands.h"
#include "link/identification.h"
#include "link/serial_transport.h"
#include "link/tcp_transport.h"
#include "tests/support/sim_process.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace qbx {
namespace {

enum class Line { Tcp, Serial };

// The simulator with `arguments` and an open transport to it, with short
// time-outs (COM4 stands for the pseudo-terminal).
std::unique_ptr<CTransport> Connect(test::CSimProcess& sim, Line line, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), line == Line::Tcp ? "--tcp" : "--pty");
    if (line == Line::Tcp) arguments.insert(arguments.begin() + 1, "0");
    if (!sim.Start(arguments)) return nullptr;
    std::unique_ptr<CTransport> transport;
    if (line == Line::Tcp) {
        transport = std::make_unique<CTcpTransport>("127.0.0.1", sim.TcpPort(), TcpTiming{300, 300});
    } else {
        setenv("QUILLBOX_COM4", sim.PtyPath().c_str(), 1);
        transport = std::make_unique<CSerialTransport>(4, 115200, SerialTiming{0, 100});
    }
    int error = 0;
    return transport->Open(error) == kOpenOk ? std::move(transport) : nullptr;
}

// A loop-back plug answers the probe with the first five of its eight bytes;
// the other three must not become the next identification's answer (they
// read as type 0x48 with version 0x20).
TEST(LinkAgainstSim, EchoProbeLeavesNothingForTheNextIdentification) {
    for (Line line : {Line::Tcp, Line::Serial}) {
        test::CSimProcess sim;
        auto transport = Connect(sim, line, {"--echo"});
        ASSERT_TRUE(transport) << sim.Error();
        BootloaderId id{1, 1, 1};
        EXPECT_EQ(ProbeBootloader(*transport, id), kProbeAnswered);
        EXPECT_EQ(id.rawType, 0);
        ASSERT_TRUE(IdentifyBootloader(*transport, id));
        EXPECT_EQ(id.rawType, 0x18); // the request's own code byte, echoed afresh
        EXPECT_EQ(id.version, 0);
    }
}

// A configuration write echoed with another value fails; a serial line
// tries five times, so four wrong echoes still end well.
TEST(LinkAgainstSim, WrongEchoOfAConfigurationWrite) {
    struct {
        Line line;
        const char* wrongEchoes;
        bool written;
    } const cases[] = {{Line::Tcp, "1", false}, {Line::Serial, "5", false}, {Line::Serial, "4", true}};
    for (const auto& c : cases) {
        test::CSimProcess sim;
        auto transport = Connect(sim, c.line, {"--wrong-config-echo", c.wrongEchoes});
        ASSERT_TRUE(transport) << sim.Error();
        EXPECT_EQ(WriteConfigByte(*transport, 3), c.written) << c.wrongEchoes;
        std::uint8_t value = 0;
        ASSERT_TRUE(ReadConfigByte(*transport, value));
        EXPECT_EQ(value, c.written ? 3 : 1) << c.wrongEchoes;
    }
}

} // namespace
} // namespace qbx

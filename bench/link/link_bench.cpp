// Round trips of ReadSlotHeader against the simulator, as a share of what the
// same byte counts achieve with no protocol at all. The protocol adds reads
// in pieces, checks and a purge per write; it should keep at least 0.8 of
// the raw rate.
#include "bench/support/cpu_placement.h"
#include "bench/support/raw_peer.h"
#include "core/settings_store.h"
#include "link/serial_transport.h"
#include "link/slot_commands.h"
#include "link/tcp_transport.h"
#include "tests/support/sim_process.h"

#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kTarget = 0.8;
// An empty slot: request 8, answer "!C" + status + 1, acknowledgement 2.
constexpr ExchangeShape kShape{8, 4, 2};

template <class F> double Rate(F exchange, double seconds) {
    int count = 0;
    auto start = Clock::now();
    auto end = start + std::chrono::duration<double>(seconds);
    while (Clock::now() < end) {
        if (!exchange()) return 0;
        ++count;
    }
    return count / std::chrono::duration<double>(Clock::now() - start).count();
}

// The raw client: writes the request, reads the whole answer, writes the acknowledgement.
bool RawExchange(int fd) {
    unsigned char request[8] = {0x20, 0x10, 0x41, 0, 0, 0, 0, 0x71}, reply[64], ack[2] = {0x21, 0x43};
    return WriteAll(fd, request, kShape.requestSize) && ReadExactly(fd, reply, kShape.replySize) &&
           WriteAll(fd, ack, kShape.ackSize);
}

// Program and device side on CPUs of their own, for the baseline and the
// measurement alike (see bench::Placement).
const bench::Placement kApart{"apart", 0, 1};

double RawTcp(double seconds) {
    CRawPeer peer;
    if (bench::CDeviceCpu on(kApart); !peer.StartTcp(kShape)) return 0;
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(peer.TcpPort()));
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return 0;
    int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    double rate = Rate([fd] { return RawExchange(fd); }, seconds);
    close(fd);
    return rate;
}

double RawPty(double seconds) {
    CRawPeer peer;
    if (bench::CDeviceCpu on(kApart); !peer.StartPty(kShape)) return 0;
    int fd = open(peer.PtyPath().c_str(), O_RDWR | O_NOCTTY);
    if (fd < 0) return 0;
    double rate = Rate([fd] { return RawExchange(fd); }, seconds);
    close(fd);
    return rate;
}

double ProtocolRate(qbx::CTransport& transport, double seconds) {
    int error = 0;
    if (transport.Open(error) != qbx::kOpenOk) return 0;
    qbx::SlotHeader header;
    return Rate([&] { return qbx::ReadSlotHeader(transport, header); }, seconds);
}

double SimTcp(double seconds) {
    qbx::test::CSimProcess sim;
    if (bench::CDeviceCpu on(kApart); !sim.Start({"--tcp", "0"})) return 0;
    qbx::CTcpTransport transport("127.0.0.1", sim.TcpPort());
    return ProtocolRate(transport, seconds);
}

double SimPty(double seconds) {
    qbx::test::CSimProcess sim;
    if (bench::CDeviceCpu on(kApart); !sim.Start({"--pty"})) return 0;
    setenv("QUILLBOX_COM1", sim.PtyPath().c_str(), 1);
    qbx::SerialTiming timing;
    timing.settleMs = 0; // the opening pause is not part of a round trip
    qbx::CSerialTransport transport(1, 115200, timing);
    return ProtocolRate(transport, seconds);
}

// The protocol client against the raw peer: what the client alone costs.
double ClientOnlyPty(double seconds) {
    CRawPeer peer;
    if (bench::CDeviceCpu on(kApart); !peer.StartPty(kShape)) return 0;
    setenv("QUILLBOX_COM1", peer.PtyPath().c_str(), 1);
    qbx::SerialTiming timing;
    timing.settleMs = 0;
    qbx::CSerialTransport transport(1, 115200, timing);
    return ProtocolRate(transport, seconds);
}

bool Report(const char* line, double protocol, double raw) {
    double ratio = raw > 0 ? protocol / raw : 0;
    std::printf("%-5s ReadSlotHeader %8.0f/s   raw ping-pong %8.0f/s   ratio %.2f (target >= %.1f)\n", line,
                protocol, raw, ratio, kTarget);
    return ratio >= kTarget;
}

} // namespace

int main(int argc, char** argv) {
    double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
    if (getenv("QBX_BENCH_CLIENT_ONLY"))
        std::printf("client only over pty: %.0f/s\n", ClientOnlyPty(seconds));
    bool ok = Report("pty", SimPty(seconds), RawPty(seconds));
    ok = Report("tcp", SimTcp(seconds), RawTcp(seconds)) && ok;
    return ok ? 0 : 1;
}

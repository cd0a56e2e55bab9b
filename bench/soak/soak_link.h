#pragma once
#include "core/settings_store.h"
#include "link/protocol_constants.h"
#include "link/transport.h"
#include "link/transport_factory.h"
#include "operations/connection.h"

#include <memory>

// The waits of the soak run: the line's time-outs and the protocol's fixed
// pauses, shortened so that ten thousand transfers, many of them waiting
// out a silent device, run in minutes. The simulator's quiet time keeps its
// production ratio to the program's read time-out (200 ms to 500 ms).
namespace soak {

struct SoakTiming {
    int serialReadMs = 100; // production 500, plus 1 ms per byte in both
    int tcpMs = 200;        // production 10000, sending and receiving
    int simQuietMs = 40;    // production 200
    int pauseDivisor = 20;  // the fixed pauses (100 ms to 2 s) waited at this fraction

    // The longest one read may wait on this line, the per-byte part included.
    int ReadLimitMs(bool serial) const { return serial ? serialReadMs + 255 : tcpMs; }
    static int Attempts(bool serial) {
        return serial ? qbx::exchange::kSerialAttempts : qbx::exchange::kNetworkAttempts;
    }
};

// The real transport, its fixed pauses shortened.
class CShortPauses : public qbx::CTransport {
  public:
    CShortPauses(std::unique_ptr<qbx::CTransport> inner, int divisor)
        : inner(std::move(inner)), divisor(divisor) {}
    bool IsNetwork() const override { return inner->IsNetwork(); }
    int Open(int& error) override { return inner->Open(error); }
    void Close() override { inner->Close(); }
    int Write(const std::uint8_t* data, int len) override { return inner->Write(data, len); }
    int Read(std::uint8_t* data, int len) override { return inner->Read(data, len); }
    void Pause(int milliseconds) override { inner->Pause(milliseconds / divisor); }

  private:
    std::unique_ptr<qbx::CTransport> inner;
    int divisor;
};

// Connect options that reach `settings` with the soak's waits.
inline qbx::ConnectOptions SoakOptions(const qbx::CSettings& settings, const SoakTiming& waits) {
    qbx::ConnectOptions options;
    options.settings = &settings;
    options.timing.serial.settleMs = 0;
    options.timing.serial.readBaseMs = waits.serialReadMs;
    options.timing.tcp.receiveTimeoutMs = waits.tcpMs;
    options.timing.tcp.sendTimeoutMs = waits.tcpMs;
    options.createTransport = [divisor = waits.pauseDivisor, timing = options.timing](
                                  const qbx::CSettings& s, int& result) -> std::unique_ptr<qbx::CTransport> {
        auto real = qbx::CreateTransport(s, result, timing);
        return real ? std::make_unique<CShortPauses>(std::move(real), divisor) : nullptr;
    };
    return options;
}

} // namespace soak

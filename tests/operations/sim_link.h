#pragma once
#include "core/settings_store.h"
#include "link/transport.h"
#include "link/transport_factory.h"
#include "operations/connection.h"
#include "tests/support/sim_process.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// The real transports with their fixed pauses taken as records, so that a
// test against the simulator runs at the speed of the line.
class CRecordedPauses : public qbx::CTransport {
  public:
    CRecordedPauses(std::unique_ptr<qbx::CTransport> inner, std::vector<int>& pauses)
        : inner(std::move(inner)), pauses(pauses) {}
    bool IsNetwork() const override { return inner->IsNetwork(); }
    int Open(int& error) override { return inner->Open(error); }
    void Close() override { inner->Close(); }
    int Write(const std::uint8_t* data, int len) override { return inner->Write(data, len); }
    int Read(std::uint8_t* data, int len) override { return inner->Read(data, len); }
    void Pause(int milliseconds) override { pauses.push_back(milliseconds); }

  private:
    std::unique_ptr<qbx::CTransport> inner;
    std::vector<int>& pauses;
};

enum class Line { Tcp, Serial };

// A simulator on loopback TCP or on its own pseudo-terminal (as COM1), and
// the settings and connect options that reach it with short time-outs.
class SimLink {
  public:
    bool Start(Line line, std::vector<std::string> arguments) {
        this->line = line;
        if (line == Line::Tcp) {
            arguments.insert(arguments.begin(), {"--tcp", "0"});
        } else {
            arguments.insert(arguments.begin(), "--pty");
        }
        if (!sim.Start(arguments)) return false;
        if (line == Line::Tcp) {
            settings.interfaceIndex = 6;
            settings.ipAddress = "127.0.0.1";
            settings.port = sim.TcpPort();
        } else {
            settings.interfaceIndex = 0;
            setenv("QUILLBOX_COM1", sim.PtyPath().c_str(), 1);
        }
        return true;
    }

    qbx::ConnectOptions Options() {
        qbx::ConnectOptions options;
        options.settings = &settings;
        options.timing.serial.settleMs = 0;
        options.timing.serial.readBaseMs = 150;
        options.timing.tcp.receiveTimeoutMs = 300;
        options.timing.tcp.sendTimeoutMs = 300;
        options.createTransport = [this,
                                   timing = options.timing](const qbx::CSettings& s,
                                                            int& result) -> std::unique_ptr<qbx::CTransport> {
            auto real = qbx::CreateTransport(s, result, timing);
            return real ? std::make_unique<CRecordedPauses>(std::move(real), pauses) : nullptr;
        };
        return options;
    }

    Line line = Line::Tcp;
    qbx::test::CSimProcess sim;
    qbx::CSettings settings;
    std::vector<int> pauses;
};

#pragma once
#include "bench/support/paced_replay.h"
#include "core/settings_store.h"
#include "link/transport.h"
#include "link/transport_factory.h"
#include "operations/connection.h"
#include "operations/operation_host.h"

#include <cstdio>
#include <memory>

// What crossed the line during one operation: bytes both ways, and the
// fixed pauses the protocol asked for.
struct LineMeter {
    long long bytes = 0;
    int pauseMs = 0;
    bench::LinkScript script; // every call, for the raw paced baseline
};

// The real transport, counted. Paced runs wait the pauses as the program
// does; unpaced runs only record them, so that they measure the data flow.
class CMeteredTransport : public qbx::CTransport {
  public:
    CMeteredTransport(std::unique_ptr<qbx::CTransport> inner, LineMeter& meter, bool waitPauses)
        : inner(std::move(inner)), meter(meter), waitPauses(waitPauses) {}
    bool IsNetwork() const override { return inner->IsNetwork(); }
    int Open(int& error) override {
        const int result = inner->Open(error);
        if (result == qbx::kOpenOk) bench::Record(meter.script, bench::LinkStep::Open, nullptr, 0);
        return result;
    }
    void Close() override { inner->Close(); }
    bool CombinesWrites() const override { return inner->CombinesWrites(); }
    int Write(const std::uint8_t* data, int len) override {
        const int n = inner->Write(data, len);
        bench::Record(meter.script, bench::LinkStep::Write, data, n);
        return Count(n);
    }
    int Read(std::uint8_t* data, int len) override {
        const int n = inner->Read(data, len);
        bench::Record(meter.script, bench::LinkStep::Read, data, n);
        return Count(n);
    }
    void Pause(int milliseconds) override {
        meter.pauseMs += milliseconds;
        if (waitPauses) inner->Pause(milliseconds);
        bench::Record(meter.script, bench::LinkStep::Pause, nullptr, 0, milliseconds);
    }

  private:
    int Count(int n) {
        if (n > 0) meter.bytes += n;
        return n;
    }
    std::unique_ptr<qbx::CTransport> inner;
    LineMeter& meter;
    bool waitPauses;
};

// Connect options for `settings` whose transports report to `meter`.
// Unpaced runs also skip the serial settling pause.
// `classic`: the transports' former exchange, for a before-and-after.
inline qbx::ConnectOptions MeteredOptions(const qbx::CSettings& settings, LineMeter& meter, bool paced,
                                          bool classic = false) {
    qbx::ConnectOptions options;
    options.settings = &settings;
    if (!paced) options.timing.serial.settleMs = 0;
    options.timing.serial.classicExchange = options.timing.tcp.classicExchange = classic;
    options.createTransport = [&meter, paced, timing = options.timing](
                                  const qbx::CSettings& s, int& result) -> std::unique_ptr<qbx::CTransport> {
        auto real = qbx::CreateTransport(s, result, timing);
        return real ? std::make_unique<CMeteredTransport>(std::move(real), meter, paced) : nullptr;
    };
    return options;
}

// Prints whatever the operation has to say; a benchmark run expects silence.
class CBenchHost : public qbx::COperationHost {
  public:
    void ShowMessage(int number, int stringId, const std::vector<qbx::MessageArg>& = {}) override {
        std::fprintf(stderr, "message %d (string %d)\n", number, stringId);
    }
    void ShowMessageText(int number, const std::string& text) override {
        std::fprintf(stderr, "message %d: %s\n", number, text.c_str());
    }
    bool AskQuestion(int number, int, const std::vector<qbx::MessageArg>& = {}) override {
        std::fprintf(stderr, "question %d answered No\n", number);
        return false;
    }
    std::string String(int stringId) override { return std::to_string(stringId); }
};

#pragma once
#include "link/transport.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace qbx::test {

using Bytes = std::vector<std::uint8_t>;

Bytes operator+(Bytes a, const Bytes& b);
inline Bytes Ack() {
    return {0x21, 0x43};
}
inline Bytes Nak() {
    return {0x00, 0xFF};
}
Bytes WithSum(Bytes data); // `data` and its 8-bit sum
inline Bytes Request(std::uint8_t code, std::uint8_t parameter = 0) {
    return WithSum({0x20, 0x10, code, parameter, 0, 0, 0});
}
std::string Hex(const Bytes& bytes);

// An in-memory link that plays a script: each Write must match the next
// expected write, each Read gets the next scripted answer (fewer bytes than
// asked make a short read, none a time-out, nullopt an error). Calls beyond
// the script and steps left over fail the test. Pauses are recorded;
// `writes` holds each Write call as made.
class CScriptedTransport : public CTransport {
  public:
    explicit CScriptedTransport(bool network = false) : network(network) {}
    ~CScriptedTransport() override;

    // The next Write must carry `bytes` (nullopt: anything) and returns
    // `result` (default: all of them).
    CScriptedTransport& ExpectWrite(std::optional<Bytes> bytes, std::optional<int> result = std::nullopt);
    CScriptedTransport& Answer(std::optional<Bytes> bytes);
    CScriptedTransport& Silence() { return Answer(Bytes{}); }

    bool IsNetwork() const override { return network; }
    int Open(int& error) override { return error = 0; }
    void Close() override {}
    int Write(const std::uint8_t* data, int len) override;
    int Read(std::uint8_t* data, int len) override;
    void Pause(int milliseconds) override { pauses.push_back(milliseconds); }

    std::vector<Bytes> writes;
    std::vector<int> readLengths;
    std::vector<int> pauses;

  private:
    struct Step {
        bool isWrite;
        std::optional<Bytes> bytes;
        std::optional<int> result;
    };
    std::optional<Step> Next(bool isWrite);
    bool network;
    std::deque<Step> script;
};

} // namespace qbx::test

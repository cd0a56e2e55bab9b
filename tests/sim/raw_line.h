#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The tests' own byte-level client for qbx-sim, independent of the
// simulator's code and of the program's link layer.
namespace qbx::test {

using CWire = std::vector<std::uint8_t>;

// Upper bound for an answer the simulator owes; reached only on failure.
constexpr int kAnswerWaitMs = 3000;

// A request frame 0x20 0x10 code p3 0 0 0 with its 8-bit sum.
CWire RequestFrame(std::uint8_t code, std::uint8_t p3 = 0);
// `bytes` followed by their 8-bit sum.
CWire WithSum(CWire bytes);
// A data-phase frame: kind 0x10 code, the 24-bit address LSB first, count, sum.
CWire BlockFrame(std::uint8_t kind, std::uint8_t code, std::uint32_t address, std::uint8_t count);

inline const CWire kIdentify{0x20, 0x10, 0x18, 0x00, 0x00, 0x00, 0x00, 0x48};
inline const CWire kAck{0x21, 0x43};
inline const CWire kNak{0x00, 0xFF};

class CRawLine {
  public:
    CRawLine() = default;
    ~CRawLine();
    CRawLine(const CRawLine&) = delete;
    CRawLine& operator=(const CRawLine&) = delete;

    bool ConnectTcp(std::uint16_t port);
    // Opens a pty slave in raw mode.
    bool OpenTerminal(const std::string& path);
    void Close();

    bool Write(const CWire& bytes);
    // Returns once `count` bytes are in, or with what came within `waitMs`.
    CWire Read(std::size_t count, int waitMs = kAnswerWaitMs);
    // Writes `request` and reads `count` bytes.
    CWire Exchange(const CWire& request, std::size_t count) { return Write(request) ? Read(count) : CWire{}; }
    // True when the peer closes the connection within `waitMs`.
    bool ClosedByPeer(int waitMs = kAnswerWaitMs);

  private:
    int fd = -1;
};

} // namespace qbx::test

#include "link/config_commands.h"

#include "link/command_exchange.h"
#include "link/wire_bytes.h"

namespace qbx {
namespace {

constexpr int kDataAt = frame::kAckSize;
constexpr int kConfigAnswerSize = kDataAt + record::kConfigDataSize + 1;
constexpr int kNetworkAnswerSize = kDataAt + record::kNetworkSettingsSize + 1;

// "!C", `dataSize` bytes and their sum. The device gets "!C" as soon as the
// bytes are in, before the sum is judged.
bool ReadSummedAnswer(CTransport& transport, std::uint8_t* answer, int dataSize) {
    const int total = kDataAt + dataSize + 1;
    if (!ReadExactly(transport, answer, total) || !StartsWithAck(answer)) return false;
    (void)WriteAck(transport);
    return Sum8(answer + kDataAt, dataSize) == answer[total - 1];
}

} // namespace

bool ReadConfigByte(CTransport& transport, std::uint8_t& value) {
    return RunCommand(transport, command::kReadConfigByte, 0, [&] {
        std::uint8_t answer[kConfigAnswerSize] = {};
        if (!ReadSummedAnswer(transport, answer, record::kConfigDataSize)) return false;
        value = answer[kDataAt];
        return true;
    });
}

bool WriteConfigByte(CTransport& transport, std::uint8_t value) {
    return RunCommand(transport, command::kWriteConfigByte, value, [&] {
        std::uint8_t answer[kConfigAnswerSize] = {};
        return ReadSummedAnswer(transport, answer, record::kConfigDataSize) && answer[kDataAt] == value;
    });
}

bool ReadNetworkSettings(CTransport& transport, NetworkSettings& settings) {
    return RunCommand(transport, command::kReadNetworkSettings, 0, [&] {
        std::uint8_t answer[kNetworkAnswerSize] = {};
        if (!ReadSummedAnswer(transport, answer, record::kNetworkSettingsSize)) return false;
        settings = DecodeNetworkSettings(answer + kDataAt);
        return true;
    });
}

bool WriteNetworkSettings(CTransport& transport, const NetworkSettings& settings) {
    std::uint8_t block[record::kNetworkSettingsSize + 1] = {};
    EncodeNetworkSettings(settings, block);
    block[record::kNetworkSettingsSize] = Sum8(block, record::kNetworkSettingsSize);
    return RunCommand(transport, command::kWriteNetworkSettings, 0, [&] {
        return ReadAck(transport) && WriteExactly(transport, block, record::kNetworkSettingsSize + 1) &&
               ReadAck(transport);
    });
}

} // namespace qbx

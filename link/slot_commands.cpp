#include "link/slot_commands.h"

#include "core/device_charset.h"
#include "link/command_exchange.h"
#include "link/wire_bytes.h"

#include <vector>

namespace qbx {
namespace {

constexpr int kSlotAnswerSize = 4;                                           // "!C" and two unused bytes
constexpr int kHeaderAnswerSize = frame::kAckSize + record::kHeaderSize + 1; // "!C", header, closing byte
constexpr int kHeaderAt = frame::kAckSize;

bool SlotCommand(CTransport& transport, std::uint8_t code, std::uint8_t slot) {
    return RunCommand(transport, code, slot, [&] {
        std::uint8_t answer[kSlotAnswerSize] = {};
        if (!ReadExactly(transport, answer, kSlotAnswerSize) || !StartsWithAck(answer)) return false;
        (void)WriteAck(transport);
        return true;
    });
}

// "!C", then the block and its sum, then "!C".
bool SendRecord(CTransport& transport, std::uint8_t code, std::vector<std::uint8_t> block) {
    block.push_back(Sum8(block.data(), static_cast<int>(block.size())));
    const int total = static_cast<int>(block.size());
    return RunCommand(transport, code, 0, [&] {
        return ReadAck(transport) && WriteExactly(transport, block.data(), total) && ReadAck(transport);
    });
}

std::vector<std::uint8_t> FullHeader(const SlotHeader& header) {
    std::vector<std::uint8_t> block(record::kHeaderSize);
    EncodeSlotHeader(header, block.data());
    return block;
}

} // namespace

bool ClearSlot(CTransport& transport, std::uint8_t slot) {
    return SlotCommand(transport, command::kClearSlot, slot);
}

bool SelectSlot(CTransport& transport, std::uint8_t slot) {
    return SlotCommand(transport, command::kSelectSlot, slot);
}

bool ReadSlotHeader(CTransport& transport, SlotHeader& header) {
    return RunCommand(transport, command::kReadSlotHeader, 0, [&] {
        std::uint8_t answer[kHeaderAnswerSize] = {};
        const int start = kHeaderAt + 1; // "!C" and the status
        if (!ReadExactly(transport, answer, start) || !StartsWithAck(answer)) return false;
        const std::uint8_t status = answer[kHeaderAt];
        const bool hasData = status == record::kStatusHasData;
        // The rest of the header and the closing byte, or the closing byte alone.
        const int rest = hasData ? kHeaderAnswerSize - start : 1;
        if (!ReadExactly(transport, answer + start, rest)) return false;
        (void)WriteAck(transport);
        if (!hasData) {
            header = SlotHeader{};
            header.status = status;
            return true;
        }
        header = DecodeSlotHeader(answer + kHeaderAt);
        header.description = FromDeviceCharset(header.description);
        return true;
    });
}

bool WriteSlotHeader(CTransport& transport, const SlotHeader& header) {
    // Converted once, on a copy: a retry must send the same bytes, and
    // converting device characters a second time would blank them.
    SlotHeader sent = header;
    sent.description = ToDeviceCharset(header.description);
    return SendRecord(transport, command::kWriteSlotHeader, FullHeader(sent));
}

bool ReadDeviceHeader(CTransport& transport, SlotHeader& header) {
    return RunCommand(transport, command::kReadDeviceHeader, 0, [&] {
        std::uint8_t answer[kHeaderAnswerSize] = {};
        if (!ReadExactly(transport, answer, kHeaderAnswerSize) || !StartsWithAck(answer)) return false;
        (void)WriteAck(transport);
        if (Sum8(answer + kHeaderAt, record::kHeaderSize) != answer[kHeaderAnswerSize - 1]) return false;
        header = DecodeSlotHeader(answer + kHeaderAt);
        return true;
    });
}

bool WriteDeviceHeader(CTransport& transport, const SlotHeader& header) {
    return SendRecord(transport, command::kWriteDeviceHeader, FullHeader(header));
}

bool WriteShortHeader(CTransport& transport, const SlotHeader& header) {
    std::vector<std::uint8_t> block(record::kShortHeaderSize);
    EncodeShortHeader(header, block.data());
    return SendRecord(transport, command::kWriteShortHeader, std::move(block));
}

} // namespace qbx

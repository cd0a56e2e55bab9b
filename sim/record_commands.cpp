#include "sim/bootloader_commands.h"

#include <algorithm>

namespace qbx::sim {

namespace {

// "!C", the payload, and (when `summed`) the payload's sum for the program to check.
CAnswer AckedAnswer(const CBytes& payload, bool summed) {
    CAnswer answer{CBytes(2 + payload.size() + (summed ? 1 : 0)), true, -1};
    answer.bytes[0] = kAck0;
    answer.bytes[1] = kAck1;
    std::copy(payload.begin(), payload.end(), answer.bytes.begin() + 2);
    if (summed) {
        answer.sumAt = static_cast<int>(answer.bytes.size() - 1);
        answer.bytes.back() = Sum8(payload);
    }
    return answer;
}

CBytes EncodedHeader(const CHeaderRecord& header) {
    CBytes bytes(kHeaderSize);
    header.Encode(bytes.data());
    return bytes;
}

// "!C", then `len` bytes whose last one is the sum of the others; a good
// block is stored and acknowledged, a bad one answered with 0x00 0xFF.
// `store` tells whether the device's memory changed.
void ReceiveChecked(CProtocolEngine& engine, std::size_t len,
                    std::function<bool(CProtocolEngine&, const std::uint8_t*)> store) {
    if (!engine.SendAck()) return;
    engine.ExpectBlock(len + 1, [len, store](CProtocolEngine& e, const CBytes& block) {
        if (Sum8(block.data(), len) != block[len]) {
            e.SendNak();
            return;
        }
        if (store(e, block.data())) e.Changed();
        e.SendAck();
    });
}

// Answer bytes 2 and 3 of slot commands: the slot and its status.
void SlotCommand(CProtocolEngine& engine, const CFrame& request, bool clear) {
    const int number = request[3];
    if (!CDeviceState::IsSlotNumber(number)) {
        engine.Refuse(request);
        return;
    }
    CSlot& slot = engine.State().Slot(number);
    if (clear) {
        slot = CSlot{};
        engine.DropHeldHeader(number);
        engine.Changed();
    } else {
        engine.SelectSlot(number);
    }
    engine.Answer(AckedAnswer({request[3], slot.header.status}, false), true);
}

// Status byte, then either the rest of the header or nothing, then a
// closing byte (the header's sum; the program does not check it).
void ReadSlotHeader(CProtocolEngine& engine, const CFrame&) {
    const CHeaderRecord& header = engine.State().Slot(engine.SelectedSlot()).header;
    CBytes payload = header.status == kStatusHasData ? EncodedHeader(header) : CBytes{header.status};
    payload.push_back(Sum8(payload));
    engine.Answer(AckedAnswer(payload, false), true);
}

// Only the LINKBOX keeps a data image of its own.
void ReadDeviceHeader(CProtocolEngine& engine, const CFrame& request) {
    if (!engine.Profile().HasDataImage()) {
        engine.Refuse(request);
        return;
    }
    engine.Answer(AckedAnswer(EncodedHeader(engine.State().deviceHeader), true), true);
}

void ConfigAnswer(CProtocolEngine& engine, std::uint8_t value) {
    CBytes data(kConfigDataSize, 0);
    data[0] = value;
    engine.Answer(AckedAnswer(data, true), true);
}

// The answer echoes the byte now held. An injected wrong echo reports
// another value, as a write that did not take would; nothing is stored.
void WriteConfigByte(CProtocolEngine& engine, const CFrame& request) {
    if (engine.Faults().TakeWrongConfigEcho()) {
        ConfigAnswer(engine, static_cast<std::uint8_t>(request[3] + 1));
        return;
    }
    if (engine.State().configByte != request[3]) {
        engine.State().configByte = request[3];
        engine.Changed();
    }
    ConfigAnswer(engine, engine.State().configByte);
}

void ReadNetworkSettings(CProtocolEngine& engine, const CFrame& request) {
    if (!engine.Profile().HasNetworkSettings()) {
        engine.Refuse(request);
        return;
    }
    CBytes bytes(kNetworkSize);
    engine.State().network.Encode(bytes.data());
    engine.Answer(AckedAnswer(bytes, true), true);
}

void WriteNetworkSettings(CProtocolEngine& engine, const CFrame& request) {
    if (!engine.Profile().HasNetworkSettings()) {
        engine.Refuse(request);
        return;
    }
    ReceiveChecked(engine, kNetworkSize, [](CProtocolEngine& e, const std::uint8_t* in) {
        e.State().network = CNetworkRecord::Decode(in);
        return true;
    });
}

} // namespace

void RegisterRecordCommands(CProtocolEngine& engine) {
    engine.Register(kCmdClearSlot, [](CProtocolEngine& e, const CFrame& f) { SlotCommand(e, f, true); });
    engine.Register(kCmdSelectSlot, [](CProtocolEngine& e, const CFrame& f) { SlotCommand(e, f, false); });
    engine.Register(kCmdReadSlotHeader, ReadSlotHeader);
    // A slot header announces the upload that follows it: it is held until
    // that upload completes, so that the slot never shows a new header over
    // its old data.
    engine.Register(kCmdWriteSlotHeader, [](CProtocolEngine& e, const CFrame&) {
        ReceiveChecked(e, kHeaderSize, [](CProtocolEngine& en, const std::uint8_t* in) {
            en.HoldHeader(en.SelectedSlot(), CHeaderRecord::Decode(in));
            return false;
        });
    });
    engine.Register(kCmdReadDeviceHeader, ReadDeviceHeader);
    // Likewise the device header announces the data write that follows.
    engine.Register(kCmdWriteDeviceHeader, [](CProtocolEngine& e, const CFrame& request) {
        if (!e.Profile().HasDataImage()) {
            e.Refuse(request);
            return;
        }
        ReceiveChecked(e, kHeaderSize, [](CProtocolEngine& en, const std::uint8_t* in) {
            en.HoldDeviceHeader(CHeaderRecord::Decode(in));
            return false;
        });
    });
    engine.Register(kCmdWriteShortHeader, [](CProtocolEngine& e, const CFrame&) {
        ReceiveChecked(e, kShortHeaderSize, [](CProtocolEngine& en, const std::uint8_t* in) {
            en.State().shortHeader = CHeaderRecord::DecodeShort(in);
            return true;
        });
    });
    engine.Register(kCmdReadConfigByte,
                    [](CProtocolEngine& e, const CFrame&) { ConfigAnswer(e, e.State().configByte); });
    engine.Register(kCmdWriteConfigByte, WriteConfigByte);
    engine.Register(kCmdReadNetworkSettings, ReadNetworkSettings);
    engine.Register(kCmdWriteNetworkSettings, WriteNetworkSettings);
}

} // namespace qbx::sim

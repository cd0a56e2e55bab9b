#pragma once
#include "sim/protocol_engine.h"

// Pieces shared by the data phases of the slot transfers.
namespace qbx::sim {

// A frame whose sum the program checks (and may spoil with --bad-sum).
inline CAnswer CheckedFrame(const CFrame& frame) {
    return {ToBytes(frame), false, static_cast<int>(kFrameSumAt)};
}

// Bytes 2 to 6 of `frame` under another kind: answers, refusals and the
// program's answer headers all repeat the frame they belong to.
inline CFrame Reframed(std::uint8_t kind, const CFrame& frame) {
    return MakeFrame(kind, frame[2], frame[3], frame[4], frame[5], frame[6]);
}

// The device's error report, sent where a block was due.
inline CFrame ErrorFrame(std::uint8_t code) {
    return MakeFrame(kKindError, code);
}

// The refusal (--refuse-data) or the injected device error in place of
// block `number`; true when one of them went out and the phase ends there.
inline bool SentRefusalOrError(CProtocolEngine& engine, const CFrame& refusal, int number) {
    CFaultPlan& faults = engine.Faults();
    if (faults.refuseData) {
        engine.Answer(CheckedFrame(refusal), true);
        return true;
    }
    if (const auto code = faults.TakeDeviceError(number)) {
        engine.Answer(CheckedFrame(ErrorFrame(*code)), true);
        return true;
    }
    return false;
}

// Numbers the blocks of a read the program drives (a slot download, the
// LINKBOX data read) for the faults that name one. The program starts at
// address 0 and asks for the same address again when it repeats a request,
// so the address tells a new block from a repeat.
class CBlockCounter {
  public:
    int Count(std::uint32_t address) {
        if (address == 0)
            number = 1;
        else if (address != lastAddress)
            ++number;
        lastAddress = address;
        return number;
    }

  private:
    std::uint32_t lastAddress = 0;
    int number = 0;
};

// `count` bytes of `data` from `address`, erased memory (0xFF) past its
// end, followed by their sum.
inline CAnswer CheckedData(const CBytes& data, std::uint32_t address, std::size_t count) {
    CAnswer answer{CBytes(count + 1, 0xFF), false, static_cast<int>(count)};
    for (std::size_t i = 0; i < count && address + i < data.size(); ++i)
        answer.bytes[i] = data[address + i];
    answer.bytes[count] = Sum8(answer.bytes.data(), count);
    return answer;
}

} // namespace qbx::sim

#include "sim/protocol_engine.h"

namespace qbx::sim {

namespace {

// What an injected wrong acknowledgement carries instead of "!C".
constexpr std::uint8_t kWrongAckByte = 0x3F; // '?'
// Surplus bytes after an answer: 'Z', a type no device has, so that a
// program that reads them as its next answer shows it.
constexpr std::uint8_t kSurplusByte = 0x5A;

} // namespace

CProtocolEngine::CProtocolEngine(const CDeviceProfile& deviceProfile, CDeviceState& deviceState,
                                 CFaultPlan& faultPlan, IDeviceLine& deviceLine)
    : profile(deviceProfile), state(deviceState), faults(faultPlan), line(deviceLine) {}

void CProtocolEngine::SetModeHandlers(CModeQueryHandler query, CModeSwitchHandler change) {
    modeQuery = std::move(query);
    modeSwitch = std::move(change);
}

void CProtocolEngine::Feed(const std::uint8_t* data, std::size_t len) {
    if (cut) return;
    input.insert(input.end(), data, data + len);
    Process();
}

void CProtocolEngine::OnQuiet() {
    // Whatever the device waited for has been given up by the program. A lone
    // '!' was a mode query after all, and a whole request in front of a
    // half-received block is the program starting again.
    const bool query = wait != EWait::Command && input.size() == 1 && input[0] == kModeQuery;
    const bool request = wait == EWait::Block && StartsWithRequest();
    wait = EWait::Command;
    blockHandler = {};
    ackHandler = {};
    if (query || request)
        Process();
    else
        input.clear();
}

CHeaderRecord CProtocolEngine::HeaderForUpload(int slot) const {
    const auto held = heldHeaders.find(slot);
    return held != heldHeaders.end() ? held->second : state.Slot(slot).header;
}

void CProtocolEngine::OnNewLine() {
    input.clear();
    heldHeaders.clear();
    heldDeviceHeader.reset();
    wait = EWait::Command;
    cut = false;
    blockHandler = {};
    ackHandler = {};
}

void CProtocolEngine::Changed() {
    if (changeListener) changeListener();
}

bool CProtocolEngine::Answer(CAnswer answer, bool awaitAck, CAckHandler onAck) {
    CBytes bytes = answer.bytes;
    bool intact = true;
    if (answer.ackFirst && bytes.size() >= 2 && faults.TakeWrongAck()) {
        bytes[0] = bytes[1] = kWrongAckByte;
        intact = false;
    }
    const bool hasSum = answer.sumAt >= 0 && static_cast<std::size_t>(answer.sumAt) < bytes.size();
    if (hasSum && (faults.TakeBadSum() || (answer.uploadEnd && faults.TakeBadEndSum())))
        ++bytes[static_cast<std::size_t>(answer.sumAt)];
    std::optional<std::size_t> split;
    bool cut = false;
    if (shapeFor) {
        const std::uint8_t code = *shapeFor;
        shapeFor.reset();
        // A reply cut short ends what the device says to this request, so
        // the program meets the short reply alone, however fast it reads.
        if (const auto keep = CFaultPlan::TakeShape(faults.shortReplies, code);
            keep && *keep < bytes.size()) {
            bytes.resize(*keep);
            cut = true;
        }
        if (const auto extra = CFaultPlan::TakeShape(faults.surplusReplies, code))
            bytes.insert(bytes.end(), *extra, kSurplusByte);
        split = CFaultPlan::TakeShape(faults.splitReplies, code);
    }
    if (split && *split > 0 && *split < bytes.size())
        line.SendInTwo(bytes, *split);
    else
        line.Send(bytes);
    if (intact && awaitAck) {
        wait = EWait::Ack;
        ackHandler = std::move(onAck);
        lastAnswer = std::move(answer);
    }
    return intact && !cut;
}

void CProtocolEngine::Refuse(const CFrame& request) {
    const CFrame refusal =
        MakeFrame(kKindRefusal, request[2], request[3], request[4], request[5], request[6]);
    Answer({ToBytes(refusal), false, -1}, true);
}

void CProtocolEngine::ExpectBlock(std::size_t len, CBlockHandler onBlock) {
    wait = EWait::Block;
    blockLength = len;
    blockHandler = std::move(onBlock);
}

void CProtocolEngine::GiveBack(const CBytes& block) {
    input.insert(input.begin(), block.begin(), block.end());
    wait = EWait::Command;
    blockHandler = {};
}

void CProtocolEngine::Process() {
    while (!input.empty() && !cut && Step()) {
    }
}

bool CProtocolEngine::Step() {
    switch (wait) {
    case EWait::Block:
        return StepBlock();
    case EWait::Ack:
        return StepAck();
    case EWait::Command:
        break;
    }
    return StepCommand();
}

bool CProtocolEngine::StepBlock() {
    if (input.size() < blockLength) return false;
    const CBytes block(input.begin(), input.begin() + static_cast<long>(blockLength));
    Consume(blockLength);
    wait = EWait::Command;
    CBlockHandler handler = std::move(blockHandler);
    blockHandler = {};
    if (handler) handler(*this, block);
    return true;
}

bool CProtocolEngine::StepAck() {
    const std::uint8_t first = input[0];
    if (first == kAck0 || first == kNak0) {
        if (input.size() < 2) return false;
        if (first == kAck0 && input[1] == kAck1) {
            Consume(2);
            wait = EWait::Command;
            CAckHandler handler = std::move(ackHandler);
            ackHandler = {};
            if (handler) handler(*this);
            return true;
        }
        if (first == kNak0 && input[1] == kNak1) {
            Consume(2);
            wait = EWait::Command;
            CAnswer again = lastAnswer;
            Answer(std::move(again), true, std::move(ackHandler));
            return true;
        }
    }
    // The program has moved on without acknowledging; take it as a command.
    wait = EWait::Command;
    ackHandler = {};
    return true;
}

bool CProtocolEngine::StepCommand() {
    const std::uint8_t first = input[0];
    if (first == kKindRequest || first == kKindEnd) return StepFrame();
    if (first == kModeQuery) {
        Consume(1);
        if (Admit() && modeQuery) modeQuery(*this);
        return true;
    }
    if (first == kModeSwitch) {
        if (input.size() < 2) return false;
        const std::uint8_t wanted = input[1];
        Consume(2);
        if (Admit() && modeSwitch) modeSwitch(*this, wanted);
        return true;
    }
    Consume(1); // noise between requests
    return true;
}

bool CProtocolEngine::StepFrame() {
    if (input.size() >= 2 && input[1] != kFrameMark) {
        Consume(1);
        return true;
    }
    if (input.size() < kFrameSize) return false;
    CFrame frame{};
    std::copy(input.begin(), input.begin() + kFrameSize, frame.begin());
    Consume(kFrameSize);
    if (!FrameSumOk(frame)) {
        SendNak();
        return true;
    }
    if (!Admit()) return true;
    if (frame[0] == kKindEnd) {
        // Nothing stays open on the device between the blocks the program
        // asks for, so the end of such a phase only needs its acknowledgement.
        if (faults.TakeNakEnd())
            SendNak();
        else
            SendAck();
        return true;
    }
    shapeFor = frame[2];
    const auto handler = frameHandlers.find(frame[2]);
    if (handler == frameHandlers.end())
        Refuse(frame);
    else
        handler->second(*this, frame);
    shapeFor.reset();
    return true;
}

bool CProtocolEngine::StartsWithRequest() const {
    if (input.size() < kFrameSize || input[0] != kKindRequest || input[1] != kFrameMark) return false;
    return Sum8(input.data(), kFrameSumAt) == input[kFrameSumAt];
}

bool CProtocolEngine::Admit() {
    if (faults.TakeDrop()) {
        cut = true;
        input.clear();
        line.Cut();
        return false;
    }
    return !faults.TakeSilence();
}

} // namespace qbx::sim

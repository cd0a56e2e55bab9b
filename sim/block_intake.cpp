#include "sim/block_intake.h"

#include <algorithm>

#include "sim/data_phase.h"

namespace qbx::sim {

void CBlockIntake::Next(CProtocolEngine& engine) {
    const auto self = shared_from_this(); // the engine may drop its handlers meanwhile
    if (engine.Faults().TakeBusy(frameNumber + 1)) {
        engine.Answer(CheckedFrame(MakeFrame(kKindBusy, code)), true,
                      [self](CProtocolEngine& e) { self->Next(e); });
        return;
    }
    ++frameNumber;
    if (SentRefusalOrError(engine, MakeFrame(kKindRefusal, code), frameNumber)) return;
    const auto plan = Plan(engine.Faults(), frameNumber);
    if (!plan) {
        CAnswer end = CheckedFrame(MakeFrame(kKindEnd, code));
        end.uploadEnd = code == kCmdSlotUpload; // only these count for --bad-end-sum
        engine.Answer(std::move(end), true, [self](CProtocolEngine& e) { self->Commit(e); });
        return;
    }
    request = MakeBlockFrame(kKindRequest, code, plan->address, plan->count);
    engine.Answer(CheckedFrame(request), true, [self](CProtocolEngine& e) { self->AwaitHeader(e); });
}

void CBlockIntake::AwaitHeader(CProtocolEngine& engine) {
    engine.ExpectBlock(kFrameSize, [self = shared_from_this()](CProtocolEngine& e, const CBytes& b) {
        self->OnHeader(e, b);
    });
}

void CBlockIntake::AwaitData(CProtocolEngine& engine) {
    engine.ExpectBlock(
        request[kFrameCountAt] + 1u,
        [self = shared_from_this()](CProtocolEngine& e, const CBytes& b) { self->OnData(e, b); });
}

// Only the answer to this very request will do (with data to follow, or
// where allowed the no-data answer): anything else is refused like a
// damaged block, and the device waits for the same bytes again (as it does
// when its own acknowledgement was spoilt, since the program repeats).
void CBlockIntake::OnHeader(CProtocolEngine& engine, const CBytes& bytes) {
    CFrame header{};
    std::copy(bytes.begin(), bytes.end(), header.begin());
    const bool sumOk = FrameSumOk(header);
    if (sumOk && header[0] == kKindRequest && header[1] == kFrameMark) {
        engine.GiveBack(bytes); // the program has given up the phase
        return;
    }
    if (sumOk && !engine.Admit()) {
        AwaitHeader(engine);
        return;
    }
    CFrame noData = Reframed(kKindAnswer, request);
    noData[2] = kCodeNoData;
    noData[kFrameSumAt] = Sum8(noData.data(), kFrameSumAt);
    const bool withData = sumOk && header == Reframed(kKindAnswer, request);
    const bool withoutData = sumOk && noDataAllowed && header == noData;
    if (!withData && !withoutData) {
        engine.SendNak();
        AwaitHeader(engine);
        return;
    }
    if (!engine.SendAck()) {
        AwaitHeader(engine);
    } else if (withData) {
        AwaitData(engine);
    } else {
        Received({});
        Next(engine);
    }
}

void CBlockIntake::OnData(CProtocolEngine& engine, const CBytes& bytes) {
    const std::size_t count = bytes.size() - 1;
    if (Sum8(bytes.data(), count) != bytes[count]) {
        engine.SendNak();
        AwaitData(engine);
        return;
    }
    if (!engine.Admit() || !engine.SendAck()) {
        AwaitData(engine);
        return;
    }
    Received({bytes.data(), count});
    Next(engine);
}

} // namespace qbx::sim

#include "operations/image_phase.h"

#include "link/framing.h"
#include "link/protocol_constants.h"
#include "link/wire_bytes.h"
#include "operations/string_ids.h"
#include "operations/transfer_steps.h"

#include <algorithm>
#include <cstdio>

namespace qbx {
namespace {

using transfer::ReportSendFailure;

constexpr std::uint8_t kFirmwareErrorCode = 60;

bool IsFrame(const std::uint8_t* body, std::uint8_t kind) {
    return body[frame::kKindAt] == kind && body[frame::kMarkerAt] == frame::kMarker;
}

// The first frame of an answer carries the request's held "!C".
bool Send(CTransport& transport, COperationHost& host, const std::uint8_t* bytes, int count,
          const transfer::SendMessages& messages, const ImagePhaseMessages& m) {
    const int sent = SendFrame(transport, bytes, count);
    if (sent == kSendAcknowledged) return true;
    ReportSendFailure(host, messages, sent, m.deviceFrame);
    return false;
}

void ReportError(COperationHost& host, const ImagePhaseMessages& m, std::uint8_t code) {
    if (!m.deviceError60) {
        transfer::ReportDeviceError(host, m.deviceError, code);
    } else if (code == kFirmwareErrorCode) {
        host.ShowMessage(m.deviceError60, str::kDeviceError, {static_cast<long long>(code)});
    } else {
        host.ShowMessage(m.deviceError.other, str::kUnknownDeviceError);
    }
}

// A request the file cannot answer: the file's own fault is named as such,
// so that nobody blames the device for it.
void ReportUnservable(COperationHost& host, int number, int served, const CRecordCursor& cursor,
                      std::uint32_t address, std::uint32_t count) {
    const auto record = static_cast<long long>(cursor.RecordAddress());
    const auto block = static_cast<long long>(address);
    switch (served) {
    case kServeOutOfOrder:
        host.ShowMessage(number, str::kRecordsOutOfOrder, {record});
        break;
    case kServeEndOfFile:
        host.ShowMessage(number, str::kFileEndsInBlock, {block});
        break;
    case kServeRecordAcrossBlock:
        host.ShowMessage(number, str::kRecordAcrossBlock, {record, block});
        break;
    case kServeBadLength:
        host.ShowMessage(number, str::kBadRequestLength, {static_cast<long long>(count)});
        break;
    default: // a block asked for again after its bytes were passed
        host.ShowMessage(number, str::kUnexpectedReply);
    }
}

// Answers one request from the records; false after the failure's message.
bool AnswerRequest(CTransport& transport, COperationHost& host, transfer::CWaitCursor& wait,
                   CRecordCursor& cursor, const ImagePhaseProgress& progress, const ImagePhaseMessages& m,
                   const std::uint8_t* request) {
    const std::uint32_t address = GetLe24(request + frame::kParameterAt);
    const std::uint32_t count = request[frame::kCountAt];
    AnswerBlock block;
    const int served = cursor.Serve(address, count, block);
    if (served > kServeNoData) {
        if (!transfer::FlushHeldAck(transport, host, m.deviceFrame)) return false;
        ReportUnservable(host, m.unexpectedReply, served, cursor, address, count);
        return false;
    }
    std::uint8_t answer[frame::kBodySize];
    std::copy(request, request + frame::kBodySize, answer);
    answer[frame::kKindAt] = frame::kAnswer;
    bool answered = false;
    if (served == kServeNoData) {
        answer[frame::kCodeAt] = command::kNoData;
        answered = Send(transport, host, answer, frame::kBodySize, m.noData, m);
    } else {
        const bool gap = served == kServeGap;
        answered =
            Send(transport, host, answer, frame::kBodySize, gap ? m.gapHeader : m.answerHeader, m) &&
            Send(transport, host, block.data(), static_cast<int>(count), gap ? m.gapData : m.answerData, m);
    }
    if (!answered) return false;
    // The window is brought up to date once the answer is out, while the
    // device's next request is still on the line, so repainting never holds
    // the device up.
    const std::uint32_t position = address + progress.offset;
    host.SetProgressPosition(ProgressPercent(position, progress.total));
    host.SetProgressText(ImageProgressText(position, progress.total, progress.digits));
    host.SetStatusString(transfer::kStatusSending);
    host.PumpEvents();
    wait.Again();
    return true;
}

} // namespace

std::string ImageProgressText(std::uint32_t position, std::uint32_t total, int digits) {
    char text[48];
    std::snprintf(text, sizeof text, "%0*X / %0*X", digits, position, digits, total);
    return text;
}

bool ServeImagePhase(CTransport& transport, COperationHost& host, CRecordCursor& cursor, std::uint8_t code,
                     const ImagePhaseProgress& progress, const ImagePhaseMessages& m) {
    transfer::CWaitCursor wait(host);
    const std::uint8_t start[frame::kBodySize] = {frame::kRequest, frame::kMarker, code, 0, 0, 0, 0};
    if (!Send(transport, host, start, frame::kBodySize, m.startFrame, m)) return false;
    for (;;) {
        std::uint8_t body[frame::kBodySize] = {};
        const int received = ReceiveBlock(transport, body, frame::kBodySize, true);
        if (received != kBlockReceived) {
            transfer::ReportReceiveFailure(host, m.deviceFrame, received);
            return false;
        }
        if (IsFrame(body, frame::kRequest) && body[frame::kCodeAt] == code) {
            if (!AnswerRequest(transport, host, wait, cursor, progress, m, body)) return false;
            continue;
        }
        if (!transfer::FlushHeldAck(transport, host, m.deviceFrame)) return false;
        if (IsFrame(body, frame::kEnd)) return true;
        if (IsFrame(body, frame::kBusy)) continue;
        if (IsFrame(body, frame::kError)) {
            ReportError(host, m, body[frame::kCodeAt]);
        } else {
            host.ShowMessage(m.unexpectedReply, str::kUnexpectedReply);
        }
        return false;
    }
}

} // namespace qbx

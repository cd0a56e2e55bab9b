#pragma once
#include "formats/record_cursor.h"
#include "link/transport.h"
#include "operations/operation_host.h"
#include "operations/transfer_messages.h"

#include <cstdint>
#include <string>

// The device-driven data phase of the OS update and of the firmware update:
// the bootloader asks for blocks by address and the program serves each from
// the records of the open file, through a CRecordCursor.
namespace qbx {

// Message numbers of one phase's call sites.
struct ImagePhaseMessages {
    transfer::SendMessages startFrame;
    transfer::ReceiveMessages deviceFrame;
    // The ten known error codes and the one for any other code.
    transfer::DeviceErrorMessages deviceError;
    // When set, only code 60 has a message of its own (this one, with the
    // code) and every other code shows deviceError.other.
    int deviceError60 = 0;
    // Any other frame; also a request the file cannot answer (see ServeResult).
    int unexpectedReply = 0;
    transfer::SendMessages gapHeader;
    transfer::SendMessages gapData;
    transfer::SendMessages answerHeader;
    transfer::SendMessages answerData;
    transfer::SendMessages noData;
};

// What the displays show during one phase.
struct ImagePhaseProgress {
    std::uint32_t offset = 0; // added to each address (the second image follows the first)
    std::uint32_t total = 0;  // the progress total; 0 keeps the bar at 0
    int digits = 5;           // hex digits of the progress text
};

// "%05X / %05X" (or with `digits` digits).
std::string ImageProgressText(std::uint32_t position, std::uint32_t total, int digits);

// Sends the start frame with `code`, then answers requests with that code
// until the device's end frame; busy frames are waited out without limit.
// The events are pumped once per request. True at the end frame; false after
// the failure's message.
bool ServeImagePhase(CTransport& transport, COperationHost& host, CRecordCursor& cursor, std::uint8_t code,
                     const ImagePhaseProgress& progress, const ImagePhaseMessages& messages);

} // namespace qbx

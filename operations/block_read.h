#pragma once
#include "formats/function_data_image.h"
#include "link/transport.h"
#include "operations/operation_host.h"
#include "operations/transfer_messages.h"
#include "operations/transfer_steps.h"

#include <cstdint>

// The program-driven read of an image: a request per block of at most 64
// bytes in ascending order, the device's reply frame, the bytes, and at the
// end the end frame. The download of a slot and the read of the LINKBOX's
// own data image differ only in their command code and their numbers.
namespace qbx {

struct BlockReadMessages {
    transfer::SendMessages request;
    transfer::ReceiveMessages reply;
    int refused = 0;                           // string 11021
    transfer::DeviceErrorMessages deviceError; // error frame
    int unexpected = 0;                        // 11024: any other frame
    transfer::ReceiveMessages data;
    transfer::SendMessages endFrame;
};

// Reads `image` (prepared for its size) with requests of `code`, showing the
// progress as "%04X / %04X", then sends the end frame. False after the
// failure's message.
bool ReadImageBlocks(CTransport& transport, COperationHost& host, transfer::CWaitCursor& wait,
                     FunctionDataImage& image, std::uint8_t code, const BlockReadMessages& messages);

} // namespace qbx

#pragma once
#include "link/slot_header.h"
#include "link/transport.h"

#include <cstdint>

namespace qbx {

// Commands on the bootloader's seven storage slots and on the LINKBOX's own
// data-image header. Each returns false once every attempt has failed, and
// changes the caller's record only after a complete, checked answer.

bool ClearSlot(CTransport& transport, std::uint8_t slot);
// Makes `slot` (1 to 7) the one the following header and data commands use.
bool SelectSlot(CTransport& transport, std::uint8_t slot);

// The selected slot's header, its description turned into PC characters.
// A slot without data (status other than 1) gives a header with only its
// status set.
bool ReadSlotHeader(CTransport& transport, SlotHeader& header);
// Sends the header with its description in device characters; the caller's
// record is left as it is.
bool WriteSlotHeader(CTransport& transport, const SlotHeader& header);

// The same 53 bytes for the data image, as they are: no character
// conversion, every field as the device sent it; the sum is checked.
bool ReadDeviceHeader(CTransport& transport, SlotHeader& header);
bool WriteDeviceHeader(CTransport& transport, const SlotHeader& header);

// The 21-byte short header (no description) sent before an OS image.
bool WriteShortHeader(CTransport& transport, const SlotHeader& header);

} // namespace qbx

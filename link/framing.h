#pragma once
#include "link/transport.h"

#include <array>
#include <cstdint>

namespace qbx {

// Results of SendFrame (there is no 2).
inline constexpr int kSendAcknowledged = 0;
inline constexpr int kSendIncomplete = 1; // the write did not take every byte
inline constexpr int kSendNoAnswer = 3;   // fewer than two answer bytes
inline constexpr int kSendRejected = 4;   // every attempt was answered with something other than "!C"
inline constexpr int kSendAckFailed = 5;  // the "!C" held for this frame could not be written

// Results of ReceiveBlock.
inline constexpr int kBlockReceived = 0;
inline constexpr int kBlockShort = 1;       // fewer data bytes than asked
inline constexpr int kBlockNoChecksum = 2;  // the sum byte did not come
inline constexpr int kBlockAckFailed = 3;   // "!C" or 0x00 0xFF could not be written
inline constexpr int kBlockBadChecksum = 4; // every attempt had a wrong sum

// Attempts per command and primitive: one over the network, five on a serial line.
int AttemptCount(const CTransport& transport);

// Sends `n` bytes followed by their sum and waits for "!C"; a different
// two-byte answer sends the same bytes again. A negative `n` sends nothing.
int SendFrame(CTransport& transport, const std::uint8_t* bytes, int n);

// Reads `n` bytes and their sum byte into `buffer` (n bytes); a good block
// is acknowledged with "!C", a bad one with 0x00 0xFF and read again. With
// `holdAck` the "!C" waits in the transport for the frame the caller sends
// at once (SendFrame then reports its failure as kSendAckFailed); the caller
// flushes it on every other way on. An ack still held is written first.
int ReceiveBlock(CTransport& transport, std::uint8_t* buffer, int n, bool holdAck = false);

// The 8-byte request frame for `code` with its parameter in byte 3.
std::array<std::uint8_t, 8> RequestFrame(std::uint8_t code, std::uint8_t parameter = 0);

// Writes "!C"; true when both bytes went out.
bool WriteAck(CTransport& transport);
// True when `bytes` (at least two) begin with "!C".
bool StartsWithAck(const std::uint8_t* bytes);

} // namespace qbx

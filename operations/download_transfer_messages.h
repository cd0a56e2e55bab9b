#pragma once
#include "operations/connection.h"
#include "operations/transfer_messages.h"

// Message numbers of the download transfer (group 1), shared by its dialog
// and by qbx download.
namespace qbx::download_transfer {

inline constexpr int kGroup = 1;

inline constexpr ConnectMessages kConnect = kConnectMessages;
inline constexpr int kSlotHeaderFailed = 16; // string 11012: SelectSlot or ReadSlotHeader
// 11053: the slot holds no data, data of an unknown status, or more than a
// file can carry.
inline constexpr int kUnsupportedSlot = 17;
inline constexpr transfer::SendMessages kEndFrame = {.incomplete = 18, .noAnswer = 20, .rejected = 21};
inline constexpr transfer::SendMessages kRequest = {.incomplete = 22, .noAnswer = 24, .rejected = 25};
inline constexpr transfer::ReceiveMessages kReply = {
    .shortBlock = 26, .noChecksum = 27, .ackFailed = 28, .badChecksum = 29};
inline constexpr int kRefused = 30; // 11021
inline constexpr transfer::DeviceErrorMessages kDeviceError = {.first = 31, .other = 41};
inline constexpr int kUnexpectedReply = 42; // 11024
inline constexpr transfer::ReceiveMessages kData = {
    .shortBlock = 43, .noChecksum = 44, .ackFailed = 45, .badChecksum = 46};
inline constexpr int kNotSaved = 47; // 11025 with the path

} // namespace qbx::download_transfer

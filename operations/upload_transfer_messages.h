#pragma once
#include "operations/connection.h"
#include "operations/transfer_messages.h"

// Message numbers of the upload transfer (group 2), shared by its dialog and
// by qbx upload.
namespace qbx::upload_transfer {

inline constexpr int kGroup = 2;

inline constexpr ConnectMessages kConnect = kConnectMessages;
inline constexpr int kFileNotLoaded = 16;    // string 11044 with the path
inline constexpr int kSlotHeaderFailed = 17; // 11012: SelectSlot or WriteSlotHeader
inline constexpr transfer::SendMessages kStartFrame = {.incomplete = 18, .noAnswer = 20, .rejected = 21};
inline constexpr transfer::ReceiveMessages kDeviceFrame = {
    .shortBlock = 22, .noChecksum = 23, .ackFailed = 24, .badChecksum = 25};
inline constexpr transfer::DeviceErrorMessages kDeviceError = {.first = 26, .other = 36};
// Also a data request that reaches beyond the image: it is not answered.
inline constexpr int kUnexpectedReply = 37; // 11024
inline constexpr transfer::SendMessages kAnswerHeader = {.incomplete = 38, .noAnswer = 40, .rejected = 41};
inline constexpr transfer::SendMessages kAnswerData = {.incomplete = 42, .noAnswer = 44, .rejected = 45};

// Verify after write (qbx upload --verify, the preparation's check box).
// Numbers of their own, well apart from the transfer's.
inline constexpr int kVerifyDataDiffers = 200;   // 11950: slot, first differing address
inline constexpr int kVerifyHeaderDiffers = 201; // 11952
inline constexpr int kVerifyNotRead = 202;       // the read-back's own text

} // namespace qbx::upload_transfer

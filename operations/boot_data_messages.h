#pragma once
#include "operations/connection.h"
#include "operations/transfer_messages.h"

// Message numbers of the bootloader data transfer (group 12), shared by its
// dialog and by qbx bootdata. SendFrame has no result 2, so the numbers for
// it (string 11016) stay unused; they are kept so that the others keep theirs.
namespace qbx::boot_data {

inline constexpr int kGroup = 12;

// Write mode, before any link is opened.
inline constexpr int kNotFunctionData = 1; // string 11027: load result 2
inline constexpr int kFileNotLoaded = 2;   // 11044 with the path: any other failed load
inline constexpr int kWrongDevice = 3;     // 11051: device code is not 0xA3
inline constexpr int kUnknownFormat = 4;   // 11053: file format above 3

// Read preparation.
inline constexpr ConnectMessages kReadPrepareConnect = {.settingsUnreadable = 5,
                                                        .invalidInterface = 6,
                                                        .openNotFound = 7,
                                                        .openDenied = 8,
                                                        .openFailed = 9,
                                                        .identifyFailed = 10,
                                                        .checkNoAnswer = 12,
                                                        .checkUnsupported = 13};
inline constexpr int kReadPrepareNotLinkbox = 11; // 11054
inline constexpr int kHeaderNotRead = 14;         // 11012
// 11053: status not 0 or 1, kind not 0xA3, or a size or texts no file can hold.
inline constexpr int kHeaderUnsupported = 15;

// Write transfer.
inline constexpr ConnectMessages kWriteConnect = {.settingsUnreadable = 16,
                                                  .invalidInterface = 17,
                                                  .openNotFound = 18,
                                                  .openDenied = 19,
                                                  .openFailed = 20,
                                                  .identifyFailed = 21,
                                                  .checkNoAnswer = 23,
                                                  .checkUnsupported = 24};
inline constexpr int kWriteNotLinkbox = 22;  // 11054
inline constexpr int kHeaderNotWritten = 25; // 11012
inline constexpr transfer::SendMessages kStartFrame = {.incomplete = 26, .noAnswer = 28, .rejected = 29};
inline constexpr transfer::ReceiveMessages kDeviceFrame = {
    .shortBlock = 30, .noChecksum = 31, .ackFailed = 32, .badChecksum = 33};
inline constexpr transfer::DeviceErrorMessages kWriteDeviceError = {.first = 34, .other = 44};
// Also a data request that reaches beyond the image: it is not answered.
inline constexpr int kWriteUnexpected = 45; // 11024
inline constexpr transfer::SendMessages kAnswerHeader = {.incomplete = 46, .noAnswer = 48, .rejected = 49};
inline constexpr transfer::SendMessages kAnswerData = {.incomplete = 50, .noAnswer = 52, .rejected = 53};

// Read transfer. The end frame comes last on the line but has the lower numbers.
inline constexpr ConnectMessages kReadConnect = {.settingsUnreadable = 54,
                                                 .invalidInterface = 55,
                                                 .openNotFound = 56,
                                                 .openDenied = 57,
                                                 .openFailed = 58,
                                                 .identifyFailed = 59,
                                                 .checkNoAnswer = 61,
                                                 .checkUnsupported = 62};
inline constexpr int kReadNotLinkbox = 60; // 11054
inline constexpr transfer::SendMessages kEndFrame = {.incomplete = 63, .noAnswer = 65, .rejected = 66};
inline constexpr transfer::SendMessages kBlockRequest = {.incomplete = 67, .noAnswer = 69, .rejected = 70};
inline constexpr transfer::ReceiveMessages kBlockReply = {
    .shortBlock = 71, .noChecksum = 72, .ackFailed = 73, .badChecksum = 74};
inline constexpr int kRefused = 75; // 11021
inline constexpr transfer::DeviceErrorMessages kReadDeviceError = {.first = 76, .other = 86};
inline constexpr int kReadUnexpected = 87; // 11024
inline constexpr transfer::ReceiveMessages kBlockData = {
    .shortBlock = 88, .noChecksum = 89, .ackFailed = 90, .badChecksum = 91};
inline constexpr int kNotSaved = 92; // 11025 with the path

// qbx bootdata read, where the file-save chooser would ask and check.
inline constexpr int kAskOverwrite = 93; // string 11906 with the path
inline constexpr int kPathTooLong = 94;  // 11910
// Verify after write (qbx bootdata write --verify); a failed read-back
// reports with the read's numbers above.
inline constexpr int kVerifyDataDiffers = 200;   // 11951: first differing address
inline constexpr int kVerifyHeaderDiffers = 201; // 11952
inline constexpr int kVerifyHeaderNotRead = 202; // 11012
// Before the image is replaced: the header the device keeps now cannot be
// read (11012), then the question naming its description (12001).
inline constexpr int kCurrentHeaderNotRead = 95;
inline constexpr int kAskReplace = 96;

// Strings of this function.
inline constexpr int kStringNotLinkbox = 11054;
inline constexpr int kStringFilter = 11661;
inline constexpr int kStringWriteCaption = 11680;
inline constexpr int kStringReadCaption = 11681;
inline constexpr int kStringAskOverwrite = 11906;

} // namespace qbx::boot_data

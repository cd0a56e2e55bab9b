#pragma once

// String identifiers of the language module that operations and dialogs
// share, named once.
namespace qbx::str {
inline constexpr int kSettingsUnreadable = 11001;
inline constexpr int kPortNotFound = 11002;
inline constexpr int kPortDenied = 11003;
inline constexpr int kOpenFailed = 11004; // with the system error code
inline constexpr int kInvalidInterface = 11005;
inline constexpr int kAskSwitchMode = 11006;
inline constexpr int kSwitchNoAnswer = 11007;
inline constexpr int kSwitchRefused = 11008;
inline constexpr int kStillOtherMode = 11009;
inline constexpr int kNotTransferMode = 11010;
inline constexpr int kNoModeAnswer = 11011;
inline constexpr int kNoAnswer = 11012;
inline constexpr int kUnsupportedType = 11013; // with the type code
inline constexpr int kOldVersion = 11014;      // with the version text
inline constexpr int kInTransferMode = 11042;
inline constexpr int kNoFirmwareVersion = 11046;
inline constexpr int kSendIncomplete = 11015;
inline constexpr int kSendFailed = 11016;
inline constexpr int kSendNoAck = 11017;
inline constexpr int kRepeatedErrors = 11018;
inline constexpr int kNoChecksum = 11019;
inline constexpr int kAckNotSent = 11020;
inline constexpr int kDeviceRefused = 11021;
inline constexpr int kDeviceError = 11022; // with the device's error code
inline constexpr int kUnknownDeviceError = 11023;
inline constexpr int kUnexpectedReply = 11024;
inline constexpr int kCannotSave = 11025;    // with the path
inline constexpr int kAskOverwrite = 11043;  // path, slot
inline constexpr int kFileNotUsable = 11044; // with the path
inline constexpr int kWrongDownloadExtension = 11026;
inline constexpr int kNotFunctionData = 11027;
inline constexpr int kSameFileTwice = 11030; // path, higher slot, lower slot
inline constexpr int kCannotOpen = 11031;
inline constexpr int kCannotWrite = 11032;
inline constexpr int kSlotNotCleared = 11052;
inline constexpr int kNotValidForFunction = 11051;
inline constexpr int kEmptySlot = 11507;
inline constexpr int kNotSerialPort = 11930;      // error code, port, path, port
inline constexpr int kSerialPortMissing = 11960;  // port, the path looked for, port
inline constexpr int kAdapterLatencyHigh = 11961; // device path, latency timer in ms
inline constexpr int kFirmwareFileUnknown = 11033;
inline constexpr int kNotProgramFile = 11041; // unknown kind or bad header
inline constexpr int kWrongFirmwareFamily = 11047;
inline constexpr int kBootSectorTooLarge = 11940; // with BS_SIZE
// Update data phases: what the file cannot serve.
inline constexpr int kRecordsOutOfOrder = 11941;     // the record's address
inline constexpr int kFileEndsInBlock = 11942;       // the block's address
inline constexpr int kRecordAcrossBlock = 11943;     // the record's address, the block's
inline constexpr int kBadRequestLength = 11944;      // the byte count
inline constexpr int kWelcomePageMissing = 11945;    // the welcome page's path
inline constexpr int kWelcomePageFilter = 11664;     // file chooser filter of welcome pages
inline constexpr int kSessionLogNotWritten = 11902;  // the log's path, the errno
inline constexpr int kPathTooLong = 11910;           // the path's length in bytes, the limit
inline constexpr int kVerifySlotDiffers = 11950;     // slot, first differing address
inline constexpr int kVerifyBootDataDiffers = 11951; // first differing address
inline constexpr int kVerifyHeaderDiffers = 11952;
// qbx's own notes.
inline constexpr int kSetLinkHint = 11970;
inline constexpr int kFileNotWritable = 11971;   // the file's path
inline constexpr int kUploadInterrupted = 11972; // the storage slot
inline constexpr int kNothingSavedInterrupted = 11973;
inline constexpr int kOsUpdateInterrupted = 11974;
inline constexpr int kFirmwareInterrupted = 11975;
inline constexpr int kWebPageInterrupted = 11976;
inline constexpr int kBootDataWriteInterrupted = 11977;
inline constexpr int kAskEmptySlot = 12000;       // slot, its description
inline constexpr int kAskReplaceBootData = 12001; // the description the device keeps
// One line per ticked slot when a transfer over the slot list ends: slot, file name.
inline constexpr int kSlotWritten = 12002;
inline constexpr int kSlotWrittenAndChecked = 12003;
inline constexpr int kSlotSaved = 12004;
inline constexpr int kSlotFailed = 12005;
inline constexpr int kSlotNotTried = 12006;
inline constexpr int kStatusStoppedAfterError = 12007;
inline constexpr int kAddressRefused = 12008; // the address typed
inline constexpr int kValueClamped = 12009;   // the number typed, the one shown now
inline constexpr int kEditedFile = 12019;     // the full path
// File choosers' titles.
inline constexpr int kChooseUploadFile = 12010;   // slot
inline constexpr int kChooseDownloadFile = 12011; // slot
inline constexpr int kChooseBootDataSource = 12012;
inline constexpr int kChooseBootDataTarget = 12013;
inline constexpr int kChooseProgramFile = 12014;
inline constexpr int kChooseWelcomePage = 12015;
inline constexpr int kChooseWelcomePageTarget = 12016;
inline constexpr int kChooseFirmwareFile = 12017;
inline constexpr int kChooseWebPage = 12018;
inline constexpr int kChooseSessionLog = 12020;
inline constexpr int kChooseFileToCheck = 12025;
inline constexpr int kNotShownByDevice = 12021; // the characters typed
inline constexpr int kProductVersion = 12022;   // "2.8.0.0"
inline constexpr int kNoSuchPort = 12023;       // the port's device file
inline constexpr int kForTcpOnly = 12024;
} // namespace qbx::str

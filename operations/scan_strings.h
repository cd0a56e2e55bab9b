#pragma once

// String identifiers of the language module used by the interface scan and
// the TCP status check.
namespace qbx::str {
inline constexpr int kScanLabelsEdition2 = 11400; // five labels 11400..11404
inline constexpr int kScanLabelsEdition1 = 11405; // five labels 11405..11409
inline constexpr int kScanUsePort = 11410;        // OK caption once a device answered
inline constexpr int kScanAgain = 11411;          // OK caption when nothing answered
inline constexpr int kScanTesting = 11412;        // the version field of the port being probed
inline constexpr int kScanRunning = 11413;
inline constexpr int kScanFinished = 11414;
inline constexpr int kScanFound = 11415;
inline constexpr int kScanNothingFound = 11416;

// Why a port could not be used.
inline constexpr int kHeldByProcess = 11911;  // process name, PID
inline constexpr int kHeldByLockFile = 11912; // process name, PID, lock file
inline constexpr int kHeldUnseen = 11913;
inline constexpr int kNeedsGroup = 11914;    // group name
inline constexpr int kNoPermission = 11915;  // device path
inline constexpr int kMissingOthers = 11916; // device path, devices present, port number
inline constexpr int kNotATerminal = 11917;  // device path
inline constexpr int kOwnerOnly = 11918;     // device path, owner's user name
} // namespace qbx::str

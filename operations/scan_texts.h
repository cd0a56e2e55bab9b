#pragma once
#include "link/identification.h"

#include <string>

namespace qbx {

// The texts of one probed link as both diagnostic dialogs show them.
struct ProbeTexts {
    std::string type;
    std::string version;
    std::string status;
};

// Shown in the type and version fields when no device answered.
inline constexpr const char* kNoDeviceText = "----------";

// Status codes.
inline constexpr const char* kStatusMissing = "N.A.";
inline constexpr const char* kStatusDenied = "C.N.A.";
inline constexpr const char* kStatusFree = "O.K.";
inline constexpr const char* kStatusDevice = "B.V.";
inline constexpr const char* kStatusUpdateState = "B.V.U.";
// "E.N.: 5" for system error 5.
std::string ErrorStatusText(int error);

// The texts of a serial-port answer; false when its raw type is none the
// scan knows (the caller then shows kNoDeviceText). Update state: types
// 0x11 and 0x12, and a LINKBOX reporting version 0.
bool ScanDeviceTexts(const BootloaderId& id, ProbeTexts& texts);

// The same over TCP, where only 0xA3, 0xA8 and 0xD1 are known and every
// version shows in hundredths.
bool TcpDeviceTexts(const BootloaderId& id, ProbeTexts& texts);

} // namespace qbx

#pragma once
#include "operations/connection.h"
#include "operations/image_phase.h"

// Message numbers of the OS update transfer (group 4), shared by its dialog
// and by qbx os-update. The single-image and the two-image procedure number
// the same call sites in two blocks.
namespace qbx::os_update {

inline constexpr int kGroup = 4;

inline constexpr int kUnknownProgramFile = 1;   // string 11041
inline constexpr int kFileNotOpened = 2;        // 11044 with the path
inline constexpr int kNoHandoverFile = 120;     // 11044 with the hand-over file's path
inline constexpr int kBootSectorTooLarge = 121; // 11940 with BS_SIZE
// The welcome page to go into the program does not open (11945 with its path).
inline constexpr int kWelcomePageMissing = 122;

struct ProcedureMessages {
    ConnectMessages connect;
    int fileNotReopened = 0;   // 11044 with the path
    int badKindOrHeader = 0;   // 11041
    int shortHeaderFailed = 0; // 11012
    ImagePhaseMessages phase;
};

// Send failures have no message for result 2, so the second number of each
// block of four stays unused.
constexpr transfer::SendMessages SendBlock(int first) {
    return {.incomplete = first, .noAnswer = first + 2, .rejected = first + 3};
}
constexpr transfer::ReceiveMessages ReceiveBlock(int first) {
    return {.shortBlock = first, .noChecksum = first + 1, .ackFailed = first + 2, .badChecksum = first + 3};
}

// The procedure's messages from its block's first connection number
// (3 or 59): every later call site keeps the same distance from it.
constexpr ProcedureMessages Procedure(int b, int identify, int shortHeader) {
    ProcedureMessages m;
    m.connect = {.settingsUnreadable = b,
                 .invalidInterface = b + 1,
                 .openNotFound = b + 2,
                 .openDenied = b + 3,
                 .openFailed = b + 4,
                 .identifyFailed = identify,
                 .askSwitch = b + 5,
                 .switchNoAnswer = b + 6,
                 .switchRefused = b + 7,
                 .requeryNoAnswer = b + 8,
                 .stillOtherMode = b + 9,
                 .notTransferMode = b + 10,
                 .queryNoAnswer = b + 11,
                 .checkNoAnswer = b + 12,
                 .checkUnsupported = b + 13};
    m.fileNotReopened = b + 55;
    m.badKindOrHeader = b + 54;
    m.shortHeaderFailed = shortHeader;
    m.phase = {.startFrame = SendBlock(b + 14),
               .deviceFrame = ReceiveBlock(b + 18),
               .deviceError = {.first = b + 22, .other = b + 32},
               .deviceError60 = 0,
               .unexpectedReply = b + 33,
               .gapHeader = SendBlock(b + 34),
               .gapData = SendBlock(b + 38),
               .answerHeader = SendBlock(b + 42),
               .answerData = SendBlock(b + 46),
               .noData = SendBlock(b + 50)};
    return m;
}

inline constexpr ProcedureMessages kSingleImage = Procedure(3, 115, 118);
inline constexpr ProcedureMessages kTwoImage = Procedure(59, 116, 119);

} // namespace qbx::os_update

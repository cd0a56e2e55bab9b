#pragma once

// Texts of the file check, where the transfers have none of their own.
namespace qbx::check_str {

inline constexpr int kMenuEntry = 12100;
inline constexpr int kWarning = 12102;
inline constexpr int kFault = 12103;
inline constexpr int kProgramImage = 12104;
inline constexpr int kBootSectorImage = 12105;
inline constexpr int kSummary = 12106;     // files, sound, failing
inline constexpr int kUnknownKind = 12107; // an extension the check does not know
inline constexpr int kChooserFilter = 12108;

inline constexpr int kSingleImage = 12110; // first word, device, code, size
inline constexpr int kFirmware = 12111;    // first word, family, progress total
inline constexpr int kTwoImage = 12112;    // DEVICE, code, PROGRAM, BOOTSECTOR, DATA_SIZE, BS_SIZE
inline constexpr int kUnknownDevice = 12113;
inline constexpr int kData = 12114;             // from, last
inline constexpr int kHole = 12115;             // from, last, bytes
inline constexpr int kSegmentAddress = 12116;   // value, record, base
inline constexpr int kLinearAddress = 12117;    // value, record, base
inline constexpr int kBadChecksum = 12118;      // record, found, expected
inline constexpr int kNoChecksum = 12119;       // record
inline constexpr int kBeyondSize = 12120;       // from, last, size
inline constexpr int kBootSectorWindow = 12121; // BS_SIZE, window from, last
inline constexpr int kWindowBeyondSize = 12122; // window end, DATA_SIZE, bytes lost
inline constexpr int kWelcomeText = 12123;      // page, text
inline constexpr int kWelcomeNotTaken = 12124;  // page
inline constexpr int kBecomesBlank = 12125;     // field, character, position
inline constexpr int kMoreChecksums = 12126;    // count
inline constexpr int kDescriptionField = 12127;
inline constexpr int kWelcomeField = 12128;
inline constexpr int kOwnDataInWindow = 12129; // from, last

inline constexpr int kFunctionData = 12130; // format, code, device, bytes
inline constexpr int kStoredTexts = 12131;  // firmware, bootsector, description
inline constexpr int kSlotLine = 12132;     // the line
inline constexpr int kBootDataFile = 12133;
inline constexpr int kTextCut = 12134; // field, text, field length, kept
inline constexpr int kNoFirmwareSize = 12135;
inline constexpr int kNameCut = 12136;     // name, field length, kept
inline constexpr int kWelcomePage = 12140; // bytes, text
inline constexpr int kWelcomeSize = 12141; // bytes
inline constexpr int kWebPage = 12145;     // type, bytes, limit
inline constexpr int kNotAGif = 12146;

} // namespace qbx::check_str

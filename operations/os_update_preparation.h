#pragma once
#include "core/edition.h"
#include "formats/handover_file.h"
#include "operations/operation_host.h"
#include "platform/program_folder.h"

#include <string>

// The checks of the OS update preparation on the chosen files, shared by its
// dialog and by qbx os-update, with the messages of group 8.
namespace qbx::os_preparation {

inline constexpr int kGroup = 8;

inline constexpr int kNoWelcomePageChosen = 1;      // string 11036
inline constexpr int kNoProgramFileChosen = 2;      // 11037
inline constexpr int kWrongWelcomeExtension = 3;    // 11038: a file to open
inline constexpr int kWrongNewPageExtension = 4;    // 11038: a name to save under
inline constexpr int kAskOverwritePage = 5;         // 11045 with the path
inline constexpr int kWrongProgramExtension = 6;    // 11039, standard edition
inline constexpr int kWrongOemProgramExtension = 7; // 11039, customer edition
// A path longer than config_bs_5130.ini keeps (11910).
inline constexpr int kPathTooLong = 8;
// config_bs_5130.ini cannot be written on OK: the dialog stays open (11032).
inline constexpr int kHandoverNotWritten = 9;
// The edited welcome page cannot be saved: editing goes on (11032).
inline constexpr int kPageNotSaved = 10;
// The welcome page to go into the program does not open (11945 with its path).
inline constexpr int kWelcomePageMissing = 11;

inline constexpr int kStringNoWelcomePage = 11036;
inline constexpr int kStringNoProgramFile = 11037;
inline constexpr int kStringWrongWelcomeExtension = 11038;
inline constexpr int kStringWrongProgramExtension = 11039;
inline constexpr int kStringAskOverwritePage = 11045;
// The labels of the standard-page box and of the welcome-page group.
inline constexpr int kStringStandardPageBox = 11653;
inline constexpr int kStringOemStandardPageBox = 11650;
inline constexpr int kStringWelcomeGroup = 11654;
inline constexpr int kStringOemWelcomeGroup = 11651;
inline constexpr int kStringProgramFilter = 11662;

inline constexpr const char* kCustomerWelcomePageName = "ormand.bgs";

// What the standard-page box hands over: no page in the standard edition,
// the customer's own page of the program folder (never of the folder the
// welcome-page chooser starts in) in the customer edition.
std::string StandardPagePath(int edition, const std::string& folder = ProgramFolder());

// A chosen program file: its extension ("prg" or "PRG"), then its length.
// False after the message.
bool CheckProgramFile(COperationHost& host, const std::string& path, int edition);
// A chosen welcome-page file ("bgs" or "BGS"); `extensionMessage` is 3 for
// a file to open, 4 for a name to save under. False after the message.
bool CheckWelcomePageFile(COperationHost& host, const std::string& path, int extensionMessage);

// Both paths fit the hand-over file's fields; false after the message.
bool CheckHandoverPaths(COperationHost& host, const OsUpdateHandover& paths);
// The welcome page that would go into the program opens; false after the
// message (the customer edition's standard page may be missing, too).
bool CheckWelcomePageOpens(COperationHost& host, const OsUpdateHandover& paths);
// Writes config_bs_5130.ini in `folder` as a whole; false after the message,
// and the transfer must not start then: it would read an earlier choice.
bool WriteHandover(COperationHost& host, const OsUpdateHandover& paths,
                   const std::string& folder = FilesFolder());

} // namespace qbx::os_preparation

#pragma once
#include "platform/program_folder.h"

#include <array>
#include <string>

// The slot list files that hand the chosen files from a preparation dialog
// to its transfer: seven lines of a one-digit flag and a path right-aligned
// in 256 characters, CR LF at each line end. The upload's list may carry an
// eighth line, "verify=1" or "verify=0", the preparation's "Verify after
// writing"; readers of seven lines pass it by.
namespace qbx {

constexpr const char* kUploadSlotListName = "config_up.ini";
constexpr const char* kDownloadSlotListName = "config_do.ini";
constexpr int kSlotCount = 7;
constexpr std::size_t kSlotPathWidth = 256;

struct SlotListEntry {
    int flag = 0; // 1 = the slot takes part; one digit on disk
    std::string path;
};
using SlotList = std::array<SlotListEntry, kSlotCount>; // slot 1 first

// The file's text. A path longer than 256 characters is written whole; a
// flag outside 0 to 9 is written as 1. False when a path holds a line end,
// which would shift every later slot.
bool FormatSlotList(const SlotList& slots, std::string& text);
// Reads the text the way the lines were written: per slot the flag (white
// space before it skipped), then at most 256 characters of the line with
// leading spaces removed; the rest of an over-long line is skipped. Missing
// lines give flag 0 and an empty path.
SlotList ParseSlotList(const std::string& text);
// The eighth line's choice: true only for "verify=1" right after the seven slots.
bool ParseVerifyLine(const std::string& text);

// Reads `name` in `folder`; false when it does not open or is no regular
// file (`slots` then empty). Only the first lines that seven slots can fill
// are read; a line cut there counts as missing.
bool ReadSlotList(const std::string& name, SlotList& slots, const std::string& folder = FilesFolder());
// Replaces `name` in `folder` as a whole; false when it cannot be written.
bool WriteSlotList(const std::string& name, const SlotList& slots, const std::string& folder = FilesFolder());

// The upload keeps a path only for a slot whose flag is 1; `verify`, where
// given, gets the eighth line's choice (false where there is none).
bool ReadUploadSlotList(SlotList& slots, const std::string& folder = FilesFolder(), bool* verify = nullptr);
// The download keeps every path, whatever its flag.
bool ReadDownloadSlotList(SlotList& slots, const std::string& folder = FilesFolder());
bool WriteUploadSlotList(const SlotList& slots, const std::string& folder = FilesFolder(),
                         bool verify = false);
bool WriteDownloadSlotList(const SlotList& slots, const std::string& folder = FilesFolder());

} // namespace qbx

// "config_up.ini" and "config_do.ini": seven slots with one-digit flags and
// paths of at most 256 characters, however the file looks; format → parse →
// format gives the same text.
#include "formats/slot_list.h"
#include "fuzz_check.h"

using namespace qbx;
using namespace qbx::fuzz;

namespace {

void CheckSlots(const SlotList& slots) {
    for (const SlotListEntry& entry : slots) {
        FUZZ_CHECK(entry.flag >= 0 && entry.flag <= 9);
        FUZZ_CHECK(entry.path.size() <= kSlotPathWidth);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WriteInput(kUploadSlotListName, data, size);
    WriteInput(kDownloadSlotListName, data, size);

    SlotList read;
    FUZZ_CHECK(ReadSlotList(kUploadSlotListName, read, WorkFolder()));
    CheckSlots(read);
    SlotList upload, download;
    FUZZ_CHECK(ReadUploadSlotList(upload, WorkFolder()));
    FUZZ_CHECK(ReadDownloadSlotList(download, WorkFolder()));
    CheckSlots(upload);
    CheckSlots(download);
    for (int i = 0; i < kSlotCount; ++i) {
        // The download keeps every path; the upload only the ticked ones.
        FUZZ_CHECK(download[i].path == read[i].path);
        FUZZ_CHECK(upload[i].path == (read[i].flag == 1 ? read[i].path : std::string()));
    }

    const SlotList parsed = ParseSlotList(std::string(reinterpret_cast<const char*>(data), size));
    CheckSlots(parsed);
    std::string first;
    if (!FormatSlotList(parsed, first)) return 0; // a path holding a line end
    const SlotList back = ParseSlotList(first);
    for (int i = 0; i < kSlotCount; ++i) {
        FUZZ_CHECK(back[i].flag == parsed[i].flag);
        FUZZ_CHECK(back[i].path == parsed[i].path);
    }
    FUZZ_CHECK(WriteDownloadSlotList(back, WorkFolder()));
    std::string second;
    FUZZ_CHECK(ReadWhole(WorkFolder() + "/" + kDownloadSlotListName, second));
    FUZZ_CHECK(first == second);
    return 0;
}

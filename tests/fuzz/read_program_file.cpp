// Program and firmware files (".prg", ".frm"): the kind and header readers,
// then the record cursor serving a run of ascending requests the way a device
// asks. Every answer stays inside its block: the bytes past a request's count
// keep the unprogrammed value, and a result outside the known set is a fault.
#include "formats/program_file.h"
#include "formats/record_cursor.h"
#include "formats/text_stream.h"
#include "fuzz_check.h"

using namespace qbx;
using namespace qbx::fuzz;

namespace {

// Requests of 64 bytes from `start`, then a few short ones, until the
// cursor gives up or the run is long enough.
void ServeRun(CRecordCursor& cursor, std::uint32_t start) {
    std::uint32_t address = start;
    for (int i = 0; i < 600; ++i) {
        const std::uint32_t count =
            i % 7 == 6 ? 1 + static_cast<std::uint32_t>(i % kMaxRequestBytes) : kMaxRequestBytes;
        AnswerBlock block;
        const int result = cursor.Serve(address, count, block);
        FUZZ_CHECK(result >= kServeData && result <= kServeOutOfOrder);
        for (std::size_t k = count; k < block.size(); ++k)
            FUZZ_CHECK(block[k] == kUnprogrammedByte);
        if (result > kServeNoData) return;
        if (address > 0xFFFFFFFFu - count) return;
        address += count;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = WriteInput("input.prg", data, size);
    CTextStream file;
    FUZZ_CHECK(file.Open(path) == 0);
    const int kind = ReadProgramFileKind(file);
    FUZZ_CHECK(kind >= kNotProgramFile && kind <= kTwoImageFile);

    if (IsSingleImageKind(kind)) {
        ReadProgressTotal(file);
        CRecordCursor cursor(file);
        cursor.BeginPhase(kSingleImagePhase);
        ServeRun(cursor, 0);
        return 0;
    }

    // A firmware file takes the same single-image path once its family is known.
    file.Close();
    FUZZ_CHECK(file.Open(path) == 0);
    if (ReadFirmwareFamily(file) != 0) {
        ReadProgressTotal(file);
        CRecordCursor cursor(file);
        cursor.BeginPhase(kSingleImagePhase);
        ServeRun(cursor, 0);
        return 0;
    }

    file.Close();
    FUZZ_CHECK(file.Open(path) == 0);
    TwoImageHeader header;
    const int read = ReadTwoImageHeader(file, header);
    FUZZ_CHECK(read >= kHeaderRead && read <= kHeaderBootSectorTooLarge);
    if (read != kHeaderRead) return 0;
    FUZZ_CHECK(header.bsSize <= kMaxBootSectorSize);
    // Big boot sectors are legal but slow to fuzz; the small ones find the same faults.
    if (header.bsSize > 0x10000) return 0;
    CRecordCursor cursor(file);
    FUZZ_CHECK(cursor.KeepBootSector(header.dataSize, header.bsSize));
    if (!SkipToMarker(file, kProgramImageMarker)) return 0;
    cursor.BeginPhase(kProgramImagePhase);
    ServeRun(cursor, 0);
    if (!SkipToMarker(file, kBootSectorImageMarker)) return 0;
    cursor.BeginPhase(kBootSectorImagePhase);
    ServeRun(cursor, header.dataSize);
    return 0;
}

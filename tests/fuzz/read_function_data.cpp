// A ".dat" file: whatever loads has a data array of the header's size and
// writes back so that it loads the same data; the second save is the first
// byte for byte.
#include "formats/function_data_format.h"
#include "formats/function_data_image.h"
#include "formats/function_data_reader.h"
#include "formats/function_data_writer.h"
#include "fuzz_check.h"

#include <sstream>

using namespace qbx;
using namespace qbx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = WriteInput("input.dat", data, size);
    FunctionDataImage image;
    const int result = image.Load(path);
    FUZZ_CHECK(result >= kDatLoaded && result <= kDatBadData);
    FUZZ_CHECK(result != kDatCannotOpen);

    // The stream reader gives the same result on the same bytes.
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    FunctionDataHeader header;
    std::vector<std::uint8_t> bytes;
    FUZZ_CHECK(ReadFunctionData(in, header, bytes) == result);

    if (result != kDatLoaded) {
        FUZZ_CHECK(!image.IsValid() && image.Size() == 0);
        FUZZ_CHECK(bytes.empty());
        return 0;
    }
    FUZZ_CHECK(image.IsValid());
    FUZZ_CHECK(image.Size() == image.Header().dataSize);
    FUZZ_CHECK(image.Size() <= kMaxFunctionDataSize);
    FUZZ_CHECK(image.Header().fileFormat <= kMaxFileFormat);
    FUZZ_CHECK(bytes == image.Data());

    // Every byte is reachable and one past the end is refused.
    std::uint8_t value = 0;
    if (image.Size() > 0) FUZZ_CHECK(image.GetByte(image.Size() - 1, value));
    FUZZ_CHECK(!image.GetByte(image.Size(), value));

    const std::string second = WorkFolder() + "/second.dat";
    RemoveFile(second);
    // A format-3 file may name format 0, or format 2 with a size of its own;
    // such an image loads but has no layout to be written in, and a refused
    // save creates no file.
    if (!image.Save(second)) {
        FUZZ_CHECK(!FileExists(second));
        std::string refused;
        FUZZ_CHECK(!FormatFunctionData(image.Header(), image.Data(), refused));
        return 0;
    }
    FunctionDataImage again;
    FUZZ_CHECK(again.Load(second) == kDatLoaded);
    FUZZ_CHECK(again.Data() == image.Data());
    FUZZ_CHECK(again.Header().fileFormat == image.Header().fileFormat);
    FUZZ_CHECK(again.Header().deviceCode == image.Header().deviceCode);
    // Format 2 keeps the firmware in a field of five characters, so only the
    // second round is sure to keep it; the other formats keep it from the first.
    if (image.Header().fileFormat != 2) {
        FUZZ_CHECK(again.Header().firmware == image.Header().firmware);
        FUZZ_CHECK(again.Header().bootsector == image.Header().bootsector);
    }

    std::string first, last;
    FUZZ_CHECK(ReadWhole(second, first));
    FUZZ_CHECK(FormatFunctionData(again.Header(), again.Data(), last));
    FUZZ_CHECK(first == last);
    return 0;
}

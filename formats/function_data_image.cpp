#include "formats/function_data_image.h"

#include "formats/function_data_reader.h"
#include "formats/function_data_writer.h"
#include "platform/regular_file.h"
#include "platform/replace_file.h"

#include <algorithm>
#include <istream>

namespace qbx {

void FunctionDataImage::Reset() {
    header.Reset();
    data.clear();
    data.shrink_to_fit();
    valid = false;
}

int FunctionDataImage::Load(const std::string& path) {
    Reset();
    CRegularFileBuffer file;
    if (!file.Open(path)) return kDatCannotOpen;
    std::istream in(&file);
    int result = ReadFunctionData(in, header, data);
    valid = result == kDatLoaded;
    return result;
}

bool FunctionDataImage::Prepare(const FunctionDataHeader& given) {
    Reset();
    // What could not be saved afterwards is refused before any byte arrives.
    if (given.fileFormat > kMaxFileFormat || given.dataSize > kMaxFunctionDataSize ||
        !FunctionDataTextsFit(given))
        return false;
    header = given;
    data.assign(header.dataSize, kErasedByte);
    valid = true;
    return true;
}

bool FunctionDataImage::Save(const std::string& path) const {
    std::string text;
    return FormatFunctionData(header, data, text) && ReplaceFileContents(path, text);
}

bool FunctionDataImage::GetByte(std::size_t offset, std::uint8_t& value) const {
    if (!Holds(offset, 1)) return false;
    value = data[offset];
    return true;
}

bool FunctionDataImage::SetByte(std::size_t offset, std::uint8_t value) {
    if (!Holds(offset, 1)) return false;
    data[offset] = value;
    return true;
}

bool FunctionDataImage::GetBytes(std::size_t offset, std::size_t count, std::uint8_t* out) const {
    if (!Holds(offset, count)) return false;
    std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(offset), count, out);
    return true;
}

bool FunctionDataImage::SetBytes(std::size_t offset, const std::uint8_t* in, std::size_t count) {
    if (!Holds(offset, count)) return false;
    std::copy_n(in, count, data.begin() + static_cast<std::ptrdiff_t>(offset));
    return true;
}

} // namespace qbx

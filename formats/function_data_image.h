#pragma once
#include "formats/function_data_format.h"
#include "formats/function_data_header.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qbx {

// The in-memory form of a ".dat" file: its header and its data bytes,
// addressed by offset from 0. Every byte access is checked against the size.
class FunctionDataImage {
  public:
    void Reset();

    // A FunctionDataLoadResult (0 loaded, 1 cannot open or no regular file,
    // 2 no magic, 3 file format above 3, 4 bad header line, 5 short or
    // malformed records). On 0 the image is valid; otherwise it is reset.
    int Load(const std::string& path);

    // Readies the image to receive `header.dataSize` bytes, all 0xFF. False
    // (and the image reset) for a file format of 4 or more, a data size
    // above kMaxFunctionDataSize or texts that no file could hold
    // (FunctionDataTextsFit), so that what is received can be saved.
    bool Prepare(const FunctionDataHeader& header);

    // Writes the file in the layout of the header's file format. The file is
    // replaced as a whole; false leaves an existing file as it was and
    // creates none, also when the image cannot be written (see
    // FormatFunctionData).
    bool Save(const std::string& path) const;

    FunctionDataHeader& Header() { return header; }
    const FunctionDataHeader& Header() const { return header; }
    bool IsValid() const { return valid; }
    std::size_t Size() const { return data.size(); }
    const std::vector<std::uint8_t>& Data() const { return data; }

    // False, changing nothing, when the bytes do not all lie inside the image.
    bool GetByte(std::size_t offset, std::uint8_t& value) const;
    bool SetByte(std::size_t offset, std::uint8_t value);
    bool GetBytes(std::size_t offset, std::size_t count, std::uint8_t* out) const;
    bool SetBytes(std::size_t offset, const std::uint8_t* in, std::size_t count);

  private:
    bool Holds(std::size_t offset, std::size_t count) const {
        return offset <= data.size() && count <= data.size() - offset;
    }

    FunctionDataHeader header;
    std::vector<std::uint8_t> data;
    bool valid = false;
};

} // namespace qbx

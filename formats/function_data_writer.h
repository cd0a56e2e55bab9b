#pragma once
#include "formats/function_data_header.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qbx {

// The complete ".dat" text of an image: the header of its file format, then
// records of 32 bytes, every line but the last ended by CR LF. False, with
// `text` untouched, when the image cannot be written so that it loads back
// the same: a file format other than 1 to 3, a layout that does not fit
// (FunctionDataLayoutFits), a data array that does not match the header's
// size, or header texts that do not fit (FunctionDataTextsFit).
bool FormatFunctionData(const FunctionDataHeader& header, const std::vector<std::uint8_t>& data,
                        std::string& text);

} // namespace qbx

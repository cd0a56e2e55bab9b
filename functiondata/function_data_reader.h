#pragma once
#include "functiondata/function_data_header.h"

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace qbx {

// Reads a ".dat" text from `in` (opened in binary: CR and LF are stripped
// from the line ends here). Returns a FunctionDataLoadResult; on kDatLoaded
// `header` and `data` hold the image, otherwise they are reset and empty.
// Only the lines up to the record that completes the image are read.
int ReadFunctionData(std::istream& in, FunctionDataHeader& header, std::vector<std::uint8_t>& data);

} // namespace qbx

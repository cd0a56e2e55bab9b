#pragma once
#include "formats/function_data_header.h"

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace qbx {

// Reads a ".dat" text from `in` (opened in binary: a line ends at its LF,
// and one CR in front of it belongs to the line end, as in a text-mode read).
// Returns a FunctionDataLoadResult; on kDatLoaded `header` and `data` hold
// the image, otherwise they are reset and empty. Only the lines up to the
// record that completes the image are read, and of those no more than
// kDatLongestLine characters: a longer line gives the result of the line
// it stands for.
int ReadFunctionData(std::istream& in, FunctionDataHeader& header, std::vector<std::uint8_t>& data);

} // namespace qbx

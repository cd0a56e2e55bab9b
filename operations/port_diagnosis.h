#pragma once
#include "operations/operation_host.h"

#include <string>
#include <vector>

namespace qbx {

// Why port `portNumber` (device file `path`) could not be used, as a short
// text of the language module for a tooltip or the console: the process
// that holds it, the group a person must belong to (or that only its owner
// may open it), the serial devices that exist when the mapped one does not. `state` and `error` as the port
// enumeration gives them; `mapped` are the device files of all six ports.
// Empty when there is nothing to add.
std::string PortDiagnosis(COperationHost& host, int portNumber, const std::string& path, int state, int error,
                          const std::vector<std::string>& mapped);

} // namespace qbx

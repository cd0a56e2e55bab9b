#pragma once
#include <string>

namespace qbx {

// The device file behind COM<portNumber>: the environment variable
// QUILLBOX_COM<n> when it is set and not empty, else line n of "ports.ini" in
// the program folder when that line holds a path, else /dev/ttyS<n-1>.
// Opening a port, the port enumeration and the interface scan all use it.
std::string SerialPortPath(int portNumber);

// The same rule with the program folder given (for tests and tools).
std::string SerialPortPath(int portNumber, const std::string& programFolder);

} // namespace qbx

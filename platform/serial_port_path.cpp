#include "platform/serial_port_path.h"

#include "platform/program_folder.h"

#include <cstdlib>
#include <fstream>

namespace qbx {
namespace {

std::string Trimmed(const std::string& line) {
    const char* blanks = " \t\r\n";
    size_t first = line.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    size_t last = line.find_last_not_of(blanks);
    return line.substr(first, last - first + 1);
}

std::string LineOfPortsFile(int portNumber, const std::string& programFolder) {
    std::ifstream file(programFolder + "/ports.ini");
    std::string line;
    for (int n = 1; n <= portNumber && std::getline(file, line); ++n) {
        if (n == portNumber) return Trimmed(line);
    }
    return {};
}

} // namespace

std::string SerialPortPath(int portNumber, const std::string& programFolder) {
    std::string variable = "QUILLBOX_COM" + std::to_string(portNumber);
    if (const char* value = std::getenv(variable.c_str()); value && *value) return value;
    if (portNumber >= 1) {
        std::string line = LineOfPortsFile(portNumber, programFolder);
        if (!line.empty()) return line;
    }
    return "/dev/ttyS" + std::to_string(portNumber - 1);
}

std::string SerialPortPath(int portNumber) {
    return SerialPortPath(portNumber, ProgramFolder());
}

} // namespace qbx

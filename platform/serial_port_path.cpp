#include "platform/serial_port_path.h"

#include "platform/program_folder.h"
#include "platform/regular_file.h"

#include <cstdlib>

namespace qbx {
namespace {

std::string Trimmed(const std::string& line) {
    const char* blanks = " \t\r\n";
    size_t first = line.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    size_t last = line.find_last_not_of(blanks);
    return line.substr(first, last - first + 1);
}

// Six lines of a device path; a longer file is no port list.
constexpr std::size_t kPortsReadLimit = 6 * (kLongestPath + 2);

std::string LineOfPortsFile(int portNumber, const std::string& programFolder) {
    std::string text;
    bool more = false;
    if (!ReadFilePrefix(programFolder + "/ports.ini", kPortsReadLimit, text, &more)) return {};
    if (more) DropCutLine(text);
    std::size_t start = 0;
    for (int n = 1; start < text.size(); ++n) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        if (n == portNumber) return Trimmed(text.substr(start, end - start));
        start = end + 1;
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

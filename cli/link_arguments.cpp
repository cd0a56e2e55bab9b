#include "cli/link_arguments.h"

#include <cstdlib>
#include <strings.h>

namespace qbx {
namespace {

constexpr int kTcpInterfaceIndex = 6;
constexpr int kSerialPortCount = 6;

// "HOST", "HOST:PORT", "[V6ADDRESS]" or "[V6ADDRESS]:PORT".
bool SplitHostPort(const std::string& text, std::string& host, std::string& portText) {
    if (!text.empty() && text[0] == '[') {
        const std::size_t close = text.find(']');
        if (close == std::string::npos) return false;
        host = text.substr(1, close - 1);
        if (close + 1 == text.size()) return !host.empty();
        if (text[close + 1] != ':') return false;
        portText = text.substr(close + 2);
        return !host.empty();
    }
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || text.find(':', colon + 1) != std::string::npos) {
        host = text; // no port, or an IPv6 address without brackets
        return !host.empty();
    }
    host = text.substr(0, colon);
    portText = text.substr(colon + 1);
    return !host.empty();
}

} // namespace

bool ParsePort(const std::string& text, unsigned& port) {
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    port = static_cast<unsigned>(std::atoi(text.c_str()));
    return port >= 1 && port <= 65535;
}

bool ParseComPort(const std::string& text, int& interfaceIndex) {
    if (text.size() != 4 || strncasecmp(text.c_str(), "COM", 3) != 0) return false;
    const int number = text[3] - '0';
    if (number < 1 || number > kSerialPortCount) return false;
    interfaceIndex = number - 1;
    return true;
}

void LinkOverride::ApplyTo(CSettings& settings) const {
    if (!given) return;
    settings.interfaceIndex = static_cast<std::uint8_t>(interfaceIndex);
    settings.portPath = devicePath;
    if (interfaceIndex == kTcpInterfaceIndex) {
        settings.ipAddress = host;
        settings.port = port;
    }
}

bool ParseLinkOverride(const std::string& portOption, const std::string& tcpOption,
                       const std::string& startFolder, LinkOverride& link, std::string& reason) {
    link = LinkOverride();
    if (!portOption.empty()) {
        link.given = true;
        if (ParseComPort(portOption, link.interfaceIndex)) return true;
        if (portOption.find('/') == std::string::npos) {
            reason = "--port needs COM1 to COM6 or a device path, not " + portOption;
            return false;
        }
        // A device path is opened as COM1 would be.
        link.interfaceIndex = 0;
        link.devicePath = portOption[0] == '/' ? portOption : startFolder + "/" + portOption;
        return true;
    }
    if (tcpOption.empty()) return true;
    link.given = true;
    link.interfaceIndex = kTcpInterfaceIndex;
    std::string portText;
    unsigned port = kDefaultPort;
    if (!SplitHostPort(tcpOption, link.host, portText) || (!portText.empty() && !ParsePort(portText, port))) {
        reason = "--tcp needs HOST or HOST:PORT (port 1 to 65535), not " + tcpOption;
        return false;
    }
    link.port = static_cast<std::uint16_t>(port);
    return true;
}

} // namespace qbx

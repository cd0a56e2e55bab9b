#pragma once
#include "core/settings_store.h"

#include <string>

namespace qbx {

// A TCP port from 1 to 65535 in decimal, nothing else.
bool ParsePort(const std::string& text, unsigned& port);
// "COM1" to "COM6" (any case): the interface index 0 to 5.
bool ParseComPort(const std::string& text, int& interfaceIndex);

// The link named on the command line for one run: --port COMn|PATH or
// --tcp HOST[:PORT]. It replaces what qbx_man.ini says about the link and
// leaves the language.
struct LinkOverride {
    bool given = false;
    int interfaceIndex = 0;
    std::string devicePath; // --port PATH
    std::string host;       // --tcp
    std::uint16_t port = kDefaultPort;

    void ApplyTo(CSettings& settings) const;
};

// False with a reason when the value is none of the forms; a relative PATH
// is taken from `startFolder`.
bool ParseLinkOverride(const std::string& portOption, const std::string& tcpOption,
                       const std::string& startFolder, LinkOverride& link, std::string& reason);

} // namespace qbx

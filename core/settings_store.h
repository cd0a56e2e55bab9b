#pragma once
#include "core/edition.h"
#include <cstdint>
#include <string>

namespace qbx {

constexpr const char* kSettingsFileName = "qbx_man.ini";
constexpr const char* kCustomerFileName = "customer.ini";
constexpr const char* kDefaultIpAddress = "192.168.0.1";
constexpr std::uint16_t kDefaultPort = 40000;

// The interface, language and network address that every device operation
// loads afresh from "qbx_man.ini"; the file is the only shared state.
class CSettings {
  public:
    CSettings() { Reset(); }
    virtual ~CSettings() = default;

    void Reset();

    // Reads "qbx_man.ini" of the files' folder (or of `folder`). False when
    // it does not open or is no regular file; the record then holds the
    // defaults, with the language the locale asks for. Lines that are missing or malformed keep their
    // defaults.
    bool Load();
    bool Load(const std::string& folder);
    // Parses the file's text the way Load does.
    void Parse(const std::string& text);

    // Writes the four lines; an empty address is saved (and kept) as the
    // default. False when the file could not be written (see
    // ReplaceFileContents): a write-protected file, a folder that takes no
    // new file, a full disk.
    bool Save();
    bool Save(const std::string& folder);
    std::string Serialize();

    std::uint8_t interfaceIndex;
    std::uint8_t language;
    std::string ipAddress;
    std::uint16_t port;
    // A serial device named for one run (qbx --port PATH) instead of the one
    // the COM port maps to; never saved.
    std::string portPath;
};

// Edition from "customer.ini": kCustomerEdition when its first digit is 2,
// else kStandardEdition.
int ReadEdition();
int ReadEdition(const std::string& folder);

} // namespace qbx

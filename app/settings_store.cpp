#include "app/settings_store.h"

#include "app/text_scanner.h"
#include "platform/program_folder.h"
#include "platform/replace_file.h"

namespace qbx {
namespace {

constexpr size_t kAddressWidth = 255; // the 256-byte buffer of the file reader

} // namespace

void CSettings::Reset() {
    interfaceIndex = 0;
    language = 0;
    ipAddress = kDefaultIpAddress;
    port = kDefaultPort;
}

bool CSettings::Load() { return Load(ProgramFolder()); }

bool CSettings::Load(const std::string& folder) {
    Reset();
    std::string text;
    if (!ReadFileContents(folder + "/" + kSettingsFileName, text)) return false;
    Parse(text);
    return true;
}

void CSettings::Parse(const std::string& text) {
    Reset();
    CTextScanner in(text);
    long long value = 0;
    if (in.ScanInt(value)) interfaceIndex = static_cast<std::uint8_t>(value);
    if (in.ScanInt(value)) language = static_cast<std::uint8_t>(value);
    std::string word;
    if (in.ScanWord(word, kAddressWidth) && !word.empty()) ipAddress = word;
    in.SkipSpace();
    if (in.ScanInt(value)) port = static_cast<std::uint16_t>(value);
}

std::string CSettings::Serialize() {
    if (ipAddress.empty()) ipAddress = kDefaultIpAddress;
    return std::to_string(interfaceIndex) + "\n" + std::to_string(language) + "\n" + ipAddress + "\n" +
           std::to_string(port) + "\n";
}

bool CSettings::Save() { return Save(ProgramFolder()); }

bool CSettings::Save(const std::string& folder) {
    // Replaced as a whole: a failed save keeps the old settings.
    return ReplaceFileContents(folder + "/" + kSettingsFileName, Serialize());
}

int ReadEdition() { return ReadEdition(ProgramFolder()); }

int ReadEdition(const std::string& folder) {
    std::string text;
    if (!ReadFileContents(folder + "/" + kCustomerFileName, text)) return 1;
    CTextScanner in(text);
    long long digit = 0;
    return in.ScanInt(digit, 1) && digit == 2 ? 2 : 1;
}

} // namespace qbx

#include "core/settings_store.h"

#include "core/text_scanner.h"
#include "platform/locale_language.h"
#include "platform/program_folder.h"
#include "platform/regular_file.h"
#include "platform/replace_file.h"

#include <algorithm>

namespace qbx {
namespace {

constexpr size_t kAddressWidth = 255; // the 256-byte buffer of the file reader
// Both files are a few bytes long. The reader skips white space of any
// length, but a file that needs more than this holds no settings: only its
// beginning is read, so that a huge file costs no memory.
constexpr size_t kReadLimit = 64 * 1024;

} // namespace

void CSettings::Reset() {
    interfaceIndex = 0;
    language = 0;
    ipAddress = kDefaultIpAddress;
    port = kDefaultPort;
    portPath.clear();
}

bool CSettings::Load() {
    return Load(FilesFolder());
}

bool CSettings::Load(const std::string& folder) {
    Reset();
    std::string text;
    if (!ReadFilePrefix(FileToRead(folder, kSettingsFileName), kReadLimit, text)) {
        // A first start speaks the user's language.
        language = static_cast<std::uint8_t>(LocaleLanguage(language));
        return false;
    }
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
    // "%s" stores NUL bytes too, but the address is a C string: it ends at
    // the first, and an empty one keeps the default.
    if (in.ScanWord(word, kAddressWidth)) word.erase(std::min(word.find('\0'), word.size()));
    if (!word.empty()) ipAddress = word;
    in.SkipSpace();
    if (in.ScanInt(value)) port = static_cast<std::uint16_t>(value);
}

std::string CSettings::Serialize() {
    if (ipAddress.empty()) ipAddress = kDefaultIpAddress;
    return std::to_string(interfaceIndex) + "\n" + std::to_string(language) + "\n" + ipAddress + "\n" +
           std::to_string(port) + "\n";
}

bool CSettings::Save() {
    return Save(FilesFolder());
}

bool CSettings::Save(const std::string& folder) {
    // Replaced as a whole: a failed save keeps the old settings.
    return ReplaceFileContents(FileToWrite(folder, kSettingsFileName), Serialize());
}

int ReadEdition() {
    return ReadEdition(ProgramFolder());
}

int ReadEdition(const std::string& folder) {
    std::string text;
    if (!ReadFilePrefix(folder + "/" + kCustomerFileName, kReadLimit, text)) return kStandardEdition;
    CTextScanner in(text);
    long long digit = 0;
    return in.ScanInt(digit, 1) && digit == kCustomerEdition ? kCustomerEdition : kStandardEdition;
}

} // namespace qbx

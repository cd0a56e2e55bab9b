// settings, settings set: qbx_man.ini without the settings dialog.
#include "cli/commands.h"
#include "cli/link_arguments.h"
#include "core/link_choice.h"
#include "core/settings_store.h"
#include "operations/settings_messages.h"
#include "platform/program_folder.h"

#include <cstdio>
#include <optional>

namespace qbx {
namespace {

constexpr const char* kLanguageCodes[] = {"de", "en", "it"};
constexpr int kTcpInterfaceIndex = 6;
constexpr std::size_t kAddressLength = 255; // the dialog's field

struct SettingsChanges {
    std::optional<int> interfaceIndex;
    std::optional<int> language;
    std::optional<std::string> address;
    std::optional<std::uint16_t> port;
};

std::string InterfaceText(const CSettings& settings) {
    const LinkChoice link = ChooseLink(settings);
    if (link.kind == LinkKind::Tcp) return "tcp";
    if (link.kind == LinkKind::Serial) return "COM" + std::to_string(link.portNumber);
    return "none";
}

std::string LanguageText(int language) {
    return language >= 0 && language <= 2 ? kLanguageCodes[language] : "de";
}

bool ParseLanguage(const std::string& text, int& language) {
    for (int i = 0; i < 3; ++i) {
        if (text == kLanguageCodes[i]) {
            language = i;
            return true;
        }
    }
    return false;
}

// The dialog takes what its fields can hold; the file's reader splits
// words at white space, so an address holds none.
bool ParseAddress(const std::string& text) {
    return !text.empty() && text.size() <= kAddressLength &&
           text.find_first_of(" \t\r\n\v\f") == std::string::npos;
}

bool ParseChange(const std::string& argument, SettingsChanges& changes, std::string& reason) {
    const std::size_t equals = argument.find('=');
    const std::string key = argument.substr(0, equals);
    const std::string value = equals == std::string::npos ? std::string() : argument.substr(equals + 1);
    int number = 0;
    unsigned port = 0;
    if (key == "interface" && (value == "tcp" || ParseComPort(value, number))) {
        changes.interfaceIndex = value == "tcp" ? kTcpInterfaceIndex : number;
    } else if (key == "language" && ParseLanguage(value, number)) {
        changes.language = number;
    } else if (key == "address" && ParseAddress(value)) {
        changes.address = value;
    } else if (key == "port" && ParsePort(value, port)) {
        changes.port = static_cast<std::uint16_t>(port);
    } else {
        reason =
            "settings set takes interface=COM1..COM6|tcp, language=de|en|it, address=HOST, port=1..65535; "
            "not " +
            argument;
        return false;
    }
    return true;
}

void PrintSettings(CommandContext& context, const CSettings& settings, const std::string& file, bool found) {
    const std::string shown = found ? file : file + " (not written yet: the defaults)";
    std::fprintf(context.events.HumanOut(), "interface: %s\nlanguage: %s\naddress: %s\nport: %u\nfile: %s\n",
                 InterfaceText(settings).c_str(), LanguageText(settings.language).c_str(),
                 settings.ipAddress.c_str(), settings.port, shown.c_str());
    context.events.Emit(CJsonEvents::Event("settings")
                            .String("interface", InterfaceText(settings))
                            .String("language", LanguageText(settings.language))
                            .String("address", settings.ipAddress)
                            .Number("port", settings.port)
                            .String("file", file)
                            .Bool("found", found));
}

} // namespace

int RunSettings(CommandContext& context) {
    const std::vector<std::string>& args = context.arguments;
    const bool set = !args.empty() && args[0] == "set";
    if (!args.empty() && (!set || args.size() == 1)) return kExitUsage;
    SettingsChanges changes;
    std::string reason;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (!ParseChange(args[i], changes, reason)) return UsageError(context.host, reason);
    }
    CSettings settings;
    bool found = settings.Load();
    // Before the first save, the file it will be: the user's own where the
    // program folder cannot be written.
    std::string file =
        found ? FileToRead(FilesFolder(), kSettingsFileName) : FilesFolder() + "/" + kSettingsFileName;
    if (set) {
        if (changes.interfaceIndex)
            settings.interfaceIndex = static_cast<std::uint8_t>(*changes.interfaceIndex);
        if (changes.language) settings.language = static_cast<std::uint8_t>(*changes.language);
        if (changes.address) settings.ipAddress = *changes.address;
        if (changes.port) settings.port = *changes.port;
        file = FilesFolder() + "/" + kSettingsFileName;
        if (!settings.Save()) {
            context.host.SetGroup(settings_dialog::kGroup);
            context.host.ShowMessage(settings_dialog::kNotSaved, settings_dialog::kNotSavedText, {file});
            return kExitFailed;
        }
        found = true;
    }
    PrintSettings(context, settings, file, found);
    return kExitOk;
}

} // namespace qbx

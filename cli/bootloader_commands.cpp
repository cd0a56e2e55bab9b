// mode-switch, config: the settings dialog's two bootloader functions over
// the link of qbx_man.ini.
#include "cli/commands.h"
#include "cli/config_arguments.h"
#include "operations/bootloader_mode_messages.h"
#include "operations/mode_switch.h"

#include <cstdio>

namespace qbx {
namespace {

ConnectOptions LinkOptions(CConsoleHost& host, CSettings& settings) {
    settings.Load(); // a missing file means the defaults, as in the settings dialog
    host.OverrideLink(settings);
    ConnectOptions options;
    options.settings = &settings;
    return options;
}

std::string AddressText(const std::array<std::uint8_t, 4>& a) {
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", a[0], a[1], a[2], a[3]);
    return text;
}

void PrintConfig(CJsonEvents& events, const BootloaderConfig& config) {
    std::FILE* out = events.HumanOut();
    CJsonObject event = CJsonEvents::Event("config").Number("config", config.configByte);
    std::fprintf(out, "config: %u\n", config.configByte);
    if (config.hasNetwork) {
        const NetworkSettings& net = config.network;
        std::fprintf(out, "address1: %s\naddress2: %s\naddress3: %s\n", AddressText(net.address1).c_str(),
                     AddressText(net.address2).c_str(), AddressText(net.address3).c_str());
        std::fprintf(out, "byte: %u\nword1: %u\nword2: %u\n", net.parameterByte, net.parameterWord1,
                     net.parameterWord2);
        event.String("address1", AddressText(net.address1))
            .String("address2", AddressText(net.address2))
            .String("address3", AddressText(net.address3))
            .Number("byte", net.parameterByte)
            .Number("word1", net.parameterWord1)
            .Number("word2", net.parameterWord2);
    }
    events.Emit(event);
}

} // namespace

int RunModeSwitchCommand(CommandContext& context) {
    if (!context.arguments.empty()) return kExitUsage;
    context.host.SetGroup(bootloader_mode::kGroup);
    CSettings settings;
    return RunModeSwitch(context.host, LinkOptions(context.host, settings)) ? kExitOk : kExitFailed;
}

int RunConfig(CommandContext& context) {
    const std::vector<std::string>& args = context.arguments;
    const bool set = !args.empty() && args[0] == "set";
    if (!args.empty() && !set) return kExitUsage;
    ConfigChanges changes;
    std::string reason;
    if (set && !ParseConfigChanges({args.begin() + 1, args.end()}, changes, reason)) {
        context.host.Note(reason);
        return kExitUsage;
    }
    context.host.SetGroup(bootloader_mode::kGroup);
    CSettings settings;
    bool noNetwork = false;
    bool read = false;
    BootloaderSettingsResult result = RunBootloaderSettings(
        context.host, LinkOptions(context.host, settings), [&](BootloaderConfig& config) {
            read = true;
            if (!set) {
                PrintConfig(context.events, config);
                return false; // only read
            }
            if (changes.TouchesNetwork() && !config.hasNetwork) {
                noNetwork = true;
                return false;
            }
            changes.ApplyTo(config);
            return true;
        });
    if (noNetwork) {
        context.host.Note("this bootloader has no network settings (only a LINKBOX has)");
        return kExitUsage;
    }
    // Declining the mode switch leaves the settings unread: nothing done.
    if (result == BootloaderSettingsResult::Unchanged && !read) return kExitFailed;
    return result == BootloaderSettingsResult::Failed ? kExitFailed : kExitOk;
}

} // namespace qbx

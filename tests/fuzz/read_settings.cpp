// "qbx_man.ini" and "customer.ini": any text gives usable settings and an
// edition of 1 or 2; serialise → parse → serialise gives the same text.
#include "core/settings_store.h"
#include "fuzz_check.h"

using namespace qbx;
using namespace qbx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WriteInput(kSettingsFileName, data, size);
    WriteInput(kCustomerFileName, data, size);
    const int edition = ReadEdition(WorkFolder());
    FUZZ_CHECK(edition == 1 || edition == 2);

    CSettings settings;
    FUZZ_CHECK(settings.Load(WorkFolder()));
    CSettings parsed;
    parsed.Parse(std::string(reinterpret_cast<const char*>(data), size));
    FUZZ_CHECK(parsed.interfaceIndex == settings.interfaceIndex && parsed.language == settings.language &&
               parsed.ipAddress == settings.ipAddress && parsed.port == settings.port);

    FUZZ_CHECK(settings.Save(WorkFolder()));
    std::string first;
    FUZZ_CHECK(ReadWhole(WorkFolder() + "/" + kSettingsFileName, first));
    CSettings again;
    FUZZ_CHECK(again.Load(WorkFolder()));
    FUZZ_CHECK(again.interfaceIndex == settings.interfaceIndex && again.language == settings.language &&
               again.port == settings.port);
    FUZZ_CHECK(again.Save(WorkFolder()));
    std::string second;
    FUZZ_CHECK(ReadWhole(WorkFolder() + "/" + kSettingsFileName, second));
    FUZZ_CHECK(first == second);
    return 0;
}

#include "platform/locale_language.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace qbx {

int LocaleLanguage(int fallback) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (!value || !value[0]) continue;
        // "de", "de_CH.UTF-8", "it_IT@euro": the language is the part before '_', '.' or '@'.
        const std::size_t length = std::strcspn(value, "_.@");
        if (length != 2) return fallback;
        if (std::strncmp(value, "de", 2) == 0) return 0;
        if (std::strncmp(value, "en", 2) == 0) return 1;
        if (std::strncmp(value, "it", 2) == 0) return 2;
        return fallback;
    }
    return fallback;
}

} // namespace qbx

#pragma once

namespace qbx {

// The program's language (0 German, 1 English, 2 Italian) that the locale
// asks for: the first of LC_ALL, LC_MESSAGES and LANG that is set decides,
// as it does for every program; `fallback` when it names none of the three.
int LocaleLanguage(int fallback);

} // namespace qbx

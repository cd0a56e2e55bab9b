#include "gui/startup_messages.h"

namespace qbx {
namespace {

// [number - 1][language]
const char* const kStartupTexts[4][3] = {
    {"Es konnten keine Informationen zur Anwendung Quillbox ermittelt werden. (ErrorCode: %d)\nDas Programm "
     "kann "
     "nicht ausgeführt werden.",
     "It isn't possible to determine information about Quillbox. (ErrorCode: %d)\nExecution of program "
     "failed.",
     "Non può essere trasmessa nessuna informazione sull'utilizzazione del Quillbox. (ErrorCode: %d)\n Il "
     "programma non può essere utilizzato."},
    {"Die Datei %s wurde nicht gefunden. (ErrorCode: %d)\nDas Programm kann nicht ausgeführt werden.",
     "File %s couldn't be found. (ErrorCode: %d)\nExecution of program failed.",
     "I dati %s non sono stati trovati. (ErrorCode: %d)\n Il programma non può essere utilizzato."},
    {"Es konnten keine Informationen der Datei %s ermittelt werden. (ErrorCode: %d)\nDas Programm kann nicht "
     "ausgeführt werden.",
     "It isn't possible to determine information about the file %s. (ErrorCode: %d)\nExecution of program "
     "failed.",
     "Non può essere trasmessa nessuna informazione sul file %s. (ErrorCode: %d)\n Il programma non può "
     "essere "
     "utilizzato."},
    {"Die Datei %s (Vers. %s) ist nicht kompatibel mit Quillbox (Vers. %s).\nDas Programm kann nicht "
     "ausgeführt "
     "werden.",
     "The file %s (vers. %s) isn't compatible with Quillbox (vers.: %s)\nExecution of program failed.",
     "Il file %s (Vers. %s) non è compatibile con il Quillbox (Vers. %s).\n Il programma non può essere "
     "utilizzato."},
};

const char* const kLanguageChanged[3] = {
    "Um die neue Spracheinstellung zu übernehmen, muss der Quillbox beendet und neu gestartet werden.",
    "Restart Quillbox to activate the new language selection.",
    "Per rinominare la nuova impostazione della lingua, occorre spegnere e riascendere il Quillbox.",
};

int ClampLanguage(int language) {
    return language == 1 || language == 2 ? language : 0;
}

} // namespace

std::string StartupMessageText(int number, int language) {
    if (number < 1 || number > 4) return {};
    return kStartupTexts[number - 1][ClampLanguage(language)];
}

std::string LanguageChangedText(int language) {
    return kLanguageChanged[ClampLanguage(language)];
}

} // namespace qbx

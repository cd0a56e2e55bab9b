#include "gui/startup_messages.h"

namespace qbx {
namespace {

// [number - 1][language]
const char* const kStartupTexts[4][3] = {
    {"Es konnten keine Informationen zur Anwendung Quillbox ermittelt werden. (Fehlercode: %d)\nDas Programm "
     "kann nicht ausgeführt werden.",
     "It isn't possible to determine information about Quillbox. (ErrorCode: %d)\nExecution of program "
     "failed.",
     "Non è stato possibile determinare le informazioni sull'applicazione Quillbox. (codice di errore: "
     "%d)\nIl programma non può essere eseguito."},
    {"Die Datei %s wurde nicht gefunden. (Fehlercode: %d)\nDas Programm kann nicht ausgeführt werden.",
     "File %s couldn't be found. (ErrorCode: %d)\nExecution of program failed.",
     "Il file %s non è stato trovato. (codice di errore: %d)\nIl programma non può essere eseguito."},
    {"Es konnten keine Informationen der Datei %s ermittelt werden. (Fehlercode: %d)\nDas Programm kann "
     "nicht ausgeführt werden.",
     "It isn't possible to determine information about the file %s. (ErrorCode: %d)\nExecution of program "
     "failed.",
     "Non è stato possibile determinare le informazioni sul file %s. (codice di errore: %d)\nIl programma "
     "non può essere eseguito."},
    {"Die Datei %s (Vers. %s) ist nicht kompatibel mit Quillbox (Vers. %s).\nDas Programm kann nicht "
     "ausgeführt werden.",
     "The file %s (vers. %s) isn't compatible with Quillbox (vers.: %s)\nExecution of program failed.",
     "Il file %s (vers. %s) non è compatibile con Quillbox (vers. %s).\nIl programma non può essere "
     "eseguito."},
};

const char* const kLanguageChanged[3] = {
    "Um die neue Spracheinstellung zu übernehmen, muss Quillbox beendet und neu gestartet werden.",
    "Restart Quillbox to activate the new language selection.",
    "Per applicare la nuova impostazione della lingua, occorre chiudere e riavviare Quillbox.",
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

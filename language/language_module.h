#pragma once
#include "platform/module.h"

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <memory>
#include <string>

namespace qbx {

// Where Qt keeps its own translations (qtbase_de.qm, ...).
QString QtTranslationsFolder();

// File name of the language module for a settings language (0 German,
// 1 English, 2 Italian; anything else German).
std::string ModuleFileName(int language);

// A loaded language module: the source of every dialog template, string and
// the icon for the whole run. Its embedded resources live under ":/<base>/",
// where <base> is the file name without ".dll".
class CLanguageModule {
  public:
    CLanguageModule() = default;
    CLanguageModule(const CLanguageModule&) = delete;
    CLanguageModule& operator=(const CLanguageModule&) = delete;
    ~CLanguageModule();

    // Loads the module and its string table. `install` makes its texts the
    // translations of the running application, which dialog templates use,
    // together with Qt's own translations and the locale of its language.
    bool Load(const std::string& path, bool install = true, std::string* reason = nullptr);
    void Free();
    bool IsLoaded() const { return module.IsLoaded(); }

    // The text of a string identifier; empty when the table has none.
    QString String(int id) const;
    std::string StringUtf8(int id) const { return String(id).toStdString(); }
    // A dialog template's text as this module translates it; empty when it does not.
    QString Translate(const char* context, const char* source) const;

    QString TemplatePath(int templateId) const;
    QString IconPath() const;
    const QString& ResourceRoot() const { return root; }

  private:
    void InstallQtTranslations();

    CModule module;
    std::unique_ptr<QTranslator> translator;
    std::unique_ptr<QTranslator> qtTranslator;
    std::unique_ptr<QLocale> previousLocale; // set while the module's locale is the default
    bool installed = false;
    QString root;
};

} // namespace qbx

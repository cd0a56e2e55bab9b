#include "language/language_module.h"

#include "platform/executable_path.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>

namespace qbx {

std::string ModuleFileName(int language) {
    switch (language) {
    case 1:
        return "QbxENU.dll";
    case 2:
        return "QbxITA.dll";
    default:
        return "QbxDEU.dll";
    }
}

CLanguageModule::~CLanguageModule() {
    Free();
}

bool CLanguageModule::Load(const std::string& path, bool install, std::string* reason) {
    Free();
    if (!module.Load(path, reason)) return false;
    std::string base = FileNameOf(path);
    if (base.size() > 4 && base.compare(base.size() - 4, 4, ".dll") == 0) base.resize(base.size() - 4);
    root = ":/" + QString::fromStdString(base);
    translator = std::make_unique<QTranslator>();
    if (!translator->load(root + "/strings.qm")) {
        if (reason) *reason = "no string table in " + path;
        Free();
        return false;
    }
    if (install && QCoreApplication::instance()) {
        installed = QCoreApplication::installTranslator(translator.get());
        InstallQtTranslations();
    }
    return true;
}

void CLanguageModule::InstallQtTranslations() {
    // Qt's own texts (the Yes and No of a question, the file chooser) in the
    // module's language; without them they stay English, which is no failure.
    QLocale locale(translator->language());
    // Dates and sizes in the file chooser follow the language too.
    previousLocale = std::make_unique<QLocale>();
    QLocale::setDefault(locale);
    if (locale.language() == QLocale::English || locale.language() == QLocale::C) return;
    auto qt = std::make_unique<QTranslator>();
    if (!qt->load(locale, "qtbase", "_", QtTranslationsFolder())) return;
    if (QCoreApplication::installTranslator(qt.get())) qtTranslator = std::move(qt);
}

QString QtTranslationsFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

void CLanguageModule::Free() {
    // The translator reads the module's memory: it goes before the module.
    if (translator && installed) QCoreApplication::removeTranslator(translator.get());
    if (qtTranslator) QCoreApplication::removeTranslator(qtTranslator.get());
    qtTranslator.reset();
    if (previousLocale) QLocale::setDefault(*previousLocale);
    previousLocale.reset();
    installed = false;
    translator.reset();
    module.Free();
    root.clear();
}

QString CLanguageModule::String(int id) const {
    if (!translator) return {};
    return translator->translate("", QByteArray::number(id).constData());
}

QString CLanguageModule::Translate(const char* context, const char* source) const {
    return translator ? translator->translate(context, source) : QString();
}

QString CLanguageModule::TemplatePath(int templateId) const {
    return root + "/dialogs/" + QString::number(templateId) + ".ui";
}

QString CLanguageModule::IconPath() const {
    return root + "/icon128.png";
}

} // namespace qbx

#include "core/message_format.h"
#include "language/language_module.h"
#include "resources/string_catalog.h"
#include "ui/dialog.h"
#include "ui/scripted_user_interface.h"

#include <QFile>
#include <QXmlStreamReader>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

namespace qbx {
namespace {

const char* const kModules[] = {"QbxDEU.dll", "QbxENU.dll", "QbxITA.dll"};

std::string ModulePath(const char* name) {
    return std::string(QBX_PROGRAM_DIR) + "/" + name;
}

std::set<int> CatalogIds() {
    std::set<int> ids;
    for (const StringCatalogEntry& entry : StringCatalog())
        ids.insert(entry.id);
    return ids;
}

TEST(Resources, CatalogCoversEveryIdentifierTheProgramNames) {
    std::set<int> expected = {101,   102,   103,   11450, 11451, 11650, 11651,
                              11653, 11654, 11670, 11680, 11681, 11930};
    auto range = [&](int from, int to) {
        for (int id = from; id <= to; ++id)
            expected.insert(id);
    };
    range(11001, 11027);
    range(11030, 11033);
    range(11036, 11054);
    range(11400, 11416);
    range(11500, 11509);
    range(11600, 11603);
    range(11660, 11665);
    range(11900, 11901);
    range(11902, 11905); // session log: not written, menu entry on and off, chooser filter
    range(11906, 11906); // bootloader data: overwrite question
    range(11910, 11910); // checks of chosen paths
    range(11911, 11918); // why a scanned port cannot be used
    range(11920, 11921); // number fields
    range(11940, 11945); // OS update: the file's boot sector, records and welcome page
    range(11950, 11952); // verify after write
    range(11960, 11961); // serial adapters: the mapped device missing, a slow latency timer
    range(11970, 11977); // qbx: setting the link, files not written, interrupted transfers
    range(12100, 12100); // file check: the window menu's entry and the texts of the report
    range(12102, 12108);
    range(12110, 12136);
    range(12140, 12141);
    range(12145, 12146);
    range(12000, 12001); // questions before data on the device are lost
    range(12002, 12007); // the outcome of each slot of a transfer
    range(12008, 12009); // network settings the fields cannot keep
    range(12010, 12025); // choosers' titles, the welcome editor, the version, why a control is greyed
    EXPECT_EQ(CatalogIds(), expected);
}

TEST(Resources, EveryModuleHasEveryStringWithTheCallersPlaceholders) {
    for (const char* name : kModules) {
        CLanguageModule module;
        ASSERT_TRUE(module.Load(ModulePath(name), false)) << name;
        for (const StringCatalogEntry& entry : StringCatalog()) {
            std::string text = module.StringUtf8(entry.id);
            EXPECT_FALSE(text.empty()) << name << " " << entry.id;
            EXPECT_EQ(PlaceholderSignature(text), entry.signature) << name << " " << entry.id << ": " << text;
        }
    }
}

// Every string identifier written in the program's sources is in the catalog.
TEST(Resources, SourcesUseOnlyCatalogIdentifiers) {
    std::set<int> known = CatalogIds();
    std::regex identifier("\\b11[0-9]{3}\\b");
    int files = 0;
    for (const char* folder : {"app", "ui", "link", "functiondata", "firmware", "webpages", "settings",
                               "welcome", "bootdata", "cli"}) {
        std::filesystem::path root = std::filesystem::path(QBX_SOURCE_DIR) / folder;
        if (!std::filesystem::exists(root)) continue;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            std::string extension = entry.path().extension().string();
            if (extension != ".cpp" && extension != ".h") continue;
            ++files;
            std::ifstream in(entry.path());
            std::stringstream text;
            text << in.rdbuf();
            std::string source = text.str();
            for (std::sregex_iterator it(source.begin(), source.end(), identifier), end; it != end; ++it) {
                EXPECT_TRUE(known.count(std::stoi(it->str()))) << entry.path() << ": " << it->str();
            }
        }
    }
    EXPECT_GT(files, 10);
}

struct TemplateText {
    QString context;
    QString source;
};

std::vector<TemplateText> TemplateTexts(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QString context;
    std::vector<TemplateText> texts;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        if (xml.name() == QLatin1String("class"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("string")) {
            bool untranslated = xml.attributes().value("notr") == QLatin1String("true");
            QString text = xml.readElementText();
            if (!untranslated && !text.trimmed().isEmpty()) texts.push_back({context, text});
        }
    }
    return texts;
}

TEST(Resources, EveryTemplateTextIsTranslatedInEveryModule) {
    auto templates =
        std::filesystem::directory_iterator(std::filesystem::path(QBX_SOURCE_DIR) / "resources/dialogs");
    std::vector<std::filesystem::path> files(begin(templates), end(templates));
    ASSERT_GE(files.size(), 4u);
    for (const char* name : kModules) {
        CLanguageModule module;
        ASSERT_TRUE(module.Load(ModulePath(name), false));
        for (const auto& file : files) {
            for (const TemplateText& text : TemplateTexts(QString::fromStdString(file.string()))) {
                QString translated =
                    module.Translate(text.context.toUtf8().constData(), text.source.toUtf8().constData());
                EXPECT_FALSE(translated.isEmpty())
                    << name << " " << text.context.toStdString() << ": " << text.source.toStdString();
            }
        }
    }
}

TEST(Resources, EveryTemplateBuildsAndCarriesTheIcon) {
    for (const char* name : kModules) {
        CLanguageModule module;
        ASSERT_TRUE(module.Load(ModulePath(name)));
        EXPECT_TRUE(QFile::exists(module.IconPath()));
        CScriptedUserInterface ui;
        CUiContext context{module, ui};
        for (const auto& file : std::filesystem::directory_iterator(std::filesystem::path(QBX_SOURCE_DIR) /
                                                                    "resources/dialogs")) {
            int id = std::stoi(file.path().stem().string());
            CDialog dialog(context, id);
            EXPECT_TRUE(dialog.Initialize()) << name << " template " << id;
            EXPECT_FALSE(dialog.windowTitle().isEmpty()) << id;
        }
    }
}

} // namespace
} // namespace qbx

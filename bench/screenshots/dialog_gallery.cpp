#include "dialog_gallery.h"

#include "app/about_box.h"
#include "app/information_box.h"
#include "app/language_dialog.h"
#include "app/main_window.h"
#include "functiondata/function_data_image.h"
#include "settings/folders_dialog.h"
#include "settings/settings_dialog.h"
#include "welcome/welcome_editor_dialog.h"

#include <filesystem>

namespace qbx {
namespace {
template <class T> GalleryEntry Entry(const char* name) {
    return {name, [](CUiContext& context) { return std::unique_ptr<CDialog>(std::make_unique<T>(context)); }};
}

// Dialogs that talk to the device while they open are pictured as their
// bare template.
GalleryEntry Template(const char* name, int id) {
    return {name, [id](CUiContext& context) { return std::make_unique<CDialog>(context, id); }};
}

// The welcome-page editor on a controller file with the default page ticked.
GalleryEntry WelcomeEditor() {
    return {"253-welcome-page", [](CUiContext& context) -> std::unique_ptr<CDialog> {
                static const std::string path = [] {
                    std::string file = std::filesystem::temp_directory_path() / "qbx-screenshot-page.dat";
                    FunctionDataImage image;
                    image.Prepare({2, 0x80, "V2.10", "", 0x8400});
                    image.Save(file);
                    return file;
                }();
                auto editor = std::make_unique<CWelcomeEditorDialog>(context, path);
                editor->Initialize();
                editor->Click(1223);
                return editor;
            }};
}
} // namespace

const std::vector<GalleryEntry>& DialogGallery() {
    static const std::vector<GalleryEntry> gallery = {
        Entry<CMainWindow>("102-main-window"),
        Entry<CAboutBox>("100-about"),
        Entry<CInformationBox>("148-information"),
        Entry<CLanguageDialog>("163-language"),
        Entry<CSettingsDialog>("132-settings"),
        Entry<CFoldersDialog>("156-folders"),
        Template("153-upload-preparation", 153),
        Template("157-download-preparation", 157),
        Template("133-upload-transfer", 133),
        Template("134-download-transfer", 134),
        WelcomeEditor(),
    };
    return gallery;
}

} // namespace qbx

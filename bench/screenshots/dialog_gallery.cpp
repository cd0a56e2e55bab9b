#include "dialog_gallery.h"

#include "app/about_box.h"
#include "app/information_box.h"
#include "app/language_dialog.h"
#include "app/main_window.h"
#include "settings/folders_dialog.h"
#include "settings/settings_dialog.h"

namespace qbx {
namespace {
template <class T> GalleryEntry Entry(const char* name) {
    return {name, [](CUiContext& context) { return std::unique_ptr<CDialog>(std::make_unique<T>(context)); }};
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
    };
    return gallery;
}

} // namespace qbx

#include "dialog_gallery.h"

#include "app/about_box.h"
#include "app/information_box.h"
#include "app/language_dialog.h"
#include "app/main_window.h"
#include "functiondata/download_preparation_dialog.h"
#include "functiondata/function_data_image.h"
#include "functiondata/transfer_dialog.h"
#include "functiondata/upload_preparation_dialog.h"
#include "operations/transfer_steps.h"
#include "settings/folders_dialog.h"
#include "settings/settings_dialog.h"
#include "welcome/welcome_editor_dialog.h"

#include <QApplication>
#include <QLayout>
#include <filesystem>

namespace qbx {
namespace {
template <class T> GalleryEntry Entry(const char* name) {
    return {name, [](CUiContext& context) { return std::unique_ptr<CDialog>(std::make_unique<T>(context)); }};
}

// A transfer dialog after its run.
template <class T> GalleryEntry Transfer(const char* name) {
    return {name, [](CUiContext& context) -> std::unique_ptr<CDialog> {
                auto dialog = std::make_unique<T>(context);
                dialog->Initialize();
                dialog->FireTimer(kTransferTimer);
                return dialog;
            }};
}

// A transfer dialog caught while it connects for its first ticked slot: the
// run has shown that slot's texts and the link now holds the interface
// thread, so no layout pass follows. The layout is switched off there to
// keep the controls where the run left them for the picture.
template <class T> class CConnecting : public T {
public:
    CConnecting(CUiContext& context, const char* slotList, int fileStringId)
        : T(context), slotList(slotList), fileStringId(fileStringId) {}

protected:
    TransferRunResult Run(COperationHost& host) override {
        SlotList slots;
        ReadSlotList(slotList, slots);
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            host.SetFileText(SlotFileText(host.String(fileStringId), slots[slot - 1].path));
            if (slots[slot - 1].flag != 1) continue;
            host.SetStatusString(transfer::kStatusConnecting);
            host.SetSlotNumber(transfer::SlotNumberText(slot));
            break;
        }
        this->layout()->setEnabled(false);
        return TransferRunResult::Finished;
    }

private:
    const char* slotList;
    int fileStringId;
};

template <class T> GalleryEntry Connecting(const char* name, const char* slotList, int fileStringId) {
    return {name, [=](CUiContext& context) -> std::unique_ptr<CDialog> {
                auto dialog = std::make_unique<CConnecting<T>>(context, slotList, fileStringId);
                dialog->Initialize();
                dialog->show(); // laid out as on the screen, its texts still empty
                QApplication::processEvents();
                dialog->FireTimer(kTransferTimer);
                dialog->EnableItem(kIdCancel, false); // still connecting
                return dialog;
            }};
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
        Entry<CUploadPreparationDialog>("153-upload-preparation"),
        Entry<CDownloadPreparationDialog>("157-download-preparation"),
        Transfer<CUploadTransferDialog>("133-upload-transfer"),
        Transfer<CDownloadTransferDialog>("134-download-transfer"),
        Connecting<CUploadTransferDialog>("133-upload-transfer-connecting", kUploadSlotListName,
                                          transfer::kSourceFile),
        Connecting<CDownloadTransferDialog>("134-download-transfer-connecting", kDownloadSlotListName,
                                            transfer::kTargetFile),
        WelcomeEditor(),
    };
    return gallery;
}

} // namespace qbx

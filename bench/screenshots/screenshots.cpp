// Renders every dialog in every language and edition to PNG files, so that
// layouts and texts can be looked at without a display.
#include "app/app_state.h"
#include "app/language_module.h"
#include "dialog_gallery.h"
#include "platform/program_folder.h"
#include "ui/scripted_user_interface.h"

#include <QApplication>
#include <QDir>
#include <QLayout>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qbx-screenshots OUTDIR\n");
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) return 1;
    qbx::SetProgramFolder(QBX_PROGRAM_DIR);
    int written = 0;
    for (const char* language : {"DEU", "ENU", "ITA"}) {
        qbx::CLanguageModule module;
        if (!module.Load(std::string(QBX_PROGRAM_DIR) + "/Qbx" + language + ".dll")) {
            std::fprintf(stderr, "cannot load the %s module\n", language);
            return 1;
        }
        for (int edition : {1, 2}) {
            for (const qbx::GalleryEntry& entry : qbx::DialogGallery()) {
                qbx::AppState().edition = edition; // the main window reads it afresh from customer.ini
                qbx::CScriptedUserInterface ui;
                qbx::CUiContext context{module, ui};
                auto dialog = entry.create(context);
                if (!dialog->Initialize()) {
                    std::fprintf(stderr, "%s: template does not build\n", entry.name.c_str());
                    return 1;
                }
                dialog->layout()->activate();
                dialog->adjustSize();
                QString file = out.filePath(QString("%1-%2-edition%3.png").arg(entry.name.c_str(), language).arg(edition));
                if (!dialog->grab().save(file)) return 1;
                ++written;
            }
        }
    }
    std::printf("%d screenshots in %s\n", written, out.absolutePath().toUtf8().constData());
    return 0;
}

#include "standard_boxes.h"

#include "core/message_format.h"
#include "gui/functiondata/slot_preparation_dialog.h"
#include "language/language_module.h"
#include "operations/download_preparation_messages.h"
#include "operations/string_ids.h"
#include "ui/file_chooser.h"
#include "ui/message_box.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTimer>

namespace qbx {

const std::vector<StandardBoxEntry>& StandardBoxes() {
    static const std::vector<StandardBoxEntry> boxes = {
        {"question-7052",
         [](const CLanguageModule& module, const std::string& stage) -> std::unique_ptr<QWidget> {
             using namespace download_preparation;
             std::string text = FormatMessage(module.StringUtf8(str::kAskOverwrite),
                                              {stage + "/Funktionsdaten/Kessel Nord.dat", 1LL});
             return MakeMessageBox(nullptr,
                                   QString::fromStdString(MessageCaption(kGroup, OverwriteMessage(1))),
                                   QString::fromStdString(text), MessageKind::Caution);
         }},
        {"save-chooser",
         [](const CLanguageModule& module, const std::string& stage) -> std::unique_ptr<QWidget> {
             QString folder = QString::fromStdString(stage + "/Funktionsdaten");
             QString filter = module.String(kFunctionDataFilter);
             return MakeFileChooser(nullptr, ChooserKind::Save, QString(), folder, filter);
         }},
    };
    return boxes;
}

void SettleForGrab(QWidget& box) {
    QEventLoop loop;
    // The file list is read on a thread of its own; a missing signal only
    // costs the picture its file names.
    if (auto* model = box.findChild<QFileSystemModel*>()) {
        QObject::connect(model, &QFileSystemModel::directoryLoaded, &loop, &QEventLoop::quit);
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    } else {
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
    }
    box.show();
    loop.exec();
    QCoreApplication::processEvents();
}

} // namespace qbx

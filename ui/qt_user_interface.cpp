#include "ui/qt_user_interface.h"

#include "ui/dialog.h"
#include "ui/file_chooser.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <cstdio>

namespace qbx {
namespace {
QString RunChooser(QWidget* owner, ChooserKind kind, const QString& title, const QString& startFolder,
                   const QString& filter) {
    auto chooser = MakeFileChooser(owner, kind, title, startFolder, filter);
    int result = chooser->exec();
    return ChosenPath(*chooser, result);
}
} // namespace

MessageAnswer CQtUserInterface::ShowMessage(QWidget* owner, const QString& caption, const QString& text,
                                            MessageKind kind) {
    std::fprintf(stderr, "%s: %s\n", caption.toUtf8().constData(), text.toUtf8().constData());
    std::fflush(stderr);
    auto box = MakeMessageBox(owner, caption, text, kind);
    box->exec();
    return AnswerOf(*box, kind);
}

QString CQtUserInterface::ChooseOpenFile(QWidget* owner, const QString& title, const QString& startFolder,
                                         const QString& filter, const QString& suffix) {
    auto chooser = MakeFileChooser(owner, ChooserKind::Open, title, startFolder, filter);
    chooser->setDefaultSuffix(suffix);
    int result = chooser->exec();
    return ChosenPath(*chooser, result);
}

QString CQtUserInterface::ChooseSaveFile(QWidget* owner, const QString& title, const QString& startFolder,
                                         const QString& filter) {
    return RunChooser(owner, ChooserKind::Save, title, startFolder, filter);
}

QString CQtUserInterface::ChooseSaveFileNamed(QWidget* owner, const QString& title,
                                              const QString& startFolder, const QString& filter,
                                              const QString& name, const QString& suffix) {
    auto chooser = MakeFileChooser(owner, ChooserKind::Save, title, startFolder, filter);
    chooser->setDefaultSuffix(suffix);
    if (!name.isEmpty()) chooser->selectFile(name);
    int result = chooser->exec();
    return ChosenPath(*chooser, result);
}

QString CQtUserInterface::ChooseFolder(QWidget* owner, const QString& title, const QString& startFolder) {
    return RunChooser(owner, ChooserKind::Folder, title, startFolder, QString());
}

int CQtUserInterface::RunModal(CDialog& dialog) {
    if (!dialog.Initialize()) return -1;
    if (dialog.HasEnded()) return dialog.Result();
    dialog.exec();
    return dialog.Result();
}

void CQtUserInterface::Beep(int /*frequency*/, int /*durationMs*/) {
    QApplication::beep();
}

bool CQtUserInterface::OpenUrl(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

} // namespace qbx

#include "ui/qt_user_interface.h"

#include "ui/dialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>
#include <cstdio>

namespace qbx {

MessageAnswer CQtUserInterface::ShowMessage(QWidget* owner, const QString& caption, const QString& text,
                                            MessageKind kind) {
    std::fprintf(stderr, "%s: %s\n", caption.toUtf8().constData(), text.toUtf8().constData());
    std::fflush(stderr);
    QMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setText(text);
    if (kind != MessageKind::Notice) {
        box.setIcon(kind == MessageKind::Caution ? QMessageBox::Warning : QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setIcon(QMessageBox::Warning);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

QString CQtUserInterface::ChooseOpenFile(QWidget* owner, const QString& startFolder, const QString& filter) {
    return QFileDialog::getOpenFileName(owner, QString(), startFolder, QtFileFilter(filter));
}

QString CQtUserInterface::ChooseSaveFile(QWidget* owner, const QString& startPath, const QString& filter) {
    return QFileDialog::getSaveFileName(owner, QString(), startPath, QtFileFilter(filter));
}

QString CQtUserInterface::ChooseFolder(QWidget* owner, const QString& title, const QString& startFolder) {
    return QFileDialog::getExistingDirectory(owner, title, startFolder);
}

int CQtUserInterface::RunModal(CDialog& dialog) {
    if (!dialog.Initialize()) return -1;
    if (dialog.HasEnded()) return dialog.Result();
    dialog.exec();
    return dialog.Result();
}

void CQtUserInterface::Beep(int /*frequency*/, int /*durationMs*/) { QApplication::beep(); }

bool CQtUserInterface::OpenUrl(const QString& url) { return QDesktopServices::openUrl(QUrl(url)); }

QString QtFileFilter(const QString& filter) {
    if (!filter.contains('|')) return filter;
    QStringList parts = filter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        filters << (parts[i].contains('(') ? parts[i] : parts[i] + " (" + patterns + ")");
    }
    return filters.join(";;");
}

} // namespace qbx

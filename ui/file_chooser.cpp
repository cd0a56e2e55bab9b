#include "ui/file_chooser.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QTreeView>

namespace qbx {
namespace {
constexpr QSize kChooserSize(820, 460);
} // namespace

QString ChooserStartFolder(const QString& folder) {
    if (folder.isEmpty()) return folder;
    QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    for (;;) {
        QFileInfo info(path);
        if (info.isDir()) return path;
        QString parent = info.absolutePath();
        if (parent == path) return path; // the root, which always exists
        path = parent;
    }
}

std::unique_ptr<QFileDialog> MakeFileChooser(QWidget* owner, ChooserKind kind, const QString& title,
                                             const QString& startFolder, const QString& filter) {
    auto chooser = std::make_unique<QFileDialog>(owner, title);
    QFileDialog::Options options = QFileDialog::DontUseNativeDialog;
    chooser->setOptions(options); // first: it decides which widgets the chooser has
    switch (kind) {
    case ChooserKind::Open:
        chooser->setFileMode(QFileDialog::ExistingFile);
        break;
    case ChooserKind::Save:
        chooser->setAcceptMode(QFileDialog::AcceptSave);
        chooser->setFileMode(QFileDialog::AnyFile);
        options |= QFileDialog::DontConfirmOverwrite;
        break;
    case ChooserKind::Folder:
        chooser->setFileMode(QFileDialog::Directory);
        options |= QFileDialog::ShowDirsOnly;
        break;
    }
    chooser->setOptions(options);
    if (!startFolder.isEmpty()) chooser->setDirectory(ChooserStartFolder(startFolder));
    // Qt's default column widths cut sizes, types and dates of the detail
    // view, the longer ones of German and Italian even more.
    chooser->resize(chooser->sizeHint().expandedTo(kChooserSize));
    if (auto* details = chooser->findChild<QTreeView*>("treeView")) {
        QHeaderView* header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch); // the name
    }
    if (kind != ChooserKind::Folder && !filter.isEmpty()) chooser->setNameFilter(QtFileFilter(filter));
    return chooser;
}

QString ChosenPath(QFileDialog& chooser, int result) {
    if (result != QDialog::Accepted) return {};
    return chooser.selectedFiles().value(0);
}

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

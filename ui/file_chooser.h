#pragma once
#include <QFileDialog>
#include <QString>
#include <memory>

namespace qbx {

enum class ChooserKind { Open, Save, Folder };

// Where a chooser starts when asked to start in `folder`: the folder itself,
// or, when it does not exist (a default working folder nobody created, a
// folder since removed), its nearest existing ancestor. Relative folders are
// taken from the current folder. Empty stays empty (the current folder).
QString ChooserStartFolder(const QString& folder);

// A file or folder chooser starting in `startFolder` (see above) with no
// file name filled in. It is Qt's own chooser, never the desktop's, so its
// texts follow the program's language, and a save chooser does not ask about
// replacing a file: the callers ask that question themselves.
std::unique_ptr<QFileDialog> MakeFileChooser(QWidget* owner, ChooserKind kind, const QString& title,
                                             const QString& startFolder, const QString& filter);

// The path chosen in a finished chooser; empty when it was cancelled.
QString ChosenPath(QFileDialog& chooser, int result);

// Chooser filters may be written as "Text (*.dat)|*.dat|Text 2|*.x||"; Qt
// wants "Text (*.dat);;Text 2 (*.x)". Filters already in Qt's form pass.
QString QtFileFilter(const QString& filter);

} // namespace qbx

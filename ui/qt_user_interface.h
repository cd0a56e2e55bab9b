#pragma once
#include "ui/user_interface.h"

namespace qbx {

// The real thing: Qt message boxes (ui/message_box.h), Qt's file and folder
// choosers (ui/file_chooser.h), the desktop's URL handler. Every message is
// also written to standard error as "caption: text", so a session started
// from a terminal keeps a record.
class CQtUserInterface : public CUserInterface {
  public:
    MessageAnswer ShowMessage(QWidget* owner, const QString& caption, const QString& text,
                              MessageKind kind) override;
    QString ChooseOpenFile(QWidget* owner, const QString& title, const QString& startFolder,
                           const QString& filter, const QString& suffix = QString()) override;
    QString ChooseSaveFile(QWidget* owner, const QString& title, const QString& startFolder,
                           const QString& filter) override;
    QString ChooseSaveFileNamed(QWidget* owner, const QString& title, const QString& startFolder,
                                const QString& filter, const QString& name, const QString& suffix) override;
    QString ChooseFolder(QWidget* owner, const QString& title, const QString& startFolder) override;
    int RunModal(CDialog& dialog) override;
    void Beep(int frequency, int durationMs) override;
    bool OpenUrl(const QString& url) override;
};

} // namespace qbx

#pragma once
#include "ui/user_interface.h"

#include <QString>
#include <deque>
#include <functional>
#include <map>
#include <vector>

namespace qbx {

struct ShownMessage {
    int group = -1;
    int number = -1;
    QString caption;
    QString text;
    MessageKind kind = MessageKind::Notice;
};

// Answers from a script and records what a person would have seen. Questions
// without a scripted answer get No, choosers without one are cancelled, and
// child dialogs without a script are initialised and cancelled.
class CScriptedUserInterface : public CUserInterface {
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

    // "6.001 6.017": the message numbers shown so far, in order.
    std::string MessageNumbers() const;
    void Clear();

    std::deque<MessageAnswer> answers;
    std::deque<QString> openFiles, saveFiles, folders;
    // A script for a child dialog by template: it may click controls and end
    // the dialog; what it returns is the result when it did not.
    std::map<int, std::function<int(CDialog&)>> dialogScripts;

    std::vector<ShownMessage> messages;
    std::vector<int> dialogsRun;
    std::vector<QString> chooserStarts; // start folder or path of every chooser asked
    std::vector<QString> chooserTitles; // what each file chooser said it chooses for
    std::vector<QString> chooserFilters;
    std::vector<QString> chooserNames;    // the names save choosers offered
    std::vector<QString> chooserSuffixes; // the default extension of every chooser asked
    std::vector<QString> urlsOpened;
    int beeps = 0;
};

} // namespace qbx

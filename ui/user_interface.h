#pragma once
#include <QString>
#include <string>

class QWidget;

namespace qbx {

class CDialog;

// Notice: warning icon, OK. Information: information icon, OK (a success
// to report). Question: question icon, Yes/No. Caution: a Yes/No question
// with the exclamation icon (overwriting files).
enum class MessageKind { Notice, Information, Question, Caution };
enum class MessageAnswer { Ok, Yes, No };

inline bool IsQuestion(MessageKind kind) {
    return kind == MessageKind::Question || kind == MessageKind::Caution;
}

// Everything that waits for a person goes through here, so that dialog tests
// can answer from a script and read every message that was shown.
class CUserInterface {
  public:
    virtual ~CUserInterface() = default;

    // Questions offer Yes and No, with No the default.
    virtual MessageAnswer ShowMessage(QWidget* owner, const QString& caption, const QString& text,
                                      MessageKind kind) = 0;
    // Return the chosen path, or an empty text when the person cancelled.
    // `title` says what the file is chosen for ("slot 3", the program file).
    // A start folder that does not exist starts the chooser in its nearest
    // existing ancestor, with no file name filled in.
    // `suffix` is added to a name typed without an extension.
    virtual QString ChooseOpenFile(QWidget* owner, const QString& title, const QString& startFolder,
                                   const QString& filter, const QString& suffix = QString()) = 0;
    virtual QString ChooseSaveFile(QWidget* owner, const QString& title, const QString& startFolder,
                                   const QString& filter) = 0;
    // A save chooser with `name` filled in, which adds `suffix` to a name
    // typed without an extension.
    virtual QString ChooseSaveFileNamed(QWidget* owner, const QString& title, const QString& startFolder,
                                        const QString& filter, const QString& name,
                                        const QString& suffix) = 0;
    virtual QString ChooseFolder(QWidget* owner, const QString& title, const QString& startFolder) = 0;
    // Runs a dialog modally; returns its result (1 OK, 2 Cancel).
    virtual int RunModal(CDialog& dialog) = 0;
    virtual void Beep(int frequency, int durationMs) = 0;
    virtual bool OpenUrl(const QString& url) = 0;
    // Where the links the dialogs open trace their wire (a running session
    // log), or empty.
    virtual std::string TracePath() const { return {}; }
};

} // namespace qbx

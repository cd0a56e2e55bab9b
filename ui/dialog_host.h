#pragma once
#include "operations/operation_host.h"
#include "ui/dialog.h"

namespace qbx {

// Lets an operation report through a dialog: messages in the dialog's
// group, questions, texts of the language module, and a pump for waiting
// events. Transfer dialogs extend it with their progress controls.
class CDialogHost : public COperationHost {
  public:
    CDialogHost(CDialog& dialog, int group) : dialog(dialog), group(group) {}

    void ShowMessage(int number, int stringId, const std::vector<MessageArg>& args = {}) override {
        dialog.Message(group, number, stringId, args);
    }
    void ShowSuccess(int number, int stringId, const std::vector<MessageArg>& args = {}) override {
        dialog.Message(group, number, stringId, args, MessageKind::Information);
    }
    void ShowMessageText(int number, const std::string& text) override {
        dialog.MessageText(group, number, QString::fromStdString(text));
    }
    bool AskQuestion(int number, int stringId, const std::vector<MessageArg>& args = {}) override {
        return dialog.Message(group, number, stringId, args, MessageKind::Question) == MessageAnswer::Yes;
    }
    std::string String(int stringId) override { return dialog.String(stringId).toStdString(); }
    void PumpEvents() override { CDialog::PumpMessages(); }
    WaitHook LinkWaitHook() override {
        return [] { CDialog::PumpWhileWaiting(); };
    }
    void Beep() override { dialog.Context().ui.Beep(450, 500); }
    void SetWaitCursor(bool on) override {
        if (on && !waitCursorShown) dialog.BeginWaitCursor();
        if (!on && waitCursorShown) dialog.EndWaitCursor();
        waitCursorShown = on;
    }
    std::string TracePath() override { return dialog.Context().ui.TracePath(); }
    ~CDialogHost() override { SetWaitCursor(false); }

  protected:
    CDialog& dialog;
    int group;
    bool waitCursorShown = false;
};

} // namespace qbx

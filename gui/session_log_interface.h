#pragma once
#include "link/session_log.h"
#include "ui/user_interface.h"

#include <memory>

namespace qbx {

// The GUI's session log: passes everything through to the interface it
// wraps and, while a log runs, writes each message shown (and the answer
// to each question) into it. The log also takes the wire trace.
class CSessionLogInterface : public CUserInterface {
  public:
    explicit CSessionLogInterface(CUserInterface& inner) : inner(inner) {}

    // 0, or the errno when `path` cannot be written.
    int Start(const std::string& path, const std::vector<std::string>& header);
    void Stop() { log.reset(); }
    bool Running() const { return log != nullptr; }

    MessageAnswer ShowMessage(QWidget* owner, const QString& caption, const QString& text,
                              MessageKind kind) override;
    QString ChooseOpenFile(QWidget* owner, const QString& title, const QString& startFolder,
                           const QString& filter, const QString& suffix = QString()) override {
        return inner.ChooseOpenFile(owner, title, startFolder, filter, suffix);
    }
    QString ChooseSaveFile(QWidget* owner, const QString& title, const QString& startFolder,
                           const QString& filter) override {
        return inner.ChooseSaveFile(owner, title, startFolder, filter);
    }
    QString ChooseSaveFileNamed(QWidget* owner, const QString& title, const QString& startFolder,
                                const QString& filter, const QString& name, const QString& suffix) override {
        return inner.ChooseSaveFileNamed(owner, title, startFolder, filter, name, suffix);
    }
    QString ChooseFolder(QWidget* owner, const QString& title, const QString& startFolder) override {
        return inner.ChooseFolder(owner, title, startFolder);
    }
    int RunModal(CDialog& dialog) override { return inner.RunModal(dialog); }
    void Beep(int frequency, int durationMs) override { inner.Beep(frequency, durationMs); }
    bool OpenUrl(const QString& url) override { return inner.OpenUrl(url); }
    std::string TracePath() const override { return log ? log->Path() : inner.TracePath(); }

  private:
    CUserInterface& inner;
    std::unique_ptr<CSessionLog> log;
};

} // namespace qbx

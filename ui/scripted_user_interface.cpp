#include "ui/scripted_user_interface.h"

#include "ui/dialog.h"

#include <QRegularExpression>

namespace qbx {
namespace {
QString TakeFront(std::deque<QString>& queue) {
    if (queue.empty()) return {};
    QString value = queue.front();
    queue.pop_front();
    return value;
}
} // namespace

MessageAnswer CScriptedUserInterface::ShowMessage(QWidget*, const QString& caption, const QString& text,
                                                  MessageKind kind) {
    ShownMessage shown{-1, -1, caption, text, kind};
    static const QRegularExpression number("(\\d+)\\.(\\d{3})$");
    auto match = number.match(caption);
    if (match.hasMatch()) {
        shown.group = match.captured(1).toInt();
        shown.number = match.captured(2).toInt();
    }
    messages.push_back(shown);
    if (!IsQuestion(kind)) return MessageAnswer::Ok;
    if (answers.empty()) return MessageAnswer::No;
    MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString CScriptedUserInterface::ChooseOpenFile(QWidget*, const QString& title, const QString& startFolder,
                                               const QString& filter, const QString& suffix) {
    chooserTitles.push_back(title);
    chooserStarts.push_back(startFolder);
    chooserFilters.push_back(filter);
    chooserSuffixes.push_back(suffix);
    return TakeFront(openFiles);
}

QString CScriptedUserInterface::ChooseSaveFile(QWidget* owner, const QString& title,
                                               const QString& startFolder, const QString& filter) {
    return ChooseSaveFileNamed(owner, title, startFolder, filter, QString(), QString());
}

QString CScriptedUserInterface::ChooseSaveFileNamed(QWidget*, const QString& title,
                                                    const QString& startFolder, const QString& filter,
                                                    const QString& name, const QString& suffix) {
    chooserTitles.push_back(title);
    chooserStarts.push_back(startFolder);
    chooserFilters.push_back(filter);
    if (!name.isEmpty()) chooserNames.push_back(name);
    chooserSuffixes.push_back(suffix);
    return TakeFront(saveFiles);
}

QString CScriptedUserInterface::ChooseFolder(QWidget*, const QString&, const QString& startFolder) {
    chooserStarts.push_back(startFolder);
    return TakeFront(folders);
}

int CScriptedUserInterface::RunModal(CDialog& dialog) {
    dialogsRun.push_back(dialog.TemplateId());
    if (!dialog.Initialize()) return -1;
    if (dialog.HasEnded()) return dialog.Result();
    auto script = dialogScripts.find(dialog.TemplateId());
    if (script == dialogScripts.end()) {
        dialog.EndDialog(kIdCancel);
        return kIdCancel;
    }
    int result = script->second(dialog);
    return dialog.HasEnded() ? dialog.Result() : result;
}

void CScriptedUserInterface::Beep(int, int) {
    ++beeps;
}

bool CScriptedUserInterface::OpenUrl(const QString& url) {
    urlsOpened.push_back(url);
    return true;
}

std::string CScriptedUserInterface::MessageNumbers() const {
    std::string out;
    for (const ShownMessage& m : messages) {
        if (!out.empty()) out += ' ';
        out += MessageCaption(m.group, m.number).substr(17);
    }
    return out;
}

void CScriptedUserInterface::Clear() {
    messages.clear();
    dialogsRun.clear();
    chooserStarts.clear();
    chooserTitles.clear();
    chooserFilters.clear();
    chooserNames.clear();
    chooserSuffixes.clear();
    urlsOpened.clear();
    beeps = 0;
}

} // namespace qbx

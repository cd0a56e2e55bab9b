#include "gui/session_log_interface.h"

namespace qbx {

int CSessionLogInterface::Start(const std::string& path, const std::vector<std::string>& header) {
    log.reset(); // a new file ends the one before
    int error = 0;
    log = CSessionLog::Start(path, header, &error);
    return log ? 0 : error;
}

MessageAnswer CSessionLogInterface::ShowMessage(QWidget* owner, const QString& caption, const QString& text,
                                                MessageKind kind) {
    MessageAnswer answer = inner.ShowMessage(owner, caption, text, kind);
    if (!log) return answer;
    if (!IsQuestion(kind))
        log->Message(caption.toStdString(), text.toStdString());
    else
        log->Question(caption.toStdString(), text.toStdString(), answer == MessageAnswer::Yes);
    return answer;
}

} // namespace qbx

#pragma once
#include "ui/user_interface.h"

#include <QMessageBox>
#include <memory>

namespace qbx {

// The box a message is shown in. Texts are plain text: a path or a device
// text holding "<i>" must show as typed, with its line breaks. Notices carry
// the warning icon and OK; questions Yes and No with No as the default, and
// the exclamation icon when they ask about overwriting.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* owner, const QString& caption, const QString& text,
                                            MessageKind kind);

// The answer a finished box stands for.
MessageAnswer AnswerOf(const QMessageBox& box, MessageKind kind);

} // namespace qbx

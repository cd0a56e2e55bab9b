#pragma once
#include "app/message_format.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qbx {

// What an operation needs of whoever runs it (a dialog, the console front
// end, a test): messages by number within the caller's group, a question,
// the texts of the language module, progress, and a pump for waiting events.
class COperationHost {
public:
    virtual ~COperationHost() = default;

    // Message G.`number` with the text of `stringId`, formatted with `args`.
    virtual void ShowMessage(int number, int stringId, const std::vector<MessageArg>& args = {}) = 0;
    // Message G.`number` with a text the operation composed itself.
    virtual void ShowMessageText(int number, const std::string& text) = 0;
    // A Yes/No question (No the default); true for Yes.
    virtual bool AskQuestion(int number, int stringId, const std::vector<MessageArg>& args = {}) = 0;
    // A text of the language module (UTF-8).
    virtual std::string String(int stringId) = 0;

    virtual void SetStatus(const std::string& /*text*/) {}
    virtual void SetProgress(std::uint32_t /*position*/, std::uint32_t /*range*/) {}
    // Called once per data block so that windows repaint.
    virtual void PumpEvents() {}
    virtual void Beep() {}
};

} // namespace qbx

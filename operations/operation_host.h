#pragma once
#include "core/message_format.h"
#include "core/settings_store.h"
#include "platform/wait_hook.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qbx {

// How a ticked slot of a transfer over the slot list ended.
enum class SlotOutcome {
    Transferred, // without a read-back check
    Verified,    // read back and found identical to its file
    Failed,      // its message was shown
    NotTried,    // an earlier slot failed
};

// What an operation needs of whoever runs it (a dialog, the console front
// end, a test): messages by number within the caller's group, a question,
// the texts of the language module, progress, and a pump for waiting events.
class COperationHost {
  public:
    virtual ~COperationHost() = default;

    // Message G.`number` with the text of `stringId`, formatted with `args`.
    virtual void ShowMessage(int number, int stringId, const std::vector<MessageArg>& args = {}) = 0;
    // A message that reports a success (the information icon where a host
    // has icons).
    virtual void ShowSuccess(int number, int stringId, const std::vector<MessageArg>& args = {}) {
        ShowMessage(number, stringId, args);
    }
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
    // What the link calls while it waits for the device, so that windows
    // keep painting; none (one system call per wait) by default.
    virtual WaitHook LinkWaitHook() { return {}; }
    virtual void Beep() {}

    // The displays of a transfer dialog; a host shows those it has.
    // The status line, by the language module's string.
    virtual void SetStatusString(int /*stringId*/) {}
    // The progress bar: its range, then positions within it.
    virtual void SetProgressRange(std::uint32_t /*low*/, std::uint32_t /*high*/) {}
    virtual void SetProgressPosition(std::uint32_t /*position*/) {}
    // "0100 / 8400": the current offset and the data size.
    virtual void SetProgressText(const std::string& /*text*/) {}
    // "Source file: name" (or "Target file: name") of the slot being passed.
    virtual void SetFileText(const std::string& /*text*/) {}
    // The full path behind that text, for whoever wants to see where it is.
    virtual void SetFilePath(const std::string& /*path*/) {}
    // The slot number, right-aligned in four characters.
    virtual void SetSlotNumber(const std::string& /*text*/) {}
    // The end of each ticked slot of a run over the slot list, with its file.
    virtual void SetSlotOutcome(int /*slot*/, const std::string& /*path*/, SlotOutcome /*outcome*/) {}
    virtual void SetWaitCursor(bool /*on*/) {}
    // The file the wire trace of every link this host's operations open is
    // appended to (a session log), or empty: then QUILLBOX_TRACE's, if set.
    virtual std::string TracePath() { return {}; }
    // A link chosen for this run alone (qbx --port, --tcp) replaces the one
    // of qbx_man.ini in `settings`; true when it did.
    virtual bool OverrideLink(CSettings& /*settings*/) { return false; }

    // The serial port's USB adapter holds replies back (its latency timer
    // is above 1 ms): worth a word, but no message box.
    virtual void AdapterLatencyNote(const std::string& /*text*/) {}
};

} // namespace qbx

#pragma once
#include "cli/json_events.h"
#include "cli/link_arguments.h"
#include "language/language_module.h"
#include "link/session_log.h"
#include "operations/operation_host.h"

namespace qbx {

// Runs operations on a terminal: every message goes to standard error as
// "Quillbox-Message G.NNN: text", questions are asked on the terminal (or
// answered by --yes, or No without a terminal), progress is a bar on
// standard error when it is a terminal. With --json each message, question
// and progress step is also an event on standard output; with --trace each
// message and answer also goes into the session log.
class CConsoleHost : public COperationHost {
  public:
    CConsoleHost(const CLanguageModule& module, int group, bool answerYes);

    void ShowMessage(int number, int stringId, const std::vector<MessageArg>& args = {}) override;
    void ShowMessageText(int number, const std::string& text) override;
    bool AskQuestion(int number, int stringId, const std::vector<MessageArg>& args = {}) override;
    std::string String(int stringId) override;
    void SetProgress(std::uint32_t position, std::uint32_t range) override;
    // The transfers' progress bar drives the same bar.
    void SetProgressRange(std::uint32_t low, std::uint32_t high) override;
    void SetProgressPosition(std::uint32_t position) override;
    // The transfers name the slot they pass; progress events carry it.
    void SetSlotNumber(const std::string& text) override;
    // "qbx: text" on standard error: what is not a numbered message of the
    // GUI (a usage problem, which file a message is about).
    void Note(const std::string& text);
    // A note with a text of the language module.
    void NoteString(int stringId, const std::vector<MessageArg>& args = {});
    // Once per run: every connection of a run goes through the same adapter.
    void AdapterLatencyNote(const std::string& text) override;
    // Ends a progress bar that is still on its line.
    void EndProgressLine();

    void SetLinkOverride(const LinkOverride& link) { linkOverride = link; }
    void SetCommandName(const std::string& name) { commandName = name; }
    bool OverrideLink(CSettings& settings) override;

    // From here on SIGINT and SIGTERM end the run at the transfer's next
    // step, with the note `stringId` (what that leaves on the device; a
    // storage slot's number as its argument), exit status 130 or 143.
    void WatchInterrupts(int stringId);
    void PumpEvents() override;

    void SetGroup(int newGroup) { group = newGroup; }
    void SetEvents(CJsonEvents* newEvents) { events = newEvents; }
    void SetSessionLog(CSessionLog* newLog) { log = newLog; }
    // The links of a session log's run are traced into it.
    std::string TracePath() override;
    int MessagesShown() const { return shown; }

  private:
    std::string Text(int stringId, const std::vector<MessageArg>& args);
    bool Answer(const std::string& caption, const std::string& text, bool yes, const char* answeredBy);

    const CLanguageModule& module;
    int group;
    bool answerYes;
    // Asked once: a transfer updates its progress at every request.
    bool progressOnTerminal;
    bool progressShown = false;
    std::uint32_t progressRange = 0;
    int shown = 0;
    CJsonEvents* events = nullptr;
    CSessionLog* log = nullptr;
    LinkOverride linkOverride;
    int interruptNote = 0;
    int slotNumber = 0;
    std::string commandName;
    bool adapterLatencyNoted = false;
};

} // namespace qbx

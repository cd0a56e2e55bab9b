#include "cli/console_host.h"

#include "cli/interrupt_watch.h"
#include "core/message_record.h"
#include "operations/string_ids.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <unistd.h>

namespace qbx {

CConsoleHost::CConsoleHost(const CLanguageModule& module, int group, bool answerYes)
    : module(module), group(group), answerYes(answerYes), progressOnTerminal(isatty(STDERR_FILENO) != 0) {}

std::string CConsoleHost::String(int stringId) {
    std::string text = module.StringUtf8(stringId);
    // Without a module (or a text) the number still tells what happened.
    return text.empty() ? "[" + std::to_string(stringId) + "]" : text;
}

std::string CConsoleHost::Text(int stringId, const std::vector<MessageArg>& args) {
    return FormatMessage(String(stringId), args);
}

namespace {

// "2.028" of "Quillbox-Message 2.028".
std::string MessageId(const std::string& caption) {
    return caption.substr(caption.rfind(' ') + 1);
}

std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

} // namespace

void CConsoleHost::ShowMessage(int number, int stringId, const std::vector<MessageArg>& args) {
    ShowMessageText(number, Text(stringId, args));
    // The settings dialog these send the person to has two answers in qbx.
    if (stringId == str::kSettingsUnreadable || stringId == str::kInvalidInterface)
        NoteString(str::kSetLinkHint);
}

void CConsoleHost::NoteString(int stringId, const std::vector<MessageArg>& args) {
    Note(OneLine(Text(stringId, args)));
}

bool CConsoleHost::OverrideLink(CSettings& settings) {
    linkOverride.ApplyTo(settings);
    return linkOverride.given;
}

void CConsoleHost::WatchInterrupts(int stringId) {
    interruptNote = stringId;
    StartInterruptWatch();
}

void CConsoleHost::PumpEvents() {
    const int signal = InterruptSignal();
    if (!signal || !interruptNote) return;
    NoteString(interruptNote, {static_cast<long long>(slotNumber)});
    const int status = 128 + signal;
    if (log) log->Message("qbx", "exit status " + std::to_string(status));
    if (events) events->Result(status, commandName);
    // The link's descriptor closes with the process; files are replaced
    // only once complete, so what the person had stays as it was.
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}

void CConsoleHost::ShowMessageText(int number, const std::string& text) {
    EndProgressLine();
    RecordShownMessage(group, number);
    const std::string caption = MessageCaption(group, number);
    const std::string line = OneLine(text);
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), line.c_str());
    std::fflush(stderr);
    if (events) events->Message(MessageId(caption), line);
    if (log) log->Message(caption, line);
    ++shown;
}

void CConsoleHost::Note(const std::string& text) {
    EndProgressLine();
    std::fprintf(stderr, "qbx: %s\n", text.c_str());
    std::fflush(stderr);
    if (events) events->Emit(CJsonEvents::Event("note").String("text", text));
    if (log) log->Message("qbx", text);
}

void CConsoleHost::AdapterLatencyNote(const std::string& text) {
    if (adapterLatencyNoted) return;
    adapterLatencyNoted = true;
    Note(text);
}

bool CConsoleHost::Answer(const std::string& caption, const std::string& text, bool yes,
                          const char* answeredBy) {
    if (events) events->Question(MessageId(caption), text, yes, answeredBy);
    if (log) log->Question(caption, text, yes);
    return yes;
}

bool CConsoleHost::AskQuestion(int number, int stringId, const std::vector<MessageArg>& args) {
    EndProgressLine();
    RecordShownMessage(group, number);
    const std::string caption = MessageCaption(group, number);
    const std::string text = OneLine(Text(stringId, args)); // one line, like every message
    const std::string question = caption + ": " + text;
    if (answerYes) {
        std::fprintf(stderr, "%s [y/N] y (--yes)\n", question.c_str());
        return Answer(caption, text, true, "option");
    }
    if (!isatty(STDIN_FILENO)) {
        std::fprintf(stderr, "%s [y/N] n (no terminal; --yes answers Yes)\n", question.c_str());
        return Answer(caption, text, false, "no-terminal");
    }
    std::fprintf(stderr, "%s [y/N] ", question.c_str());
    std::fflush(stderr);
    std::string answer;
    if (!std::getline(std::cin, answer)) return Answer(caption, text, false, "terminal");
    const bool yes = !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y' || answer[0] == 'j' ||
                                         answer[0] == 'J' || answer[0] == 's' || answer[0] == 'S');
    return Answer(caption, text, yes, "terminal");
}

void CConsoleHost::SetProgress(std::uint32_t position, std::uint32_t range) {
    PumpEvents();
    if (events) events->Progress(position, range);
    if (!progressOnTerminal || range == 0) return;
    constexpr int kWidth = 40;
    int filled = static_cast<int>(static_cast<std::uint64_t>(position) * kWidth / range);
    std::string bar(static_cast<size_t>(std::min(filled, kWidth)), '#');
    bar.resize(kWidth, '.');
    std::fprintf(stderr, "\r[%s] %04X / %04X", bar.c_str(), position, range);
    std::fflush(stderr);
    progressShown = true;
}

void CConsoleHost::SetProgressRange(std::uint32_t /*low*/, std::uint32_t high) {
    progressRange = high;
}

void CConsoleHost::SetProgressPosition(std::uint32_t position) {
    // Nothing has moved yet at 0; the bar appears with the first data.
    if (position > 0) SetProgress(position, progressRange);
}

void CConsoleHost::SetSlotNumber(const std::string& text) {
    slotNumber = std::atoi(text.c_str()); // right-aligned digits
    if (events) events->SetSlot(slotNumber);
}

void CConsoleHost::EndProgressLine() {
    if (progressShown) std::fputc('\n', stderr);
    progressShown = false;
}

std::string CConsoleHost::TracePath() {
    return log ? log->Path() : std::string();
}

} // namespace qbx

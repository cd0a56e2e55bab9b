#include "cli/console_host.h"

#include <algorithm>
#include <cstdio>
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

void CConsoleHost::ShowMessage(int number, int stringId, const std::vector<MessageArg>& args) {
    ShowMessageText(number, Text(stringId, args));
}

void CConsoleHost::ShowMessageText(int number, const std::string& text) {
    EndProgressLine();
    std::string line = text;
    for (char& c : line) {
        if (c == '\n') c = ' ';
    }
    std::fprintf(stderr, "%s: %s\n", MessageCaption(group, number).c_str(), line.c_str());
    std::fflush(stderr);
    ++shown;
}

bool CConsoleHost::AskQuestion(int number, int stringId, const std::vector<MessageArg>& args) {
    EndProgressLine();
    std::string question = MessageCaption(group, number) + ": " + Text(stringId, args);
    std::replace(question.begin(), question.end(), '\n', ' '); // one line, like every message
    if (answerYes) {
        std::fprintf(stderr, "%s [y/N] y (--yes)\n", question.c_str());
        return true;
    }
    if (!isatty(STDIN_FILENO)) {
        std::fprintf(stderr, "%s [y/N] n (no terminal)\n", question.c_str());
        return false;
    }
    std::fprintf(stderr, "%s [y/N] ", question.c_str());
    std::fflush(stderr);
    std::string answer;
    if (!std::getline(std::cin, answer)) return false;
    return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y' || answer[0] == 'j' || answer[0] == 'J' ||
                               answer[0] == 's' || answer[0] == 'S');
}

void CConsoleHost::SetProgress(std::uint32_t position, std::uint32_t range) {
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

void CConsoleHost::EndProgressLine() {
    if (progressShown) std::fputc('\n', stderr);
    progressShown = false;
}

} // namespace qbx

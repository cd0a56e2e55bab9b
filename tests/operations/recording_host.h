#pragma once
#include "core/message_format.h"
#include "core/message_record.h"
#include "operations/operation_host.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// A host that records what an operation shows and answers questions from a
// script (No when the script is empty). Texts are "[id]" plus the arguments,
// so tests can see what was passed without a language module. A test that
// runs an operation with its own message table names the table's group, so
// that the numbers it shows count in the message-number record.
class CRecordingHost : public qbx::COperationHost {
  public:
    static constexpr int kNoGroup = -1;
    explicit CRecordingHost(int group = kNoGroup) : group(group) {}

    struct Shown {
        int number;
        int stringId; // 0 for a composed text
        std::string text;
        bool question;
    };

    void ShowMessage(int number, int stringId, const std::vector<qbx::MessageArg>& args = {}) override {
        Record(number);
        shown.push_back({number, stringId, Describe(stringId, args), false});
    }
    void ShowMessageText(int number, const std::string& text) override {
        Record(number);
        shown.push_back({number, 0, text, false});
    }
    bool AskQuestion(int number, int stringId, const std::vector<qbx::MessageArg>& args = {}) override {
        Record(number);
        shown.push_back({number, stringId, Describe(stringId, args), true});
        if (whileAsking) whileAsking();
        if (answers.empty()) return false;
        bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    std::string String(int stringId) override {
        if (stringId == 11013) return "type %d";
        if (stringId == 11014) return "version %s";
        return "[" + std::to_string(stringId) + "]";
    }
    void SetProgress(std::uint32_t position, std::uint32_t range) override {
        progress.emplace_back(position, range);
    }
    void PumpEvents() override { ++pumps; }
    void Beep() override { ++beeps; }
    void SetStatusString(int stringId) override { statuses.push_back(stringId); }
    void SetProgressRange(std::uint32_t low, std::uint32_t high) override { ranges.emplace_back(low, high); }
    void SetProgressPosition(std::uint32_t position) override { positions.push_back(position); }
    void SetProgressText(const std::string& text) override { progressTexts.push_back(text); }
    void SetFileText(const std::string& text) override { fileTexts.push_back(text); }
    void SetSlotOutcome(int slot, const std::string&, qbx::SlotOutcome outcome) override {
        outcomes.push_back({slot, outcome});
    }
    void SetSlotNumber(const std::string& text) override { slotNumbers.push_back(text); }
    void SetWaitCursor(bool on) override { waitCursor = on; }

    // "6 7 9": the message numbers in order.
    std::string Numbers() const {
        std::string out;
        for (const Shown& s : shown)
            out += (out.empty() ? "" : " ") + std::to_string(s.number);
        return out;
    }

    int group;
    std::deque<bool> answers;
    // What changes while the person reads a question (a file removed, ...).
    std::function<void()> whileAsking;
    std::vector<Shown> shown;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> progress;
    int pumps = 0;
    int beeps = 0;
    std::vector<int> statuses;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> ranges;
    std::vector<std::uint32_t> positions;
    std::vector<std::string> progressTexts;
    std::vector<std::string> fileTexts;
    std::vector<std::pair<int, qbx::SlotOutcome>> outcomes;
    std::vector<std::string> slotNumbers;
    bool waitCursor = false;

  private:
    void Record(int number) const {
        if (group != kNoGroup) qbx::RecordShownMessage(group, number);
    }
    static std::string Describe(int stringId, const std::vector<qbx::MessageArg>& args) {
        std::string text = "[" + std::to_string(stringId) + "]";
        for (const auto& arg : args) {
            text += " " + (std::holds_alternative<long long>(arg) ? std::to_string(std::get<long long>(arg))
                                                                  : std::get<std::string>(arg));
        }
        return text;
    }
};

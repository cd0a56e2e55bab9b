#pragma once
#include "operations/operation_host.h"

#include <string>
#include <vector>

namespace soak {

// Records the message numbers an operation shows and answers every question
// with Yes (the mode switch): the run checks that a transfer shows exactly
// one message when it fails and none when it succeeds.
class CSoakHost : public qbx::COperationHost {
  public:
    void ShowMessage(int number, int, const std::vector<qbx::MessageArg>& = {}) override {
        shown.push_back(number);
    }
    void ShowMessageText(int number, const std::string&) override { shown.push_back(number); }
    bool AskQuestion(int, int, const std::vector<qbx::MessageArg>& = {}) override {
        ++questions;
        return true;
    }
    std::string String(int stringId) override { return std::to_string(stringId); }

    std::vector<int> shown;
    int questions = 0;
};

} // namespace soak

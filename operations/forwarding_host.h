#pragma once
#include "operations/operation_host.h"

namespace qbx {

// Passes every call on to another host; a host that changes one thing on
// the way derives from it and overrides just that.
class CForwardingHost : public COperationHost {
  public:
    explicit CForwardingHost(COperationHost& inner) : inner(inner) {}

    void ShowMessage(int number, int stringId, const std::vector<MessageArg>& args = {}) override {
        inner.ShowMessage(number, stringId, args);
    }
    void ShowSuccess(int number, int stringId, const std::vector<MessageArg>& args = {}) override {
        inner.ShowSuccess(number, stringId, args);
    }
    void ShowMessageText(int number, const std::string& text) override {
        inner.ShowMessageText(number, text);
    }
    bool AskQuestion(int number, int stringId, const std::vector<MessageArg>& args = {}) override {
        return inner.AskQuestion(number, stringId, args);
    }
    std::string String(int stringId) override { return inner.String(stringId); }
    void SetStatus(const std::string& text) override { inner.SetStatus(text); }
    void SetProgress(std::uint32_t position, std::uint32_t range) override {
        inner.SetProgress(position, range);
    }
    void PumpEvents() override { inner.PumpEvents(); }
    WaitHook LinkWaitHook() override { return inner.LinkWaitHook(); }
    void Beep() override { inner.Beep(); }
    void SetStatusString(int stringId) override { inner.SetStatusString(stringId); }
    void SetProgressRange(std::uint32_t low, std::uint32_t high) override {
        inner.SetProgressRange(low, high);
    }
    void SetProgressPosition(std::uint32_t position) override { inner.SetProgressPosition(position); }
    void SetProgressText(const std::string& text) override { inner.SetProgressText(text); }
    void SetFileText(const std::string& text) override { inner.SetFileText(text); }
    void SetFilePath(const std::string& path) override { inner.SetFilePath(path); }
    void SetSlotNumber(const std::string& text) override { inner.SetSlotNumber(text); }
    void SetSlotOutcome(int slot, const std::string& path, SlotOutcome outcome) override {
        inner.SetSlotOutcome(slot, path, outcome);
    }
    void SetWaitCursor(bool on) override { inner.SetWaitCursor(on); }
    std::string TracePath() override { return inner.TracePath(); }
    bool OverrideLink(CSettings& settings) override { return inner.OverrideLink(settings); }

  protected:
    COperationHost& inner;
};

} // namespace qbx

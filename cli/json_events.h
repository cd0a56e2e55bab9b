#pragma once
#include "cli/json_writer.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace qbx {

// The machine-readable side of `qbx --json`: one JSON object per line on
// standard output, each with an "event" field, and a "result" event last.
// Disabled, it writes nothing and the human output keeps standard output.
class CJsonEvents {
  public:
    explicit CJsonEvents(bool enabled, std::FILE* out = stdout) : enabled(enabled), out(out) {}

    bool Enabled() const { return enabled; }
    // Where the lines that normally go to standard output (slot list, scan
    // rows, config values) go: standard error in --json mode, so that
    // standard output carries JSON only.
    std::FILE* HumanOut() const { return enabled ? stderr : stdout; }

    // {"event":"NAME"} to be filled in and emitted.
    static CJsonObject Event(const char* name) { return CJsonObject().String("event", name); }
    void Emit(const CJsonObject& object);

    // Emitted when the whole percent changes, or the total does, so that a
    // large transfer writes at most about a hundred lines per bar.
    // With the storage slot being passed, when a transfer names one.
    void Progress(std::uint32_t done, std::uint32_t total);
    void SetSlot(int newSlot) { slot = newSlot; }
    // `id` "2.028", the text as printed on standard error.
    void Message(const std::string& id, const std::string& text);
    // `answeredBy`: "option" (--yes), "no-terminal" or "terminal".
    void Question(const std::string& id, const std::string& text, bool yes, const char* answeredBy);
    // The last event; later calls write nothing. `error` says why a usage error is one.
    void Result(int exitCode, const std::string& command, const std::string& error = "");

  private:
    bool enabled;
    std::FILE* out;
    bool resultWritten = false;
    std::uint32_t progressTotal = 0;
    int progressPercent = -1;
    int progressSlot = 0;
    int slot = 0;
};

} // namespace qbx

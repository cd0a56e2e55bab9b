#include "cli/json_events.h"

namespace qbx {

void CJsonEvents::Emit(const CJsonObject& object) {
    if (!enabled || resultWritten) return;
    std::string line = object.Text() + "\n";
    std::fwrite(line.data(), 1, line.size(), out);
    std::fflush(out); // a fleet tool reads the lines as they come
}

void CJsonEvents::Progress(std::uint32_t done, std::uint32_t total) {
    if (!enabled || total == 0) return;
    if (done > total) done = total; // a reader may rely on done <= total
    int percent = static_cast<int>(static_cast<std::uint64_t>(done) * 100 / total);
    if (total == progressTotal && percent == progressPercent && slot == progressSlot) return;
    progressTotal = total;
    progressPercent = percent;
    progressSlot = slot;
    CJsonObject event = Event("progress").Number("done", done).Number("total", total);
    if (slot > 0) event.Number("slot", slot);
    Emit(event);
}

void CJsonEvents::Message(const std::string& id, const std::string& text) {
    Emit(Event("message").String("id", id).String("text", text));
}

void CJsonEvents::Question(const std::string& id, const std::string& text, bool yes, const char* answeredBy) {
    Emit(Event("question")
             .String("id", id)
             .String("text", text)
             .Bool("answer", yes)
             .String("answeredBy", answeredBy));
}

void CJsonEvents::Result(int exitCode, const std::string& command, const std::string& error) {
    CJsonObject result =
        Event("result").Bool("ok", exitCode == 0).Number("exit", exitCode).String("command", command);
    if (!error.empty()) result.String("error", error);
    Emit(result);
    resultWritten = true;
}

} // namespace qbx

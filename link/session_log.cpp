#include "link/session_log.h"

#include "core/link_choice.h"
#include "platform/serial_port_path.h"

#include <cerrno>
#include <ctime>

namespace qbx {
namespace {

// Messages span lines in the dialogs; in the log each is one line.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return text;
}

} // namespace

std::unique_ptr<CSessionLog> CSessionLog::Start(const std::string& path,
                                                const std::vector<std::string>& header, int* error) {
    errno = 0;
    std::unique_ptr<CWireTrace> notes = path.empty() ? nullptr : CWireTrace::Open(path);
    if (!notes) {
        if (error) *error = errno != 0 ? errno : ENOENT;
        return nullptr;
    }
    for (const std::string& line : header)
        notes->Note(line);
    return std::unique_ptr<CSessionLog>(new CSessionLog(std::move(notes), path));
}

CSessionLog::CSessionLog(std::unique_ptr<CWireTrace> notes, std::string path)
    : notes(std::move(notes)), path(std::move(path)) {}

CSessionLog::~CSessionLog() {
    notes->Note("session log ends");
}

void CSessionLog::Message(const std::string& caption, const std::string& text) {
    notes->Note(caption + ": " + OneLine(text));
}

void CSessionLog::Question(const std::string& caption, const std::string& text, bool yes) {
    notes->Note(caption + ": " + OneLine(text) + (yes ? " [answered Yes]" : " [answered No]"));
}

std::string SessionLinkText(const CSettings& settings) {
    LinkChoice link = ChooseLink(settings);
    if (link.kind == LinkKind::Serial)
        return "COM" + std::to_string(link.portNumber) + " " + SerialPortPath(link.portNumber);
    if (link.kind == LinkKind::Tcp) return "TCP " + settings.ipAddress + ":" + std::to_string(settings.port);
    return "interface " + std::to_string(settings.interfaceIndex) + " (none)";
}

std::string SessionTimeText() {
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &utc);
    return text;
}

} // namespace qbx

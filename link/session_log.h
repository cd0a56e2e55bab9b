#pragma once
#include "core/settings_store.h"
#include "link/wire_trace.h"

#include <memory>
#include <string>
#include <vector>

namespace qbx {

// A file a user can send in to support: a header, then the wire trace of
// every link opened while the log runs and every message shown, in the
// order they happened. The wire goes through the one choke point that
// already traces it: the hosts hand Path() to the links they open.
class CSessionLog {
  public:
    // Null, with the errno in `error`, when `path` cannot be opened for
    // appending. `path` should be absolute: the program changes folders.
    static std::unique_ptr<CSessionLog> Start(const std::string& path, const std::vector<std::string>& header,
                                              int* error = nullptr);
    ~CSessionLog();
    CSessionLog(const CSessionLog&) = delete;
    CSessionLog& operator=(const CSessionLog&) = delete;

    // "Quillbox-Message 2.028", the text as shown.
    void Message(const std::string& caption, const std::string& text);
    void Question(const std::string& caption, const std::string& text, bool yes);
    const std::string& Path() const { return path; }

  private:
    CSessionLog(std::unique_ptr<CWireTrace> notes, std::string path);
    std::unique_ptr<CWireTrace> notes;
    std::string path;
};

// The link the settings choose, for the header: "COM2 /dev/ttyS1",
// "TCP 192.168.0.1:40000", or "interface N (none)".
std::string SessionLinkText(const CSettings& settings);

// The current time in UTC, "2026-12-08 16:04:05 UTC".
std::string SessionTimeText();

} // namespace qbx

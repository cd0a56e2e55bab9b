#pragma once
#include "formats/web_page_file.h"
#include "operations/connection.h"

#include <cstdint>
#include <string>
#include <vector>

// A web page (an HTML page or a GIF picture) from the PC into the LINKBOX.
// The messages are those of group 11 (operations/web_page_upload_messages.h).
namespace qbx {

// CheckWebPageFile with the message of group 11 for each failure; false
// after it.
bool PrepareWebPage(COperationHost& host, const std::string& path, WebPageFile& page);

// "%05X / %05X": the address being sent and the file size.
std::string WebPageProgressText(std::uint32_t address, std::uint32_t size);
// "Source file: name" for the page.
std::string WebPageFileText(COperationHost& host, const std::string& path);

// The displays before the link is opened: progress range 1 to the size at
// 0, the connecting status, the file text and the progress text.
void ShowWebPageStart(COperationHost& host, const WebPageFile& page);

// Over an open link: the start frame with the page's size and type, then
// the device's requests answered from `bytes` (0xFF past their end) until
// its end frame; busy frames are waited out without limit. True at the end
// frame; false after the failure's message.
bool ServeWebPage(CTransport& transport, COperationHost& host, const WebPageFile& page,
                  const std::vector<std::uint8_t>& bytes);

// Connects to a LINKBOX, announces the page's size and type and serves the
// device's requests from the file until the device says it has all. The
// file is read once, and never more of it than the size checked before;
// request bytes beyond that read 0xFF. No mode switch, no beep. True on
// success; false after the failure's message.
bool RunWebPageUpload(COperationHost& host, const WebPageFile& page, const ConnectOptions& options = {});

} // namespace qbx

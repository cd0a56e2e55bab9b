#pragma once
#include <cstdint>
#include <string>

// The file a web page upload sends: an HTML page or a GIF picture, known by
// its extension, and no larger than the LINKBOX takes.
namespace qbx {

inline constexpr std::uint32_t kMaxWebPageSize = 196000;

// The type byte of the start frame.
inline constexpr std::uint8_t kWebPageHtml = 1;
inline constexpr std::uint8_t kWebPageGif = 2;

struct WebPageFile {
    std::string path;
    std::uint8_t type = 0;
    std::uint32_t size = 0;
};

// Results of CheckWebPageFile.
inline constexpr int kPageOk = 0;
inline constexpr int kPageWrongExtension = 1; // neither "html" nor "gif" in any case
inline constexpr int kPageTooLarge = 2;       // more than kMaxWebPageSize bytes
inline constexpr int kPageNotOpened = 3;

// The type byte for the extension of `path` ("html" 1, "gif" 2, compared in
// lower case), or 0.
std::uint8_t WebPageType(const std::string& path);

// Fills `page` from the file at `path`: its type and its length.
int CheckWebPageFile(const std::string& path, WebPageFile& page);

} // namespace qbx

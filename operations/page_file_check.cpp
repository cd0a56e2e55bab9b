// Welcome pages and web pages: what the device takes of them.
#include "core/device_charset.h"
#include "core/windows1252.h"
#include "formats/bgs_file.h"
#include "formats/text_stream.h"
#include "formats/web_page_file.h"
#include "operations/file_check_parts.h"
#include "operations/file_check_strings.h"
#include "operations/os_update_preparation.h"
#include "operations/string_ids.h"
#include "operations/web_page_upload_messages.h"

#include <filesystem>

namespace qbx::check {
namespace {

using namespace check_str;

constexpr const char kGifSignature[] = "GIF8";

// The file's first bytes, at most `limit` of them.
std::string FirstBytes(const std::string& path, std::size_t limit) {
    CTextStream file;
    std::string text;
    if (file.Open(path) != 0) return text;
    for (int c; text.size() < limit && (c = file.Get()) != CTextStream::kEnd;)
        text += static_cast<char>(c);
    return text;
}

} // namespace

void CheckWelcomePageFile(const std::string& path, Findings& out) {
    WelcomeLines lines;
    if (!LoadBgsFile(path, lines)) {
        out.push_back(TransferFault("not-opened", os_preparation::kGroup, os_preparation::kWelcomePageMissing,
                                    str::kWelcomePageMissing, {path}));
        return;
    }
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    const std::string bytes = FirstBytes(path, kBgsFileSize);
    std::string shown;
    for (const std::string& line : lines)
        shown += (shown.empty() ? "" : " | ") + Windows1252ToUtf8(FromDeviceCharset(ToDeviceCharset(line)));
    out.push_back(Finding(kCheckInfo, "kind", kWelcomePage, {Arg(size), shown}));
    if (size != kBgsFileSize) out.push_back(Finding(kCheckWarning, "page-size", kWelcomeSize, {Arg(size)}));
    // An OS update writes the file's bytes as they stand, line ends and all.
    AddBlanks(bytes, kWelcomeField, "", out);
}

void CheckWebPageFile(const std::string& path, Findings& out) {
    WebPageFile page;
    switch (CheckWebPageFile(path, page)) {
    case kPageOk:
        break;
    case kPageTooLarge:
        out.push_back(TransferFault("too-large", web_page::kGroup, web_page::kTooLarge,
                                    web_page::kStringTooLarge, {Arg(kMaxWebPageSize)}));
        return;
    default:
        out.push_back(TransferFault("not-opened", web_page::kGroup, web_page::kNotOpened, str::kCannotOpen));
        return;
    }
    const bool gif = page.type == kWebPageGif;
    out.push_back(Finding(kCheckInfo, "kind", kWebPage,
                          {std::string(gif ? "GIF" : "HTML"), Arg(page.size), Arg(kMaxWebPageSize)}));
    if (gif && FirstBytes(path, 4) != kGifSignature)
        out.push_back(Finding(kCheckWarning, "not-gif", kNotAGif));
}

} // namespace qbx::check

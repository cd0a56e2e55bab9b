#include "formats/web_page_file.h"

#include "platform/regular_file.h"

#include <algorithm>
#include <cctype>

#include <sys/stat.h>
#include <unistd.h>

namespace qbx {

std::uint8_t WebPageType(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return 0;
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "html") return kWebPageHtml;
    if (extension == "gif") return kWebPageGif;
    return 0;
}

int CheckWebPageFile(const std::string& path, WebPageFile& page) {
    page = {path, WebPageType(path), 0};
    if (!page.type) return kPageWrongExtension;
    // A folder, a FIFO or a device is no page to send; a FIFO would also
    // hold the open until someone writes to it.
    const int fd = OpenRegularFile(path);
    if (fd < 0) return kPageNotOpened;
    struct stat status {};
    const bool known = fstat(fd, &status) == 0;
    close(fd);
    if (!known) return kPageNotOpened;
    if (status.st_size > static_cast<off_t>(kMaxWebPageSize)) return kPageTooLarge;
    page.size = static_cast<std::uint32_t>(status.st_size);
    return kPageOk;
}

} // namespace qbx

#include "platform/instance_lock.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace qbx {

CInstanceLock::~CInstanceLock() {
    Release();
}

bool CInstanceLock::Acquire(const std::string& name) {
    Release();
    std::string key = "Quillbox/" + std::to_string(getuid()) + "/" + name;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // Leading zero byte: the abstract namespace, no file on disk.
    size_t length = std::min(key.size(), sizeof address.sun_path - 1);
    std::memcpy(address.sun_path + 1, key.data(), length);
    int s = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0) return true; // no guard available: let the program run
    socklen_t size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
    if (bind(s, reinterpret_cast<sockaddr*>(&address), size) != 0) {
        close(s);
        return false;
    }
    fd = s;
    return true;
}

void CInstanceLock::Release() {
    if (fd >= 0) close(fd);
    fd = -1;
}

} // namespace qbx

#pragma once
#include <string>

namespace qbx {

// Guard against a second running copy: an abstract Unix socket bound under a
// name of this user's. The system drops it with the process, so a crashed copy
// never blocks the next start.
class CInstanceLock {
  public:
    CInstanceLock() = default;
    CInstanceLock(const CInstanceLock&) = delete;
    CInstanceLock& operator=(const CInstanceLock&) = delete;
    ~CInstanceLock();

    // True when this process now holds the name; false when another one does.
    bool Acquire(const std::string& name);
    void Release();

  private:
    int fd = -1;
};

} // namespace qbx

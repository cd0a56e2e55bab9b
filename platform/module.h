#pragma once
#include <string>

namespace qbx {

// A shared object loaded by path and kept until Free or destruction.
class CModule {
  public:
    CModule() = default;
    CModule(const CModule&) = delete;
    CModule& operator=(const CModule&) = delete;
    ~CModule();

    bool Load(const std::string& path, std::string* reason = nullptr);
    void Free();
    bool IsLoaded() const { return handle != nullptr; }

  private:
    void* handle = nullptr;
};

} // namespace qbx

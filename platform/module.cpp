#include "platform/module.h"

#include <dlfcn.h>

namespace qbx {

CModule::~CModule() {
    Free();
}

bool CModule::Load(const std::string& path, std::string* reason) {
    Free();
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle && reason) {
        const char* text = dlerror();
        *reason = text ? text : "";
    }
    return handle != nullptr;
}

void CModule::Free() {
    if (handle) dlclose(handle);
    handle = nullptr;
}

} // namespace qbx

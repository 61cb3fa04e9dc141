// The library's module inside its process on POSIX: its own handle, the program that hosts it,
// and freeing what it keeps at a real unload (module/module_unload_posix.cpp tells that unload
// from the end of the process).
#include <dlfcn.h>
#include <unistd.h>

#include <string>

#include "platform/os.h"
#include "platform/posix/profile_cache.h"
#include "platform/process_storage.h"

namespace qml::os {

HMODULE OwnModuleHandle() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&OwnModuleHandle), &info) == 0) return nullptr;
    return static_cast<HMODULE>(info.dli_fbase);
}

// No entry point: the library's static object starts and stops it.
bool StartedByEntryPoint() {
    return false;
}

// The executable's base name.
std::string ProgramFileName() {
    char path[4096];
    ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return std::string();
    path[n] = '\0';
    std::string full(path);
    size_t slash = full.rfind('/');
    return slash == std::string::npos ? full : full.substr(slash + 1);
}

void ReleaseProcessStorage() {
    DeleteStorage();
    qml::os::posix::ReleaseProfileCache();
}

}  // namespace qml::os

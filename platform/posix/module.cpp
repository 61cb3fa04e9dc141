// The library's module inside its process on POSIX: its own handle, the program that hosts it,
// and freeing what it keeps at a real unload.
//
// Telling an unload of the library (dlclose) from the end of the process, which both run the
// library's destructors: at process exit the static destructors run first, among the exit
// handlers, and the destructor section of each library after all of them; dlclose runs the
// library's destructor section first and its static destructors after it. So the function
// below frees what the library keeps only when the static destructors have not run yet, that
// is when dlclose unloads the library; at exit everything stays in place for the host's later
// exit handlers and its threads still running.
#include <dlfcn.h>
#include <unistd.h>

#include <atomic>
#include <string>

#include "module/module_instance.h"
#include "platform/os.h"
#include "platform/posix/profile_cache.h"
#include "platform/process_storage.h"

namespace qml::os {

namespace {

std::atomic<bool> g_staticsDestroyed{false};

struct StaticsWatch {
    StaticsWatch() = default;
    ~StaticsWatch() { g_staticsDestroyed.store(true); }
    StaticsWatch(const StaticsWatch&) = delete;
    StaticsWatch& operator=(const StaticsWatch&) = delete;
};
StaticsWatch g_staticsWatch;

__attribute__((destructor)) void ReleaseAtUnload() {
    if (g_staticsDestroyed.load()) return;  // the process is exiting
    UnloadModule();
}

}  // namespace

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
    qml::posix::ReleaseProfileCache();
}

}  // namespace qml::os

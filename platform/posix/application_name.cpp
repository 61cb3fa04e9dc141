// The application name: what the host set, else the executable's base name.
//
// The host's name lives on the heap behind a permanent lock and is never destroyed at exit,
// so exit handlers and threads still running then see it; it is freed only when the library
// is unloaded.
#include <unistd.h>

#include <mutex>
#include <string>

#include "platform/module_entry.h"
#include "platform/os.h"
#include "platform/permanent_lock.h"
#include "quorvel/window_system.h"

namespace qml::os {

namespace {

PermanentLock g_nameLock;
std::string* g_hostName = nullptr;  // null: none set

std::string ExecutableName() {
    char path[4096];
    ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return std::string();
    path[n] = '\0';
    std::string full(path);
    size_t slash = full.rfind('/');
    return slash == std::string::npos ? full : full.substr(slash + 1);
}

// Puts name in place of the host's name and frees the one it replaces.
void ReplaceHostName(std::string* name) {
    std::string* replaced = nullptr;
    {
        std::lock_guard<PermanentLock> hold(g_nameLock);
        replaced = g_hostName;
        g_hostName = name;
    }
    delete replaced;
}

}  // namespace

std::string GetApplicationName() {
    {
        std::lock_guard<PermanentLock> hold(g_nameLock);
        if (g_hostName) return *g_hostName;
    }
    return ExecutableName();
}

void ReleaseApplicationName() {
    ReplaceHostName(nullptr);
}

}  // namespace qml::os

namespace quorvel {

void SetApplicationName(const char* name) {
    qml::os::ReplaceHostName(name ? new std::string(name) : nullptr);
}

DWORD GetLastError() {
    return qml::os::GetLastError();
}
void SetLastError(DWORD code) {
    qml::os::SetLastError(code);
}

LCID GetUserDefaultLCID() {
    return qml::os::GetUserDefaultLCID();
}

}  // namespace quorvel

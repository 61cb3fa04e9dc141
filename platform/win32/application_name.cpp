// The application name on Windows: what the host set, else the file name of the program that
// hosts the library, without its extension (as the framework names an application).
//
// The host's name lives on the heap behind a permanent lock and is never destroyed with the
// library's statics; it is freed only when the library is unloaded (FreeLibrary).
#include <mutex>
#include <string>
#include <vector>

#include "platform/module_entry.h"
#include "platform/os.h"
#include "platform/permanent_lock.h"
#include "quorvel/application_name.h"

namespace qml::os {

namespace {

PermanentLock g_nameLock;
std::string* g_hostName = nullptr;  // null: none set

std::string ProgramName() {
    // Long paths are cut by the call; the base name is then still right as long as it fits.
    std::vector<char> path(32768, '\0');
    DWORD length = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size()) return std::string();
    std::string full(path.data(), length);
    size_t separator = full.find_last_of("\\/:");
    std::string base = separator == std::string::npos ? full : full.substr(separator + 1);
    size_t dot = base.rfind('.');
    if (dot != std::string::npos && dot > 0) base.erase(dot);
    return base;
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
    return ProgramName();
}

void ReleaseApplicationName() {
    ReplaceHostName(nullptr);
}

}  // namespace qml::os

namespace quorvel {

void SetApplicationName(const char* name) {
    qml::os::ReplaceHostName(name ? new std::string(name) : nullptr);
}

}  // namespace quorvel

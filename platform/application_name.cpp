// The application name: what the host set, else the name of the program (each platform's
// ProgramFileName).
//
// The host's name lives on the heap behind a permanent lock and is never destroyed at exit,
// so exit handlers and threads still running then see it; it is freed only when the library
// is unloaded.
#include <mutex>
#include <string>

#include "platform/module_entry.h"
#include "platform/os.h"
#include "platform/permanent_lock.h"
#include "quorvel/application_name.h"

namespace qml::os {

namespace {

PermanentLock g_nameLock;
std::string* g_hostName = nullptr;  // null: none set

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
    return ProgramFileName();
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

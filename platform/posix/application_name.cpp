// The application name: what the host set, else the executable's base name.
#include <unistd.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/os.h"
#include "quorvel/window_system.h"

namespace qml::os {

namespace {

std::mutex g_nameLock;
std::string g_hostName;
bool g_hostNameSet = false;

// Stable storage for the name handed out; names set are kept so that a pointer returned
// earlier stays valid while another thread sets a new one.
std::string* StoreName(const std::string& name) {
    static std::vector<std::unique_ptr<std::string>> names;
    for (auto& kept : names)
        if (*kept == name) return kept.get();
    names.push_back(std::make_unique<std::string>(name));
    return names.back().get();
}

std::string ExecutableName() {
    char path[4096];
    ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return std::string();
    path[n] = '\0';
    std::string full(path);
    size_t slash = full.rfind('/');
    return slash == std::string::npos ? full : full.substr(slash + 1);
}

}  // namespace

const char* GetApplicationName() {
    std::lock_guard<std::mutex> lock(g_nameLock);
    std::string name = g_hostNameSet ? g_hostName : ExecutableName();
    return StoreName(name)->c_str();
}

}  // namespace qml::os

namespace quorvel {

void SetApplicationName(const char* name) {
    std::lock_guard<std::mutex> lock(qml::os::g_nameLock);
    qml::os::g_hostNameSet = name != nullptr;
    qml::os::g_hostName = name ? name : "";
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

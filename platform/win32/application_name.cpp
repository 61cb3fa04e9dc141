// The application name on Windows: what the host set, else the file name of the program that
// hosts the library, without its extension (as the framework names an application).
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/os.h"
#include "quorvel/application_name.h"

namespace qml::os {

namespace {

std::mutex g_nameLock;
std::string g_hostName;
bool g_hostNameSet = false;

// Stable storage for the names handed out: a pointer returned earlier stays valid while
// another thread sets a new name.
const char* StoreName(const std::string& name) {
    static std::vector<std::unique_ptr<std::string>> names;
    for (auto& kept : names)
        if (*kept == name) return kept->c_str();
    names.push_back(std::make_unique<std::string>(name));
    return names.back()->c_str();
}

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

}  // namespace

const char* GetApplicationName() {
    std::lock_guard<std::mutex> lock(g_nameLock);
    return StoreName(g_hostNameSet ? g_hostName : ProgramName());
}

}  // namespace qml::os

namespace quorvel {

void SetApplicationName(const char* name) {
    std::lock_guard<std::mutex> lock(qml::os::g_nameLock);
    qml::os::g_hostNameSet = name != nullptr;
    qml::os::g_hostName = name ? name : "";
}

}  // namespace quorvel

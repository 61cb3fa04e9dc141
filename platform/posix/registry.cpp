// The registry stand-in: keys and values read from a file in the profile format.
//
// The file is $QUORVEL_REGISTRY, else $XDG_CONFIG_HOME/quorvel/registry.ini (when that is an
// absolute path), else ~/.config/quorvel/registry.ini. Each section is the full path of a key,
// "[HKEY_LOCAL_MACHINE\SOFTWARE\Console]", and holds the key's values as name=data; all data
// is text (REG_SZ). "@" names the key's default value (asked for with a null or empty value
// name). Paths and value names match without regard to ASCII case; a key exists when a
// section names it or a key below it; the predefined root keys always exist. Leading and
// trailing backslashes of a sub-key are ignored. The file is only read, so the access rights
// asked for do not matter; it is checked at each open (through the profile cache) and an open
// key keeps the values it saw at its opening.
//
// Handles are heap objects that RegCloseKey frees; a handle that was never returned by
// RegOpenKeyExA, or was closed already, is refused with ERROR_INVALID_HANDLE.
#include <pwd.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <string_view>
#include <unordered_set>

#include "platform/module_entry.h"
#include "platform/os.h"
#include "platform/permanent_lock.h"
#include "platform/posix/profile_cache.h"
#include "platform/posix/profile_parse.h"

namespace qml::os {

namespace {

using posix::ProfileSection;
using posix::ProfileSnapshot;

struct RegistryKey {
    std::string path;
    ProfileSnapshot file;                     // null when the file was missing (a root key)
    const ProfileSection* section = nullptr;  // null when no section names the key itself
};

// The open keys. Behind a permanent lock and never destroyed at exit, so that a host's exit
// handlers can still read the registry; freed only when the library is unloaded.
PermanentLock g_keysLock;
std::unordered_set<RegistryKey*>* g_keys = nullptr;

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string HomeDirectory() {
    std::string home = EnvironmentValue("HOME");
    if (!home.empty()) return home;
    struct passwd entry;
    struct passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found && found->pw_dir)
        return found->pw_dir;
    return std::string();
}

std::string RegistryFilePath() {
    std::string explicitPath = EnvironmentValue("QUORVEL_REGISTRY");
    if (!explicitPath.empty()) return explicitPath;
    std::string config = EnvironmentValue("XDG_CONFIG_HOME");
    if (config.empty() || config.front() != '/') {
        std::string home = HomeDirectory();
        if (home.empty()) return std::string();
        config = home + "/.config";
    }
    return config + "/quorvel/registry.ini";
}

const char* RootName(HKEY key) {
    switch (reinterpret_cast<std::uintptr_t>(key)) {
        case 0x80000000u:
            return "HKEY_CLASSES_ROOT";
        case 0x80000001u:
            return "HKEY_CURRENT_USER";
        case 0x80000002u:
            return "HKEY_LOCAL_MACHINE";
        case 0x80000003u:
            return "HKEY_USERS";
        case 0x80000004u:
            return "HKEY_PERFORMANCE_DATA";
        case 0x80000005u:
            return "HKEY_CURRENT_CONFIG";
        default:
            return nullptr;
    }
}

RegistryKey* AsKey(HKEY key) {
    return reinterpret_cast<RegistryKey*>(key);
}

bool IsOpenKey(HKEY key) {
    return g_keys && g_keys->count(AsKey(key)) != 0;
}

std::string_view TrimBackslashes(std::string_view text) {
    while (!text.empty() && text.front() == '\\') text.remove_prefix(1);
    while (!text.empty() && text.back() == '\\') text.remove_suffix(1);
    return text;
}

// True when some section lies below path ("path\...").
bool HasSubKey(const posix::ParsedProfile& file, std::string_view path) {
    for (const ProfileSection& section : file.Sections()) {
        std::string_view name = section.name;
        if (name.size() > path.size() && name[path.size()] == '\\' &&
            posix::EqualNoCase(name.substr(0, path.size()), path))
            return true;
    }
    return false;
}

// Opens path; a root key or a key open already exists without a file.
LONG OpenPath(std::string path, bool knownToExist, HKEY* result) {
    auto key = std::make_unique<RegistryKey>();
    key->file = posix::AcquireProfile(RegistryFilePath().c_str());
    if (key->file) key->section = key->file->FindSection(path);
    if (!knownToExist && !key->section && !(key->file && HasSubKey(*key->file, path)))
        return ERROR_FILE_NOT_FOUND;
    key->path = std::move(path);
    std::lock_guard<PermanentLock> lock(g_keysLock);
    if (!g_keys) g_keys = new std::unordered_set<RegistryKey*>;
    g_keys->insert(key.get());
    *result = reinterpret_cast<HKEY>(key.release());
    return ERROR_SUCCESS;
}

LONG QueryValue(const RegistryKey& key, LPCSTR valueName, LPDWORD type, LPBYTE data, LPDWORD size) {
    std::string_view name = posix::TrimBlanks(valueName ? valueName : "");
    if (name.empty()) name = "@";
    const posix::ProfileEntry* entry = key.section ? key.file->FindEntry(*key.section, name) : nullptr;
    if (!entry || !entry->hasValue) return ERROR_FILE_NOT_FOUND;
    DWORD needed = static_cast<DWORD>(entry->value.size() + 1);
    if (type) *type = REG_SZ;
    if (!data) {
        if (size) *size = needed;
        return ERROR_SUCCESS;
    }
    if (!size) return ERROR_INVALID_PARAMETER;
    DWORD room = *size;
    *size = needed;
    if (room < needed) return ERROR_MORE_DATA;
    std::memcpy(data, entry->value.data(), entry->value.size());
    data[entry->value.size()] = '\0';
    return ERROR_SUCCESS;
}

}  // namespace

LONG RegOpenKeyExA(HKEY root, LPCSTR subKey, DWORD /*options*/, REGSAM /*access*/, HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    std::string path;
    bool knownToExist = false;  // a root key, or a key open already
    if (const char* rootName = RootName(root)) {
        path = rootName;
    } else {
        std::lock_guard<PermanentLock> lock(g_keysLock);
        if (!IsOpenKey(root)) return ERROR_INVALID_HANDLE;
        path = AsKey(root)->path;
    }
    std::string_view sub = TrimBackslashes(subKey ? subKey : "");
    if (!sub.empty()) {
        path += '\\';
        path += sub;
    } else {
        knownToExist = true;
    }
    try {
        return OpenPath(std::move(path), knownToExist, result);
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
}

LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size) {
    if (reserved) return ERROR_INVALID_PARAMETER;
    if (data && !size) return ERROR_INVALID_PARAMETER;
    if (RootName(key)) {
        HKEY opened = nullptr;
        LONG status = RegOpenKeyExA(key, nullptr, 0, KEY_QUERY_VALUE, &opened);
        if (status != ERROR_SUCCESS) return status;
        status = RegQueryValueExA(opened, valueName, nullptr, type, data, size);
        RegCloseKey(opened);
        return status;
    }
    std::lock_guard<PermanentLock> lock(g_keysLock);
    if (!IsOpenKey(key)) return ERROR_INVALID_HANDLE;
    return QueryValue(*AsKey(key), valueName, type, data, size);
}

void ReleaseRegistryKeys() {
    std::unordered_set<RegistryKey*>* keys = nullptr;
    {
        std::lock_guard<PermanentLock> lock(g_keysLock);
        keys = g_keys;
        g_keys = nullptr;
    }
    if (!keys) return;
    for (RegistryKey* key : *keys) delete key;
    delete keys;
}

LONG RegCloseKey(HKEY key) {
    if (RootName(key)) return ERROR_SUCCESS;
    RegistryKey* owned = nullptr;
    {
        std::lock_guard<PermanentLock> lock(g_keysLock);
        if (!IsOpenKey(key)) return ERROR_INVALID_HANDLE;
        owned = AsKey(key);
        g_keys->erase(owned);
    }
    delete owned;
    return ERROR_SUCCESS;
}

}  // namespace qml::os

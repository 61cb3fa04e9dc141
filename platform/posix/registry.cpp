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
// Handles are heap objects, kept in the process storage, that RegCloseKey frees; a handle that
// was never returned by RegOpenKeyExA, or was closed already, is refused with
// ERROR_INVALID_HANDLE.
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
#include <utility>

#include "platform/os.h"
#include "platform/posix/profile_cache.h"
#include "platform/posix/profile_parse.h"
#include "platform/process_storage.h"

namespace qml::os {

namespace profile = ::qml::os::posix;  // the profile reader's own types

struct posix::RegistryKey {
    std::string path;
    profile::ProfileSnapshot file;                     // null when the file was missing (a root key)
    const profile::ProfileSection* section = nullptr;  // null when no section names the key itself
};

namespace {

using posix::RegistryKey;

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

// The open key of the handle, or null; the caller holds the registry lock.
RegistryKey* OpenKey(ProcessStorage& storage, HKEY key) {
    auto found = storage.registryKeys.find(key);
    return found == storage.registryKeys.end() ? nullptr : found->second.get();
}

std::string_view TrimBackslashes(std::string_view text) {
    while (!text.empty() && text.front() == '\\') text.remove_prefix(1);
    while (!text.empty() && text.back() == '\\') text.remove_suffix(1);
    return text;
}

// True when some section lies below path ("path\...").
bool HasSubKey(const profile::ParsedProfile& file, std::string_view path) {
    for (const profile::ProfileSection& section : file.Sections()) {
        std::string_view name = section.name;
        if (name.size() > path.size() && name[path.size()] == '\\' &&
            profile::EqualNoCase(name.substr(0, path.size()), path))
            return true;
    }
    return false;
}

// Opens path; a root key or a key open already exists without a file.
LONG OpenPath(std::string path, bool knownToExist, HKEY* result) {
    auto key = std::make_shared<RegistryKey>();
    key->file = profile::AcquireProfile(RegistryFilePath().c_str());
    if (key->file) key->section = key->file->FindSection(path);
    if (!knownToExist && !key->section && !(key->file && HasSubKey(*key->file, path)))
        return ERROR_FILE_NOT_FOUND;
    key->path = std::move(path);
    const HKEY handle = reinterpret_cast<HKEY>(key.get());
    ProcessStorage& storage = Storage();
    std::lock_guard<PermanentLock> lock(storage.registryLock);
    storage.registryKeys.emplace(handle, std::move(key));
    *result = handle;
    return ERROR_SUCCESS;
}

LONG QueryValue(const RegistryKey& key, LPCSTR valueName, LPDWORD type, LPBYTE data, LPDWORD size) {
    std::string_view name = profile::TrimBlanks(valueName ? valueName : "");
    if (name.empty()) name = "@";
    const profile::ProfileEntry* entry = key.section ? key.file->FindEntry(*key.section, name) : nullptr;
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
        ProcessStorage& storage = Storage();
        std::lock_guard<PermanentLock> lock(storage.registryLock);
        const RegistryKey* open = OpenKey(storage, root);
        if (!open) return ERROR_INVALID_HANDLE;
        path = open->path;
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
    ProcessStorage& storage = Storage();
    std::lock_guard<PermanentLock> lock(storage.registryLock);
    const RegistryKey* open = OpenKey(storage, key);
    if (!open) return ERROR_INVALID_HANDLE;
    return QueryValue(*open, valueName, type, data, size);
}

LONG RegCloseKey(HKEY key) {
    if (RootName(key)) return ERROR_SUCCESS;
    std::shared_ptr<RegistryKey> closed;  // freed once the lock is let go
    ProcessStorage& storage = Storage();
    std::lock_guard<PermanentLock> lock(storage.registryLock);
    auto found = storage.registryKeys.find(key);
    if (found == storage.registryKeys.end()) return ERROR_INVALID_HANDLE;
    closed = std::move(found->second);
    storage.registryKeys.erase(found);
    return ERROR_SUCCESS;
}

}  // namespace qml::os

// The library's module inside its process on Windows: its own handle, the program that hosts
// it, and what it keeps for the process, freed when FreeLibrary unloads the DLL.
#include <string>
#include <vector>

#include "platform/os.h"
#include "platform/process_storage.h"

namespace qml::os {

HMODULE OwnModuleHandle() {
    HMODULE module = nullptr;
    ::GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&OwnModuleHandle), &module);
    return module;
}

// The DLL runs its entry point; linked into a program, the library is the program's module.
bool StartedByEntryPoint() {
    return OwnModuleHandle() != ::GetModuleHandleA(nullptr);
}

// The file name of the program that hosts the library, without its extension (as the framework
// names an application).
std::string ProgramFileName() {
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

void ReleaseProcessStorage() {
    DeleteStorage();
}

}  // namespace qml::os

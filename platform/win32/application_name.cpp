// The program's name on Windows, the application name when the host sets none: the file name
// of the program that hosts the library, without its extension (as the framework names an
// application).
#include <string>
#include <vector>

#include "platform/os.h"

namespace qml::os {

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

}  // namespace qml::os

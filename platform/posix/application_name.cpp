// The program's name on POSIX, the application name when the host sets none: the
// executable's base name. Also the host API's last-error and locale calls.
#include <unistd.h>

#include <string>

#include "platform/os.h"
#include "quorvel/window_system.h"

namespace qml::os {

std::string ProgramFileName() {
    char path[4096];
    ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return std::string();
    path[n] = '\0';
    std::string full(path);
    size_t slash = full.rfind('/');
    return slash == std::string::npos ? full : full.substr(slash + 1);
}

}  // namespace qml::os

namespace quorvel {

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

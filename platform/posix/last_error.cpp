// The calling thread's last system error, as the stand-ins set it.
#include "platform/os.h"

namespace qml::os {

namespace {
thread_local DWORD t_lastError = ERROR_SUCCESS;
}

DWORD GetLastError() {
    return t_lastError;
}
void SetLastError(DWORD code) {
    t_lastError = code;
}

}  // namespace qml::os

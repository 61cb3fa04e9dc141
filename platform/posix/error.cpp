// The calling thread's last system error, as the stand-ins set it, and the texts of the Win32
// error codes they set, in the system's wording.
#include <string>

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

std::string SystemErrorText(DWORD code) {
    struct Entry {
        DWORD code;
        const char* text;
    };
    static const Entry kTexts[] = {
        {ERROR_SUCCESS, "The operation completed successfully."},
        {ERROR_INVALID_FUNCTION, "Incorrect function."},
        {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified."},
        {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified."},
        {ERROR_ACCESS_DENIED, "Access is denied."},
        {ERROR_INVALID_HANDLE, "The handle is invalid."},
        {ERROR_NOT_ENOUGH_MEMORY, "Not enough memory resources are available to process this command."},
        {ERROR_INVALID_PARAMETER, "The parameter is incorrect."},
        {ERROR_INSUFFICIENT_BUFFER, "The data area passed to a system call is too small."},
        {ERROR_MORE_DATA, "More data is available."},
        {ERROR_INVALID_WINDOW_HANDLE, "Invalid window handle."},
        {ERROR_RESOURCE_DATA_NOT_FOUND, "The specified image file did not contain a resource section."},
        {ERROR_RESOURCE_TYPE_NOT_FOUND, "The specified resource type cannot be found in the image file."},
        {ERROR_RESOURCE_NAME_NOT_FOUND, "The specified resource name cannot be found in the image file."},
    };
    for (const Entry& entry : kTexts)
        if (entry.code == code) return entry.text;
    return "Unknown error " + std::to_string(code) + ".";
}

}  // namespace qml::os

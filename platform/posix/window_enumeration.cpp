// EnumChildWindows: a walk over a snapshot of the tree, so that the callback may create and
// destroy windows (and call back into the window system) while it runs.
#include "platform/os.h"
#include "platform/posix/window_table.h"

namespace qml::os {

BOOL EnumChildWindows(HWND parent, WNDENUMPROC callback, LPARAM value) {
    if (!callback) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    windows::WindowTable& table = windows::WindowTable::Instance();
    std::vector<HWND> walk;
    {
        auto lock = table.Lock();
        if (parent && !table.Find(parent)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return FALSE;
        }
        walk = table.Descendants(parent);
    }
    for (HWND child : walk) {
        {
            auto lock = table.Lock();
            if (!table.Find(child)) continue;
        }
        if (!callback(child, value)) return FALSE;
    }
    return TRUE;
}

}  // namespace qml::os

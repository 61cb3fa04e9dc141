// Whether a handle names a window the library may still work on: not null, and not destroyed.
#pragma once

#include "platform/os_window.h"

namespace qml::os {

inline bool IsLiveWindow(HWND window) {
    return window != nullptr && IsWindow(window) != FALSE;
}

}  // namespace qml::os

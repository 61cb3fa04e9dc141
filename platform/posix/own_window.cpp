// Finding a top-level window of this process by its title: every window of the in-process
// window system belongs to this process.
#include "platform/os_window.h"

namespace qml::os {

HWND FindOwnTopLevelWindow(LPCSTR title) {
    if (!title) return nullptr;
    return FindWindowA(nullptr, title);
}

}  // namespace qml::os

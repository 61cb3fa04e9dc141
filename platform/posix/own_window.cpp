// Finding shown top-level windows of this process by their title: every window of the
// in-process window system belongs to this process.
#include <cstring>

#include "platform/os_window.h"
#include "platform/posix/window_table.h"

namespace qml::os {

std::vector<HWND> FindOwnShownWindows(LPCSTR title) {
    std::vector<HWND> found;
    if (!title) return found;
    windows::WindowTable& table = windows::WindowTable::Instance();
    auto lock = table.Lock();
    const std::vector<HWND>& topLevel = table.TopLevel();
    for (auto it = topLevel.rbegin(); it != topLevel.rend(); ++it) {
        const windows::Window* window = table.Find(*it);
        if (!window || window->text != title) continue;
        if (window->messageBox && window->messageBox->closed) continue;  // ended: hidden
        found.push_back(*it);
    }
    return found;
}

bool StillShownAfterCloseRequest(HWND box) {
    return IsWindowVisible(box) != FALSE;
}

}  // namespace qml::os

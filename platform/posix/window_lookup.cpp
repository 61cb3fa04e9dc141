// Finding windows: IsWindow, IsWindowVisible and FindWindowA.
#include "platform/os.h"
#include "platform/posix/window_table.h"

namespace qml::os {

BOOL IsWindow(HWND handle) {
    windows::WindowTable& table = windows::WindowTable::Instance();
    auto lock = table.Lock();
    return table.Find(handle) ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND handle) {
    windows::WindowTable& table = windows::WindowTable::Instance();
    auto lock = table.Lock();
    const windows::Window* window = table.Find(handle);
    // Windows are shown from their creation; a message box hides when it ends.
    return window && !(window->messageBox && window->messageBox->closed) ? TRUE : FALSE;
}

HWND FindWindowA(LPCSTR className, LPCSTR windowName) {
    windows::WindowTable& table = windows::WindowTable::Instance();
    auto lock = table.Lock();
    const std::vector<HWND>& topLevel = table.TopLevel();
    // Newest first: the window shown last is the one on top, as a message box is over the
    // window that opened it.
    for (auto it = topLevel.rbegin(); it != topLevel.rend(); ++it) {
        const windows::Window* window = table.Find(*it);
        if (windowName && window->text != windowName) continue;
        if (className && !windows::SameClassName(window->className, className)) continue;
        return *it;
    }
    return nullptr;
}

}  // namespace qml::os

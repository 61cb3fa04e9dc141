// The POSIX host API (quorvel/window_system.h): the ordinary calls forward to the stand-ins the
// library uses itself; CreateWindow, DestroyWindow and the presenter are the host's own.
#include <mutex>
#include <utility>

#include "platform/os.h"
#include "platform/posix/window_system.h"
#include "platform/process_storage.h"
#include "quorvel/window_system.h"

namespace quorvel {

namespace {
// The system reports a window class it does not know with this code.
constexpr DWORD kErrorCannotFindWindowClass = 1407;
}  // namespace

HWND CreateWindow(const char* className, const char* text, HWND parent) {
    if (!className || !*className) {
        qml::os::SetLastError(kErrorCannotFindWindowClass);
        return nullptr;
    }
    qml::os::posix::WindowTable& table = qml::os::posix::WindowTable::Instance();
    auto lock = table.Lock();
    if (parent && !table.FindLive(parent)) return nullptr;
    return table.Create(className, text ? text : "", parent);
}

bool DestroyWindow(HWND window) {
    qml::os::posix::WindowTable& table = qml::os::posix::WindowTable::Instance();
    auto lock = table.Lock();
    if (table.Destroy(window)) return true;
    qml::os::SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return false;
}

void SetMessageBoxPresenter(MessageBoxPresenter presenter) {
    qml::os::ProcessStorage& storage = qml::os::Storage();
    std::lock_guard<qml::os::PermanentLock> hold(storage.presenterLock);
    storage.presenter = std::move(presenter);
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC callback, LPARAM value) {
    return qml::os::EnumChildWindows(parent, callback, value);
}
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return qml::os::SendMessageA(window, message, wParam, lParam);
}
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    return qml::os::MessageBoxA(owner, text, caption, type);
}
HWND FindWindowA(LPCSTR className, LPCSTR windowName) {
    return qml::os::FindWindowA(className, windowName);
}
BOOL IsWindow(HWND window) {
    return qml::os::IsWindow(window);
}
BOOL IsWindowVisible(HWND window) {
    return qml::os::IsWindowVisible(window);
}
int GetClassNameA(HWND window, LPSTR buffer, int maxCount) {
    return qml::os::GetClassNameA(window, buffer, maxCount);
}
int GetWindowTextA(HWND window, LPSTR buffer, int maxCount) {
    return qml::os::GetWindowTextA(window, buffer, maxCount);
}
int GetWindowTextLengthA(HWND window) {
    return qml::os::GetWindowTextLengthA(window);
}
BOOL SetWindowTextA(HWND window, LPCSTR text) {
    return qml::os::SetWindowTextA(window, text);
}

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

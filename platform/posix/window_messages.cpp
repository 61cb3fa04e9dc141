// SendMessageA (the messages every window handles, then those of message boxes and combo
// boxes) and the window texts: GetWindowTextA, GetWindowTextLengthA, SetWindowTextA,
// GetClassNameA.
#include <cstddef>
#include <string>
#include <string_view>

#include "base/code_page_pairs.h"
#include "platform/os.h"
#include "platform/posix/window_system.h"

namespace qml::os {

namespace posix {

namespace {

// The shared body of GetWindowTextA and GetClassNameA: field picks the text to copy.
template <typename Field>
int CopyWindowField(HWND handle, LPSTR buffer, int maxCount, Field field) {
    if (!buffer || maxCount <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    buffer[0] = '\0';
    WindowTable& table = WindowTable::Instance();
    auto lock = table.Lock();
    Window* window = table.FindLive(handle);
    if (!window) return 0;
    return static_cast<int>(
        CopyBoundedDoubleByte(buffer, static_cast<std::size_t>(maxCount), field(*window)));
}

}  // namespace

}  // namespace posix

int GetWindowTextA(HWND handle, LPSTR buffer, int maxCount) {
    return posix::CopyWindowField(
        handle, buffer, maxCount,
        [](const posix::Window& window) -> const std::string& { return window.text; });
}

int GetClassNameA(HWND handle, LPSTR buffer, int maxCount) {
    return posix::CopyWindowField(
        handle, buffer, maxCount,
        [](const posix::Window& window) -> const std::string& { return window.className; });
}

int GetWindowTextLengthA(HWND handle) {
    posix::WindowTable& table = posix::WindowTable::Instance();
    auto lock = table.Lock();
    posix::Window* window = table.FindLive(handle);
    if (!window) return 0;
    return static_cast<int>(window->text.size());
}

BOOL SetWindowTextA(HWND handle, LPCSTR text) {
    posix::WindowTable& table = posix::WindowTable::Instance();
    auto lock = table.Lock();
    posix::Window* window = table.FindLive(handle);
    if (!window) return FALSE;
    window->text = text ? text : "";
    return TRUE;
}

LRESULT SendMessageA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    posix::WindowTable& table = posix::WindowTable::Instance();
    auto lock = table.Lock();
    posix::Window* window = table.FindLive(handle);
    if (!window) return 0;
    switch (message) {
        case WM_GETTEXT:
            return static_cast<LRESULT>(
                CopyBoundedDoubleByte(reinterpret_cast<char*>(lParam), wParam, window->text));
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(window->text.size());
        case WM_SETTEXT: {
            const char* text = reinterpret_cast<const char*>(lParam);
            window->text = text ? text : "";
            return TRUE;
        }
        case WM_CLOSE:
        case WM_COMMAND:
            if (window->messageBox) {
                if (int result = posix::MessageBoxCloseResult(*window->messageBox, message, wParam))
                    table.EndMessageBox(handle, result);
            } else if (message == WM_CLOSE) {
                // What the default window procedure does with a request to close.
                table.Destroy(handle);
            }
            return 0;
        default:
            break;
    }
    if (window->comboBox && posix::IsComboBoxMessage(message))
        return posix::HandleComboBoxMessage(*window->comboBox, window->text, message, wParam, lParam);
    return 0;
}

}  // namespace qml::os

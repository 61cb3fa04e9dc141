// Window texts and class names: GetWindowTextA, GetWindowTextLengthA, SetWindowTextA,
// GetClassNameA.
#include "platform/posix/window_text.h"

#include <algorithm>
#include <cstring>

#include "platform/os.h"
#include "platform/posix/window_table.h"

namespace qml::os {

namespace windows {

std::size_t CopyText(const std::string& text, char* buffer, std::size_t size) {
    if (!buffer || size == 0) return 0;
    std::size_t length = std::min(text.size(), size - 1);
    if (length < text.size()) {
        std::size_t whole = 0;
        while (whole < length) {
            bool lead = static_cast<unsigned char>(text[whole]) >= 0x80 && whole + 1 < text.size();
            std::size_t next = whole + (lead ? 2 : 1);
            if (next > length) break;
            whole = next;
        }
        length = whole;
    }
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return length;
}

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
    Window* window = table.Find(handle);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return static_cast<int>(CopyText(field(*window), buffer, static_cast<std::size_t>(maxCount)));
}

}  // namespace

}  // namespace windows

int GetWindowTextA(HWND handle, LPSTR buffer, int maxCount) {
    return windows::CopyWindowField(
        handle, buffer, maxCount,
        [](const windows::Window& window) -> const std::string& { return window.text; });
}

int GetClassNameA(HWND handle, LPSTR buffer, int maxCount) {
    return windows::CopyWindowField(
        handle, buffer, maxCount,
        [](const windows::Window& window) -> const std::string& { return window.className; });
}

int GetWindowTextLengthA(HWND handle) {
    windows::WindowTable& table = windows::WindowTable::Instance();
    auto lock = table.Lock();
    windows::Window* window = table.Find(handle);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return static_cast<int>(window->text.size());
}

BOOL SetWindowTextA(HWND handle, LPCSTR text) {
    windows::WindowTable& table = windows::WindowTable::Instance();
    auto lock = table.Lock();
    windows::Window* window = table.Find(handle);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    window->text = text ? text : "";
    return TRUE;
}

}  // namespace qml::os

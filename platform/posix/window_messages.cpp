// SendMessageA: the messages every window handles, then those of message boxes and combo boxes.
#include "platform/os.h"
#include "platform/posix/window_combo_box.h"
#include "platform/posix/window_message_box.h"
#include "platform/posix/window_table.h"
#include "platform/posix/window_text.h"

namespace qml::os {

LRESULT SendMessageA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    windows::WindowTable& table = windows::WindowTable::Instance();
    auto lock = table.Lock();
    windows::Window* window = table.Find(handle);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    switch (message) {
        case WM_GETTEXT:
            return static_cast<LRESULT>(
                windows::CopyText(window->text, reinterpret_cast<char*>(lParam), wParam));
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
                if (int result = windows::MessageBoxCloseResult(*window->messageBox, message, wParam))
                    table.EndMessageBox(handle, result);
            } else if (message == WM_CLOSE) {
                // What the default window procedure does with a request to close.
                table.Destroy(handle);
            }
            return 0;
        default:
            break;
    }
    if (window->comboBox && windows::IsComboBoxMessage(message))
        return windows::HandleComboBoxMessage(*window->comboBox, window->text, message, wParam, lParam);
    return 0;
}

}  // namespace qml::os

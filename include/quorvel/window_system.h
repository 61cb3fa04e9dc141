// The POSIX host's side of the platform stand-ins: what a Windows host gets from the system
// and a POSIX host asks the library for.
#pragma once

#if !defined(_WIN32)

#include <functional>
#include <string>
#include <vector>

#include "quorvel/application_name.h"
#include "quorvel/export.h"
#include "quorvel/wintypes.h"

namespace quorvel {

// The calling thread's last system error, as the library's services set it; a host sets it
// before it reports a failure through OutLastError.
QML_API DWORD GetLastError();
QML_API void SetLastError(DWORD code);

// The user's locale identifier, from LC_ALL, LC_MESSAGES or LANG (zh_TW 0x0404, zh_CN 0x0804,
// en_US 0x0409, ...); 0x0409 for C, POSIX or none.
QML_API LCID GetUserDefaultLCID();

// ---- windows --------------------------------------------------------------------------------
// An in-process window system: windows with a class name, a text, a parent and ordered
// children. Handles are never reused. Every call is thread-safe; messages are handled on the
// calling thread.

// A window of the class with the text under parent (null: a top-level window). Class
// "ComboBox" makes a combo box. Null on failure (no class name: ERROR_CANNOT_FIND_WND_CLASS,
// a parent that is no window: ERROR_INVALID_WINDOW_HANDLE).
QML_API HWND CreateWindow(const char* className, const char* text, HWND parent);

// Destroys the window and all its descendants, and the message boxes it owns.
QML_API bool DestroyWindow(HWND window);

// A message box as MessageBoxA shows it: the box's own window (class "#32770", titled with the
// caption), its owner, caption, text, style and the ids of its buttons in display order.
struct MessageBoxRequest {
    HWND box;
    HWND owner;
    std::string caption, text;
    unsigned style;
    std::vector<int> buttons;
};

// The presenter answers with a button id to close the box at once, or 0 to leave it open until a
// message closes it (WM_CLOSE, or WM_COMMAND with a button id, also from another thread). As a
// dialog does, a box that a message has ended is hidden but stays a window until MessageBoxA
// returns, and a button pressed meanwhile replaces its result. An
// answer that is not one of the box's buttons makes MessageBoxA fail (result 0,
// ERROR_INVALID_PARAMETER). The presenter runs on the thread that called MessageBoxA, with no
// lock of the window system held.
using MessageBoxPresenter = std::function<int(const MessageBoxRequest&)>;

// Empty: the default presenter, which writes the box to standard error and answers with its
// default button.
QML_API void SetMessageBoxPresenter(MessageBoxPresenter presenter);

// The ordinary window calls, with their Win32 signatures and results.
QML_API BOOL EnumChildWindows(HWND parent, WNDENUMPROC callback, LPARAM value);
QML_API LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
QML_API int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
QML_API HWND FindWindowA(LPCSTR className, LPCSTR windowName);
QML_API BOOL IsWindow(HWND window);
// Every window is shown from its creation; a message box that has ended is hidden until
// MessageBoxA returns and destroys it.
QML_API BOOL IsWindowVisible(HWND window);
QML_API int GetClassNameA(HWND window, LPSTR buffer, int maxCount);
QML_API int GetWindowTextA(HWND window, LPSTR buffer, int maxCount);
QML_API int GetWindowTextLengthA(HWND window);
QML_API BOOL SetWindowTextA(HWND window, LPCSTR text);

}  // namespace quorvel

#endif

// The window services of the platform seam: the window tree, window texts, messages and
// message boxes, with the Win32 names, argument orders and results.
#pragma once

#include <string>
#include <vector>

#include "quorvel/wintypes.h"

namespace qml::os {

#if defined(_WIN32)
using ::EnumChildWindows;
using ::FindWindowA;
using ::GetClassNameA;
using ::GetWindowTextA;
using ::GetWindowTextLengthA;
using ::IsWindow;
using ::IsWindowVisible;
using ::MessageBoxA;
using ::SendMessageA;
using ::SetWindowTextA;

// The text of item index of a combo box: its length, or CB_ERR (text empty) for a bad index.
inline int GetComboBoxItemText(HWND comboBox, int index, std::string& text) {
    text.clear();
    LRESULT length = ::SendMessageA(comboBox, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return CB_ERR;
    text.assign(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = ::SendMessageA(comboBox, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                    reinterpret_cast<LPARAM>(&text[0]));
    if (copied < 0 || copied > length) {
        text.clear();
        return CB_ERR;
    }
    text.resize(static_cast<size_t>(copied));
    return static_cast<int>(copied);
}
#else
// Calls callback for every descendant of parent, depth first, each child before its own
// children, in creation order; a null parent walks the top-level windows. Windows destroyed
// during the walk are skipped, windows created during it are not visited. Stops when the
// callback returns FALSE (result FALSE).
BOOL EnumChildWindows(HWND parent, WNDENUMPROC callback, LPARAM value);

// Handles the message on the calling thread: WM_GETTEXT, WM_SETTEXT, WM_GETTEXTLENGTH, WM_CLOSE,
// WM_COMMAND and, for combo boxes, the CB_ messages. 0 and ERROR_INVALID_WINDOW_HANDLE for a
// handle that is no window; 0 for a message the window does not handle.
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Shows a box through the host's presenter and blocks until it is closed; the id of the button
// that closed it, or 0 on failure.
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// The newest live top-level window with the title (exact bytes) and class (any case); a null
// argument matches every window.
HWND FindWindowA(LPCSTR className, LPCSTR windowName);

BOOL IsWindow(HWND window);
// False for a handle that is no window and for a message box that has ended (hidden until
// MessageBoxA returns).
BOOL IsWindowVisible(HWND window);

// Copy at most maxCount - 1 bytes and a NUL, never half a double-byte character; the number of
// bytes copied.
int GetClassNameA(HWND window, LPSTR buffer, int maxCount);
int GetWindowTextA(HWND window, LPSTR buffer, int maxCount);

int GetWindowTextLengthA(HWND window);
BOOL SetWindowTextA(HWND window, LPCSTR text);

// The text of item index of a combo box, read in one step (so that no other thread can change the
// item between its length and its text): the results of CB_GETLBTEXTLEN and CB_GETLBTEXT, its
// length or CB_ERR (text empty) for a bad index.
int GetComboBoxItemText(HWND comboBox, int index, std::string& text);
#endif

// The shown top-level windows of the calling process whose title is exactly the text, the
// foremost (newest) first. Windows of other processes are passed over, so a caller can never
// reach another program's window; hidden ones too, such as a message box that has ended.
std::vector<HWND> FindOwnShownWindows(LPCSTR title);

// Whether a box sent WM_CLOSE is still shown once the request has taken effect. A dialog of
// the system answers WM_CLOSE by posting itself a Cancel command, so it ends a moment after
// the call returns, when its own thread handles that command: this waits for it (a short
// while at most, and not at all on the box's own thread, which cannot handle it meanwhile).
// The in-process window system of POSIX handles the request before the call returns.
bool StillShownAfterCloseRequest(HWND box);

}  // namespace qml::os

// The window services on Windows that the system has no single call for: a combo box's item
// text, and finding shown top-level windows of this process by their title.
#include <cstring>
#include <string>

#include "platform/os.h"

namespace qml::os {

int GetComboBoxItemText(HWND comboBox, int index, std::string& text) {
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

std::vector<HWND> FindOwnShownWindows(LPCSTR title) {
    std::vector<HWND> found;
    if (!title) return found;
    const size_t titleLength = std::strlen(title);
    const DWORD ownProcess = ::GetCurrentProcessId();
    // The system matches titles without regard to case and finds hidden windows too (a dialog
    // that has ended stays a window, hidden, until its modal loop is over): only shown windows
    // of this process whose title matches exactly count. The search runs in z-order, the
    // foremost window first.
    HWND window = nullptr;
    while ((window = ::FindWindowExA(nullptr, window, nullptr, title)) != nullptr) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        if (process != ownProcess || !::IsWindowVisible(window)) continue;
        std::string text(titleLength + 2, '\0');
        int length = ::GetWindowTextA(window, &text[0], static_cast<int>(text.size()));
        if (length >= 0 && static_cast<size_t>(length) == titleLength &&
            std::memcmp(text.data(), title, titleLength) == 0)
            found.push_back(window);
    }
    return found;
}

bool StillShownAfterCloseRequest(HWND box) {
    // Long enough for a thread that is pumping messages; a box that ignores the request (Yes
    // and No without Cancel) costs this much once.
    constexpr int kSettleMilliseconds = 250;
    if (::GetWindowThreadProcessId(box, nullptr) == ::GetCurrentThreadId())
        return ::IsWindowVisible(box) != FALSE;
    for (int waited = 0; waited < kSettleMilliseconds; ++waited) {
        if (!::IsWindowVisible(box)) return false;
        ::Sleep(1);
    }
    return ::IsWindowVisible(box) != FALSE;
}

}  // namespace qml::os

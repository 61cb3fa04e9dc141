// Finding shown top-level windows of this process by their title.
#include <cstring>
#include <string>

#include "platform/os_window.h"

namespace qml::os {

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

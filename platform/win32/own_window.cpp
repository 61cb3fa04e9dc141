// Finding a top-level window of this process by its title.
#include <cstring>
#include <string>

#include "platform/os_window.h"

namespace qml::os {

HWND FindOwnTopLevelWindow(LPCSTR title) {
    if (!title) return nullptr;
    const size_t titleLength = std::strlen(title);
    const DWORD ownProcess = ::GetCurrentProcessId();
    // The system matches titles without regard to case; a window of another program, or one
    // whose title differs in case, is passed over and the search goes on behind it.
    HWND window = nullptr;
    while ((window = ::FindWindowExA(nullptr, window, nullptr, title)) != nullptr) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        if (process != ownProcess) continue;
        std::string text(titleLength + 2, '\0');
        int length = ::GetWindowTextA(window, &text[0], static_cast<int>(text.size()));
        if (length >= 0 && static_cast<size_t>(length) == titleLength &&
            std::memcmp(text.data(), title, titleLength) == 0)
            return window;
    }
    return nullptr;
}

}  // namespace qml::os

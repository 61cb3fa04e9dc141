// Helpers of the window-system suites.
#pragma once

#include <string>
#include <vector>

#include "quorvel/window_system.h"

namespace qml_test {

// A window destroyed (with its descendants) when the object goes.
class ScopedWindow {
  public:
    ScopedWindow(const char* className, const char* text, HWND parent = nullptr)
        : m_handle(quorvel::CreateWindow(className, text, parent)) {}
    ~ScopedWindow() { quorvel::DestroyWindow(m_handle); }
    ScopedWindow(const ScopedWindow&) = delete;
    ScopedWindow& operator=(const ScopedWindow&) = delete;
    HWND get() const { return m_handle; }
    operator HWND() const { return m_handle; }  // NOLINT: reads like a handle

  private:
    HWND m_handle;
};

inline std::string TextOf(HWND window) {
    char buffer[1024] = {};
    quorvel::GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

inline std::string ClassOf(HWND window) {
    char buffer[256] = {};
    quorvel::GetClassNameA(window, buffer, sizeof buffer);
    return buffer;
}

// The texts of the windows EnumChildWindows visits below parent, in visiting order.
inline std::vector<std::string> WalkTexts(HWND parent) {
    std::vector<std::string> texts;
    quorvel::EnumChildWindows(
        parent,
        [](HWND child, LPARAM value) -> BOOL {
            reinterpret_cast<std::vector<std::string>*>(value)->push_back(TextOf(child));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

}  // namespace qml_test

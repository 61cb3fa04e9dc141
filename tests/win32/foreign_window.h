// A top-level window of another process: this program started again with
// --foreign-window <title>, which shows a window with that title until it is told to stop.
#pragma once

#include <string>

#include "quorvel/wintypes.h"

namespace qml_test {

class ForeignWindow {
  public:
    explicit ForeignWindow(const std::string& title);
    ~ForeignWindow();
    ForeignWindow(const ForeignWindow&) = delete;
    ForeignWindow& operator=(const ForeignWindow&) = delete;

    // The other process's window; null when it could not be shown.
    HWND window() const { return m_window; }

  private:
    PROCESS_INFORMATION m_process = {};
    HANDLE m_stop = nullptr;
    HWND m_window = nullptr;
};

// The child's side: shows the window and pumps messages until told to stop. Returns the exit
// code.
int RunForeignWindow(const char* title, const char* readyEvent, const char* stopEvent);

}  // namespace qml_test

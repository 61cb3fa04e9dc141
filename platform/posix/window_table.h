// The windows of the process: one table behind one lock. Every member function expects the
// caller to hold the lock (WindowTable::Lock).
#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "quorvel/wintypes.h"

namespace qml::os::windows {

// The items of a combo box and its selection (CB_ERR: none).
struct ComboBoxState {
    std::vector<std::string> items;
    int selection = CB_ERR;
};

// A message box being shown; MessageBoxA waits on closedSignal until closed is set. Shared
// so that the waiting call still reads the result after the window has gone. As a dialog that
// has ended, a closed box is hidden but stays a window until MessageBoxA, woken, destroys it;
// a button pressed meanwhile replaces its result.
struct MessageBoxState {
    std::vector<int> buttons;
    bool closed = false;
    int result = 0;
    std::condition_variable closedSignal;
};

struct Window {
    std::string className;
    std::string text;
    HWND parent = nullptr;
    HWND owner = nullptr;
    std::vector<HWND> children;  // creation order
    std::optional<ComboBoxState> comboBox;
    std::shared_ptr<MessageBoxState> messageBox;
};

class WindowTable {
  public:
    static WindowTable& Instance();
    // Frees the table and every window in it, when the library is unloaded for good.
    static void Release();
    std::unique_lock<std::mutex> Lock() { return std::unique_lock<std::mutex>(m_mutex); }

    // Null for a handle that is no (longer a) window.
    Window* Find(HWND handle);

    // A new window under parent (live or null). Class "ComboBox" (any case) makes a combo box.
    HWND Create(const std::string& className, const std::string& text, HWND parent);

    // A new top-level window of class "#32770" for a message box owned by owner (live or null).
    HWND CreateMessageBox(const std::string& caption, HWND owner, std::shared_ptr<MessageBoxState> state);

    // Removes the window, its descendants and the message boxes any of them own; open boxes
    // among them close with result 0. False when the handle is no window.
    bool Destroy(HWND handle);

    // Ends a message box with result (a box that has ended already takes the new result) and
    // hides it; MessageBoxA destroys its window when it returns.
    void EndMessageBox(HWND box, int result);

    // The descendants of parent in walk order (depth first, each child before its own
    // children, creation order); with a null parent the top-level windows.
    std::vector<HWND> Descendants(HWND parent);

    // Top-level windows, oldest first.
    const std::vector<HWND>& TopLevel() const { return m_topLevel; }

  private:
    WindowTable() = default;
    static WindowTable*& Pointer();
    void DestroyTree(HWND handle, std::vector<HWND>& destroyed);

    std::mutex m_mutex;
    std::unordered_map<std::uintptr_t, Window> m_windows;
    std::vector<HWND> m_topLevel;
    std::vector<HWND> m_openBoxes;
    std::uintptr_t m_next = 0x10000;
};

// Class names are reported as their creator spelled them and match without regard to ASCII
// case, as the system looks classes up.
bool SameClassName(const std::string& a, const std::string& b);

}  // namespace qml::os::windows

// The in-process window system of POSIX: the windows of the process in one table behind one
// lock, and what its files share. Every WindowTable member function expects the caller to hold
// the lock (WindowTable::Lock).
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/os.h"

namespace qml::os::posix {

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
    std::condition_variable_any closedSignal;
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
    // The process's table (in the process storage).
    static WindowTable& Instance();
    std::unique_lock<PermanentLock> Lock() { return std::unique_lock<PermanentLock>(m_lock); }

    // Null for a handle that is no (longer a) window.
    Window* Find(HWND handle);
    // The same, and for a handle that is no window the last error ERROR_INVALID_WINDOW_HANDLE,
    // as every call given such a handle reports it.
    Window* FindLive(HWND handle);

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
    void DestroyTree(HWND handle, std::vector<HWND>& destroyed);

    PermanentLock m_lock;
    std::unordered_map<std::uintptr_t, Window> m_windows;
    std::vector<HWND> m_topLevel;
    std::vector<HWND> m_openBoxes;
    std::uintptr_t m_next = 0x10000;
};

// Class names are reported as their creator spelled them and match without regard to ASCII
// case, as the system looks classes up.
bool SameClassName(const std::string& a, const std::string& b);

// Whether a message is one of the CB_ messages a combo box handles.
bool IsComboBoxMessage(UINT message);

// Handles a CB_ message with the Win32 result. text is the combo box's own text, which follows
// the selection as CB_SETCURSEL and CB_RESETCONTENT change it.
LRESULT HandleComboBoxMessage(ComboBoxState& comboBox, std::string& text, UINT message, WPARAM wParam,
                              LPARAM lParam);

// The id with which the message (WM_CLOSE, or WM_COMMAND with a button id) ends the box (or,
// for a box that has ended already, replaces its result); 0 when the message does nothing.
int MessageBoxCloseResult(const MessageBoxState& box, UINT message, WPARAM wParam);

}  // namespace qml::os::posix

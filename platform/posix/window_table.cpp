// The window table: handles, the tree of parents and children, destruction; and the calls
// that find windows in it (IsWindow, IsWindowVisible, FindWindowA, EnumChildWindows, the
// process's own shown windows).
#include <algorithm>

#include "base/ascii.h"
#include "platform/os.h"
#include "platform/posix/window_system.h"
#include "platform/process_storage.h"

namespace qml::os::posix {

namespace {

std::uintptr_t Key(HWND handle) {
    return reinterpret_cast<std::uintptr_t>(handle);
}

void Remove(std::vector<HWND>& list, HWND handle) {
    auto found = std::find(list.begin(), list.end(), handle);
    if (found != list.end()) list.erase(found);
}

}  // namespace

bool SameClassName(const std::string& a, const std::string& b) {
    return EqualIgnoringAsciiCase(a, b);
}

WindowTable& WindowTable::Instance() {
    return Storage().windows;
}

Window* WindowTable::Find(HWND handle) {
    auto found = m_windows.find(Key(handle));
    return found == m_windows.end() ? nullptr : &found->second;
}

Window* WindowTable::FindLive(HWND handle) {
    Window* window = Find(handle);
    if (!window) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return window;
}

HWND WindowTable::Create(const std::string& className, const std::string& text, HWND parent) {
    HWND handle = reinterpret_cast<HWND>(m_next);
    m_next += 4;
    Window& window = m_windows[Key(handle)];
    window.className = className;
    window.text = text;
    window.parent = parent;
    if (SameClassName(className, "ComboBox")) window.comboBox.emplace();
    if (Window* parentWindow = Find(parent))
        parentWindow->children.push_back(handle);
    else
        m_topLevel.push_back(handle);
    return handle;
}

HWND WindowTable::CreateMessageBox(const std::string& caption, HWND owner,
                                   std::shared_ptr<MessageBoxState> state) {
    HWND box = Create("#32770", caption, nullptr);
    Window& window = m_windows.at(Key(box));
    window.owner = owner;
    window.messageBox = std::move(state);
    m_openBoxes.push_back(box);
    return box;
}

std::vector<HWND> WindowTable::Descendants(HWND parent) {
    if (!parent) return m_topLevel;
    std::vector<HWND> order;
    Window* root = Find(parent);
    if (!root) return order;
    // Iterative, so that a deep tree cannot exhaust the stack.
    std::vector<HWND> pending(root->children.rbegin(), root->children.rend());
    while (!pending.empty()) {
        HWND next = pending.back();
        pending.pop_back();
        order.push_back(next);
        const std::vector<HWND>& children = m_windows.at(Key(next)).children;
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return order;
}

void WindowTable::DestroyTree(HWND handle, std::vector<HWND>& destroyed) {
    Window* window = Find(handle);
    if (!window) return;
    if (Window* parent = Find(window->parent))
        Remove(parent->children, handle);
    else
        Remove(m_topLevel, handle);
    std::vector<HWND> tree = Descendants(handle);
    tree.insert(tree.begin(), handle);
    for (HWND gone : tree) {
        Window& doomed = m_windows.at(Key(gone));
        if (doomed.messageBox && !doomed.messageBox->closed) {
            doomed.messageBox->closed = true;
            doomed.messageBox->result = 0;
            doomed.messageBox->closedSignal.notify_all();
        }
        if (doomed.messageBox) Remove(m_openBoxes, gone);
        m_windows.erase(Key(gone));
        destroyed.push_back(gone);
    }
}

bool WindowTable::Destroy(HWND handle) {
    if (!Find(handle)) return false;
    std::vector<HWND> destroyed;
    DestroyTree(handle, destroyed);
    // Boxes owned by a destroyed window go with it (and boxes owned by those, in turn).
    for (size_t i = 0; i < destroyed.size(); ++i) {
        HWND owner = destroyed[i];
        std::vector<HWND> owned;
        for (HWND box : m_openBoxes)
            if (m_windows.at(Key(box)).owner == owner) owned.push_back(box);
        for (HWND box : owned) DestroyTree(box, destroyed);
    }
    return true;
}

void WindowTable::EndMessageBox(HWND box, int result) {
    Window* window = Find(box);
    if (!window || !window->messageBox) return;
    window->messageBox->closed = true;
    window->messageBox->result = result;
    window->messageBox->closedSignal.notify_all();
}

}  // namespace qml::os::posix

namespace qml::os {

BOOL IsWindow(HWND handle) {
    posix::WindowTable& table = posix::WindowTable::Instance();
    auto lock = table.Lock();
    return table.Find(handle) ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND handle) {
    posix::WindowTable& table = posix::WindowTable::Instance();
    auto lock = table.Lock();
    const posix::Window* window = table.Find(handle);
    // Windows are shown from their creation; a message box hides when it ends.
    return window && !(window->messageBox && window->messageBox->closed) ? TRUE : FALSE;
}

HWND FindWindowA(LPCSTR className, LPCSTR windowName) {
    posix::WindowTable& table = posix::WindowTable::Instance();
    auto lock = table.Lock();
    const std::vector<HWND>& topLevel = table.TopLevel();
    // Newest first: the window shown last is the one on top, as a message box is over the
    // window that opened it.
    for (auto it = topLevel.rbegin(); it != topLevel.rend(); ++it) {
        const posix::Window* window = table.Find(*it);
        if (windowName && window->text != windowName) continue;
        if (className && !posix::SameClassName(window->className, className)) continue;
        return *it;
    }
    return nullptr;
}

// A walk over a snapshot of the tree, so that the callback may create and destroy windows (and
// call back into the window system) while it runs.
BOOL EnumChildWindows(HWND parent, WNDENUMPROC callback, LPARAM value) {
    if (!callback) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    posix::WindowTable& table = posix::WindowTable::Instance();
    std::vector<HWND> walk;
    {
        auto lock = table.Lock();
        if (parent && !table.FindLive(parent)) return FALSE;
        walk = table.Descendants(parent);
    }
    for (HWND child : walk) {
        {
            auto lock = table.Lock();
            if (!table.Find(child)) continue;
        }
        if (!callback(child, value)) return FALSE;
    }
    return TRUE;
}

// Every window of the in-process window system belongs to this process.
std::vector<HWND> FindOwnShownWindows(LPCSTR title) {
    std::vector<HWND> found;
    if (!title) return found;
    posix::WindowTable& table = posix::WindowTable::Instance();
    auto lock = table.Lock();
    const std::vector<HWND>& topLevel = table.TopLevel();
    for (auto it = topLevel.rbegin(); it != topLevel.rend(); ++it) {
        const posix::Window* window = table.Find(*it);
        if (!window || window->text != title) continue;
        if (window->messageBox && window->messageBox->closed) continue;  // ended: hidden
        found.push_back(*it);
    }
    return found;
}

bool StillShownAfterCloseRequest(HWND box) {
    return IsWindowVisible(box) != FALSE;
}

}  // namespace qml::os

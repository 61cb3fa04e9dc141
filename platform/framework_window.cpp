// CWnd and CComboBox: window objects over their handles, through the window calls of the
// platform seam.
#include <memory>
#include <mutex>
#include <vector>

#include "base/ascii.h"
#include "platform/os.h"
#include "platform/process_storage.h"
#include "quorvel/framework.h"

namespace {

bool IsComboBoxClass(HWND window) {
    char className[16] = {};
    qml::os::GetClassNameA(window, className, static_cast<int>(sizeof className));
    return qml::EqualIgnoringAsciiCase(className, "combobox");
}

// The one object of a handle, kept in the process storage for the life of the process
// (pointers handed out stay valid while other threads finish).
CWnd* ObjectFor(HWND window) {
    qml::os::ProcessStorage& storage = qml::os::Storage();
    std::lock_guard<qml::os::PermanentLock> hold(storage.windowObjectsLock);
    std::unique_ptr<CWnd>& object = storage.windowObjects[window];
    if (!object) {
        if (IsComboBoxClass(window))
            object = std::make_unique<CComboBox>(window);
        else
            object = std::make_unique<CWnd>(window);
    }
    return object.get();
}

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return qml::os::SendMessageA(window, message, wParam, lParam);
}

}  // namespace

BOOL CWnd::Attach(HWND window) {
    if (!window || m_hWnd) return FALSE;
    m_hWnd = window;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND window = m_hWnd;
    m_hWnd = nullptr;
    return window;
}

CWnd* CWnd::FromHandle(HWND window) {
    return window ? ObjectFor(window) : nullptr;
}

void CWnd::GetWindowText(CString& text) const {
    std::vector<char> buffer(static_cast<size_t>(GetWindowTextLength()) + 1, '\0');
    int copied = qml::os::GetWindowTextA(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    text = CString(buffer.data(), copied);
}

int CWnd::GetWindowText(char* buffer, int maxCount) const {
    return qml::os::GetWindowTextA(m_hWnd, buffer, maxCount);
}

int CWnd::GetWindowTextLength() const {
    return qml::os::GetWindowTextLengthA(m_hWnd);
}

void CWnd::SetWindowText(const char* text) {
    qml::os::SetWindowTextA(m_hWnd, text);
}

int CComboBox::GetCount() const {
    return static_cast<int>(Send(m_hWnd, CB_GETCOUNT));
}

int CComboBox::GetCurSel() const {
    return static_cast<int>(Send(m_hWnd, CB_GETCURSEL));
}

int CComboBox::SetCurSel(int index) {
    return static_cast<int>(Send(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(index)));
}

int CComboBox::GetLBText(int index, char* buffer) const {
    return static_cast<int>(
        Send(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)));
}

void CComboBox::GetLBText(int index, CString& text) const {
    std::string item;
    qml::os::GetComboBoxItemText(m_hWnd, index, item);
    text = CString(item);
}

int CComboBox::GetLBTextLen(int index) const {
    return static_cast<int>(Send(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
}

int CComboBox::AddString(const char* text) {
    return static_cast<int>(Send(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CComboBox::InsertString(int index, const char* text) {
    return static_cast<int>(
        Send(m_hWnd, CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
}

int CComboBox::DeleteString(unsigned int index) {
    return static_cast<int>(Send(m_hWnd, CB_DELETESTRING, static_cast<WPARAM>(index)));
}

void CComboBox::ResetContent() {
    Send(m_hWnd, CB_RESETCONTENT);
}

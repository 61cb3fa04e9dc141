// The framework types that the interface names: a string, an array of strings and window
// objects for handles. They carry the members that the library and ordinary host code use,
// under their usual names, over std::string and the Win32 window calls.
//
// They live in namespace quorvel and are brought into the global namespace as wintypes.h
// describes: not with QML_NO_GLOBAL_NAMES, nor where a framework header of the same names came
// first.
#pragma once

#include <cstdarg>
#include <string>
#include <utility>
#include <vector>

#include "quorvel/export.h"
#include "quorvel/wintypes.h"

namespace quorvel {

// A value-type narrow string. Texts are bytes in the ANSI code page; a byte of 0x80 or above
// starts a double-byte character together with the next byte.
class QML_API CString {
  public:
    CString() = default;
    CString(const char* text) : m_str(text ? text : "") {}  // NOLINT: implicit like the original
    CString(const char* text, int length);
    CString(const std::string& text) : m_str(text) {}                 // NOLINT
    CString(std::string&& text) noexcept : m_str(std::move(text)) {}  // NOLINT: takes the buffer over
    CString(char ch, int repeat = 1);

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    const char* GetString() const { return m_str.c_str(); }
    operator const char*() const { return m_str.c_str(); }  // NOLINT
    const std::string& str() const { return m_str; }

    char GetAt(int index) const { return m_str.at(static_cast<size_t>(index)); }
    char operator[](int index) const { return GetAt(index); }
    void SetAt(int index, char ch) { m_str.at(static_cast<size_t>(index)) = ch; }

    // printf-style formatting; the whole result is kept, whatever its length.
    void Format(const char* format, ...) QML_PRINTF_FORMAT(2, 3);
    void FormatV(const char* format, va_list args) QML_PRINTF_FORMAT(2, 0);
    void AppendFormat(const char* format, ...) QML_PRINTF_FORMAT(2, 3);

    // White space is blank, tab, CR, LF, vertical tab and form feed.
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim(const char* targets);
    CString& TrimLeft(const char* targets);
    CString& TrimRight(const char* targets);
    CString& Trim(char target);
    CString& TrimLeft(char target);
    CString& TrimRight(char target);

    // ASCII letters only; a double-byte character stays whole.
    CString& MakeUpper();
    CString& MakeLower();

    // Byte index of the first occurrence at or after start, -1 when none.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int Insert(int index, char ch);
    int Insert(int index, const char* text);
    int Delete(int index, int count = 1);
    int Replace(const char* oldText, const char* newText);

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    CString& operator=(const char* text) {
        m_str = text ? text : "";
        return *this;
    }
    CString& operator+=(const CString& other) {
        m_str += other.m_str;
        return *this;
    }
    CString& operator+=(const char* text) {
        if (text) m_str += text;
        return *this;
    }
    CString& operator+=(char ch) {
        m_str += ch;
        return *this;
    }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_str + b.m_str); }
    friend CString operator+(const CString& a, const char* b) { return CString(a.m_str + (b ? b : "")); }
    friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.m_str); }
    friend CString operator+(const CString& a, char b) { return CString(a.m_str + b); }
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const char* b) { return a.m_str == (b ? b : ""); }
    friend bool operator==(const char* a, const CString& b) { return b == a; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator!=(const char* a, const CString& b) { return !(b == a); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }

  private:
    std::string m_str;
};

// A growable array of strings.
class QML_API CStringArray {
  public:
    int Add(const CString& text) {
        m_items.push_back(text);
        return static_cast<int>(m_items.size()) - 1;
    }
    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_items.empty(); }
    const CString& GetAt(int index) const { return m_items.at(static_cast<size_t>(index)); }
    CString& ElementAt(int index) { return m_items.at(static_cast<size_t>(index)); }
    void SetAt(int index, const CString& text) { m_items.at(static_cast<size_t>(index)) = text; }
    const CString& operator[](int index) const { return GetAt(index); }
    CString& operator[](int index) { return ElementAt(index); }
    void RemoveAll() { m_items.clear(); }
    void RemoveAt(int index, int count = 1);
    void InsertAt(int index, const CString& text);
    void SetSize(int size);

  private:
    std::vector<CString> m_items;
};

// A window object for a handle. Destroying the object never destroys its window.
class QML_API CWnd {
  public:
    CWnd() = default;
    explicit CWnd(HWND window) : m_hWnd(window) {}
    virtual ~CWnd() = default;

    HWND m_hWnd = nullptr;

    BOOL Attach(HWND window);
    HWND Detach();
    HWND GetSafeHwnd() const { return m_hWnd; }

    // A window object for the handle, kept by the library for the life of the process;
    // null for a null handle.
    static CWnd* FromHandle(HWND window);

#if defined(_WIN32)
    // <windows.h> makes these names macros for the ...A names, or for the ...W names in a host
    // built with UNICODE. The library exports the ...A members; the others forward to them, so
    // that a host links whichever way it was built. The texts stay narrow either way.
    void GetWindowTextA(CString& text) const;
    int GetWindowTextA(char* buffer, int maxCount) const;
    int GetWindowTextLengthA() const;
    void SetWindowTextA(const char* text);
    void GetWindowTextW(CString& text) const {
        GetWindowTextA(text);
    }
    int GetWindowTextW(char* buffer, int maxCount) const {
        return GetWindowTextA(buffer, maxCount);
    }
    int GetWindowTextLengthW() const {
        return GetWindowTextLengthA();
    }
    void SetWindowTextW(const char* text) {
        SetWindowTextA(text);
    }
#else
    void GetWindowText(CString& text) const;
    int GetWindowText(char* buffer, int maxCount) const;
    int GetWindowTextLength() const;
    void SetWindowText(const char* text);
#endif
};

// A combo box over its window handle.
class QML_API CComboBox : public CWnd {
  public:
    CComboBox() = default;
    explicit CComboBox(HWND window) : CWnd(window) {}

    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetLBText(int index, char* buffer) const;
    void GetLBText(int index, CString& text) const;
    int GetLBTextLen(int index) const;
    int AddString(const char* text);
    int InsertString(int index, const char* text);
    int DeleteString(unsigned int index);
    void ResetContent();
};

}  // namespace quorvel

#if !defined(QML_NO_GLOBAL_NAMES) || defined(QML_BUILDING_LIBRARY)
// The include guards of a framework's own headers of these names.
#if !defined(__AFX_H__) && !defined(__ATLSTR_H__)
using quorvel::CString;
#endif
#if !defined(__AFX_H__) && !defined(__AFXCOLL_H__)
using quorvel::CStringArray;
#endif
#if !defined(__AFXWIN_H__)
using quorvel::CComboBox;
using quorvel::CWnd;
#endif
#endif

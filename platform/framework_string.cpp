// CString and CStringArray: the framework's string types over std::string.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "base/ascii.h"
#include "base/code_page_pairs.h"
#include "quorvel/framework.h"

namespace {

const char kWhiteSpace[] = " \t\r\n\v\f";

// Changes the ASCII letters by change, walking by characters so that a trail byte in the ASCII
// letter range is never changed.
template <typename Change>
void ChangeAsciiLetters(std::string& text, Change change) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (qml::StartsDoubleByte(static_cast<unsigned char>(text[i])))
            ++i;
        else
            text[i] = change(text[i]);
    }
}

}  // namespace

CString::CString(const char* text, int length) {
    if (text && length > 0) m_str.assign(text, static_cast<size_t>(length));
}

CString::CString(char ch, int repeat) {
    if (repeat > 0) m_str.assign(static_cast<size_t>(repeat), ch);
}

void CString::FormatV(const char* format, va_list args) {
    if (!format) {
        m_str.clear();
        return;
    }
    va_list probe;
    va_copy(probe, args);
    int length = std::vsnprintf(nullptr, 0, format, probe);
    va_end(probe);
    if (length < 0) {
        m_str.clear();
        return;
    }
    std::string result(static_cast<size_t>(length) + 1, '\0');
    std::vsnprintf(result.data(), result.size(), format, args);
    result.resize(static_cast<size_t>(length));
    m_str.swap(result);
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(const char* format, ...) {
    CString tail;
    va_list args;
    va_start(args, format);
    tail.FormatV(format, args);
    va_end(args);
    m_str += tail.m_str;
}

CString& CString::Trim() {
    return Trim(kWhiteSpace);
}
CString& CString::TrimLeft() {
    return TrimLeft(kWhiteSpace);
}
CString& CString::TrimRight() {
    return TrimRight(kWhiteSpace);
}

CString& CString::Trim(const char* targets) {
    TrimRight(targets);
    return TrimLeft(targets);
}

CString& CString::TrimLeft(const char* targets) {
    if (!targets) return *this;
    m_str.erase(0, std::min(m_str.size(), m_str.find_first_not_of(targets)));
    return *this;
}

CString& CString::TrimRight(const char* targets) {
    if (!targets) return *this;
    size_t last = m_str.find_last_not_of(targets);
    m_str.erase(last == std::string::npos ? 0 : last + 1);
    return *this;
}

CString& CString::Trim(char target) {
    const char set[2] = {target, '\0'};
    return Trim(set);
}
CString& CString::TrimLeft(char target) {
    const char set[2] = {target, '\0'};
    return TrimLeft(set);
}
CString& CString::TrimRight(char target) {
    const char set[2] = {target, '\0'};
    return TrimRight(set);
}

CString& CString::MakeUpper() {
    ChangeAsciiLetters(m_str, qml::AsciiUpper);
    return *this;
}

CString& CString::MakeLower() {
    ChangeAsciiLetters(m_str, qml::AsciiLower);
    return *this;
}

int CString::Find(char ch, int start) const {
    if (start < 0 || static_cast<size_t>(start) >= m_str.size()) return -1;
    size_t at = m_str.find(ch, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const char* sub, int start) const {
    if (!sub || start < 0 || static_cast<size_t>(start) > m_str.size()) return -1;
    size_t at = m_str.find(sub, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const {
    size_t at = m_str.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Insert(int index, char ch) {
    const char text[2] = {ch, '\0'};
    return Insert(index, text);
}

int CString::Insert(int index, const char* text) {
    if (index < 0) index = 0;
    if (static_cast<size_t>(index) > m_str.size()) index = GetLength();
    if (text) m_str.insert(static_cast<size_t>(index), text);
    return GetLength();
}

int CString::Delete(int index, int count) {
    if (index < 0) index = 0;
    if (count > 0 && static_cast<size_t>(index) < m_str.size())
        m_str.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

int CString::Replace(const char* oldText, const char* newText) {
    if (!oldText || !*oldText) return 0;
    const std::string from(oldText);
    const std::string to(newText ? newText : "");
    int count = 0;
    for (size_t at = m_str.find(from); at != std::string::npos; at = m_str.find(from, at + to.size())) {
        m_str.replace(at, from.size(), to);
        ++count;
    }
    return count;
}

CString CString::Left(int count) const {
    if (count <= 0) return CString();
    return CString(m_str.substr(0, static_cast<size_t>(count)));
}

CString CString::Mid(int first) const {
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const {
    if (first < 0) first = 0;
    if (count <= 0 || static_cast<size_t>(first) >= m_str.size()) return CString();
    return CString(m_str.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Right(int count) const {
    if (count <= 0) return CString();
    size_t n = std::min(m_str.size(), static_cast<size_t>(count));
    return CString(m_str.substr(m_str.size() - n));
}

void CStringArray::RemoveAt(int index, int count) {
    if (index < 0 || count <= 0 || index >= GetSize()) return;
    auto first = m_items.begin() + index;
    auto last = first + std::min(count, GetSize() - index);
    m_items.erase(first, last);
}

void CStringArray::InsertAt(int index, const CString& text) {
    if (index < 0) index = 0;
    if (index > GetSize()) SetSize(index);
    m_items.insert(m_items.begin() + index, text);
}

void CStringArray::SetSize(int size) {
    m_items.resize(size > 0 ? static_cast<size_t>(size) : 0);
}

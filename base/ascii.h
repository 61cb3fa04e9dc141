// ASCII byte classes, and letter case, the only case the library folds: names in profile files,
// window classes, locale names and the translators' case retries ignore the case of A-Z and
// nothing else. Unlike a locale's toupper, no byte of 0x80 or above ever changes, so the lead
// byte of a double-byte character stays as it is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qml {

constexpr bool IsAsciiUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
constexpr bool IsAsciiLower(char c) {
    return c >= 'a' && c <= 'z';
}
constexpr bool IsAsciiLetter(char c) {
    return IsAsciiUpper(c) || IsAsciiLower(c);
}
// The C0 controls and DEL, which diagnostics and exported texts show escaped.
constexpr bool IsAsciiControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}
constexpr char AsciiLower(char c) {
    return IsAsciiUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr char AsciiUpper(char c) {
    return IsAsciiLower(c) ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether no byte of text is 0x80 or above: the same bytes in every code page the library reads.
inline bool IsAsciiText(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

inline void LowerAscii(std::string& text) {
    for (char& c : text) c = AsciiLower(c);
}
inline void UpperAscii(std::string& text) {
    for (char& c : text) c = AsciiUpper(c);
}
inline std::string AsciiLowered(std::string_view text) {
    std::string lowered(text);
    LowerAscii(lowered);
    return lowered;
}

inline bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

// Orders as the two texts with their ASCII letters lowered, bytes compared unsigned: below
// zero, zero or above zero.
inline int CompareIgnoringAsciiCase(std::string_view a, std::string_view b) {
    std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        auto x = static_cast<unsigned char>(AsciiLower(a[i]));
        auto y = static_cast<unsigned char>(AsciiLower(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace qml

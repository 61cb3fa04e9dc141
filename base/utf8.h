// The byte form of UTF-8: where a text may be cut (before any byte that is not a continuation
// byte, 10xxxxxx) and the bytes of one code point.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/bounded_copy.h"

namespace qml {

constexpr bool IsUtf8Continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The longest prefix of text of at most limit bytes that splits no character of a valid UTF-8
// text.
inline std::size_t Utf8PrefixLength(std::string_view text, std::size_t limit) {
    if (limit >= text.size()) return text.size();
    std::size_t length = limit;
    while (length > 0 && IsUtf8Continuation(static_cast<unsigned char>(text[length]))) --length;
    return length;
}

// Copies at most size - 1 bytes of a valid UTF-8 text and a NUL into buffer, never cutting a
// character; returns the bytes copied (0, and nothing written, for a null buffer or size 0).
inline std::size_t CopyBoundedUtf8(char* buffer, std::size_t size, std::string_view text) {
    if (buffer == nullptr || size == 0) return 0;
    return CopyBounded(buffer, size, text.substr(0, Utf8PrefixLength(text, size - 1)));
}

// Appends the UTF-8 bytes of code (up to U+10FFFF; a lone surrogate gets three bytes as well).
inline void AppendUtf8(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | ((code >> 18) & 0x07));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace qml

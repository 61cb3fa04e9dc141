// Where a UTF-8 text may be cut: before any byte that is not a continuation byte (10xxxxxx).
#pragma once

#include <cstddef>
#include <string_view>

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

}  // namespace qml

// The double-byte characters of the Chinese code pages, as bytes: which byte starts a pair,
// which may end one, and how long a prefix of a text is without cutting a pair in half.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/bounded_copy.h"

namespace qml {

// Code page 936 (GBK): lead 0x81..0xFE, trail 0x40..0xFE except 0x7F.
constexpr bool IsCp936Lead(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}
constexpr bool IsCp936Trail(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}
constexpr bool IsCp936Pair(unsigned char lead, unsigned char trail) {
    return IsCp936Lead(lead) && IsCp936Trail(trail);
}

// The looser rule the library applies to texts of the language's code page (window texts,
// results cut to a caller's size): a byte of 0x80 or above and the byte after it are one
// character.
constexpr bool StartsDoubleByte(unsigned char byte) {
    return byte >= 0x80;
}

// The longest prefix of text of at most limit bytes that does not end in the first half of a
// character under that rule.
inline std::size_t DoubleBytePrefixLength(std::string_view text, std::size_t limit) {
    std::size_t whole = 0;
    while (whole < text.size()) {
        std::size_t next =
            whole +
            (StartsDoubleByte(static_cast<unsigned char>(text[whole])) && whole + 1 < text.size() ? 2 : 1);
        if (next > limit) break;
        whole = next;
    }
    return whole;
}

// Copies at most size - 1 bytes of text and a NUL into buffer, cut between characters under
// that rule; returns the bytes copied (0, and nothing written, for a null buffer or size 0).
inline std::size_t CopyBoundedDoubleByte(char* buffer, std::size_t size, std::string_view text) {
    if (buffer == nullptr || size == 0) return 0;
    return CopyBounded(buffer, size, text.substr(0, DoubleBytePrefixLength(text, size - 1)));
}

}  // namespace qml

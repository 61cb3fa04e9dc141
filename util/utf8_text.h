// UTF-8 at the edges where it comes in and goes out (the C interface, UTF-8 language files):
// input made valid, results cut where a character ends.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qml {

// The text with every invalid sequence (each maximal part of a sequence that cannot be
// completed, or a single stray byte) replaced by U+FFFD. Null is the empty text.
std::string ValidUtf8(const char* text);

// The length of the longest start of a valid UTF-8 text that is at most limit bytes long and
// splits no character.
std::size_t Utf8PrefixLength(std::string_view text, std::size_t limit);

}  // namespace qml

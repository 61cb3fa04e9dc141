// UTF-8 where it comes in (the C interface, UTF-8 language files): input made valid.
#pragma once

#include <string>

namespace qml {

// The text with every invalid sequence (each maximal part of a sequence that cannot be
// completed, or a single stray byte) replaced by U+FFFD. Null is the empty text.
std::string ValidUtf8(const char* text);

}  // namespace qml

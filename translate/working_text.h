// The working text of the translators and the log relay: a sentence formatted into at most
// 1023 bytes and a NUL.
#pragma once

#include <array>
#include <cstdarg>

#include "translate/phrase_translator.h"

namespace qml {

using WorkingText = std::array<char, kTextBufferSize>;

// Formats into text what the C runtime's bounded print with the limit 1023 leaves in a cleared
// buffer: the first 1023 bytes of the result, terminated. A null format gives the empty text.
// Returns the length of the text.
int FormatWorkingText(WorkingText& text, const char* format, va_list args);

}  // namespace qml

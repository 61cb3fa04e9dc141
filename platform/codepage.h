// Code-page services of the Chinese conversion: character counts of code-page-936 texts and
// the simplified/traditional character mappings within code page 936.
#pragma once

#include "quorvel/wintypes.h"

namespace qml::os {

#if defined(_WIN32)
using ::LCMapStringA;
using ::MultiByteToWideChar;
#else
// Code page 936 only, and only the count: with a null destination and size 0, returns the
// number of UTF-16 units of the text (length -1: up to and including its NUL). Each
// double-byte pair and each other byte is one unit. Anything else returns 0 and sets
// ERROR_INVALID_PARAMETER.
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int length, LPWSTR wide, int wideSize);

// Locale 2052 with exactly one of LCMAP_SIMPLIFIED_CHINESE or LCMAP_TRADITIONAL_CHINESE:
// writes the text with every character replaced by its simplified (traditional) form in code
// page 936, one character for one, so the length is kept. Length -1 takes the text up to and
// including its NUL. A destination size of 0 asks for the size needed. Returns the bytes
// written, 0 on failure (other locales or flags, destination too small).
int LCMapStringA(LCID locale, DWORD flags, LPCSTR source, int sourceLength, LPSTR destination,
                 int destinationSize);
#endif

}  // namespace qml::os

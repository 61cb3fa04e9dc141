// Code-page services: character counts of code-page-936 texts and the simplified/traditional
// character mappings within code page 936 for the Chinese conversion; texts between UTF-8 and
// a code page for the library's UTF-8 entry points.
#pragma once

#include <string>
#include <string_view>

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

// The code page of the file system's names: on Windows the system's ANSI code page, on POSIX
// UTF-8 (names are bytes there).
inline constexpr UINT kFileSystemCodePage = 0;
inline constexpr UINT kUtf8CodePage = 65001;

// Whether the system converts between UTF-8 and the code page.
bool IsCodePageSupported(UINT codePage);

// Valid UTF-8 into the code page, appended to text: a character that the code page lacks
// becomes '?', never a look-alike. False, and nothing appended, for a code page the system
// cannot convert.
bool Utf8ToCodePage(UINT codePage, std::string_view utf8, std::string& text);

// A text of the code page into UTF-8, appended to utf8: bytes that are no character of the
// code page become U+FFFD. False, and nothing appended, for a code page the system cannot
// convert.
bool CodePageToUtf8(UINT codePage, std::string_view text, std::string& utf8);

}  // namespace qml::os

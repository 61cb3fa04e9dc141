// The C runtime extras the library uses, with their MSVC meaning on every platform.
#pragma once

#include <cstdarg>
#include <cstddef>

#if defined(_WIN32)
#include <io.h>
#include <mbstring.h>
#include <stdio.h>
#include <string.h>
#endif

namespace qml::crt {

#if defined(_WIN32)
using ::_access;
using ::_stricmp;
using ::_strlwr;
using ::_strupr;
using ::_vsnprintf;
inline int _mbscmp(const char* a, const char* b) {
    return ::_mbscmp(reinterpret_cast<const unsigned char*>(a), reinterpret_cast<const unsigned char*>(b));
}
#else
// Formats at most count bytes into buffer. A text that fits with room for the NUL is
// terminated and its length returned; a cut text is NOT terminated and -1 is returned.
int _vsnprintf(char* buffer, std::size_t count, const char* format, va_list args);
// Change ASCII letters only, in place; return the text.
char* _strlwr(char* text);
char* _strupr(char* text);
// Compares ignoring the case of ASCII letters.
int _stricmp(const char* a, const char* b);
// Compares byte strings as unsigned, double-byte characters as units.
int _mbscmp(const char* a, const char* b);
// 0 when the path exists (mode 0) or is accessible as asked, -1 otherwise. Backslashes of a
// Windows path are taken as separators.
int _access(const char* path, int mode);
#endif

}  // namespace qml::crt

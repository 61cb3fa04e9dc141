// The C runtime extras with their MSVC meaning.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "base/ascii.h"
#include "platform/os.h"

namespace qml::os {

int _vsnprintf(char* buffer, size_t count, const char* format, va_list args) {
    if (!buffer || count == 0 || !format) return format ? -1 : 0;
    // vsnprintf always terminates; format one byte more so that the MSVC rule (count bytes,
    // no NUL when the text does not fit) can be kept exactly.
    std::string full;
    va_list probe;
    va_copy(probe, args);
    int length = std::vsnprintf(nullptr, 0, format, probe);
    va_end(probe);
    if (length < 0) return -1;
    full.resize(static_cast<size_t>(length) + 1);
    std::vsnprintf(full.data(), full.size(), format, args);
    if (static_cast<size_t>(length) < count) {
        std::memcpy(buffer, full.data(), static_cast<size_t>(length) + 1);
        return length;
    }
    std::memcpy(buffer, full.data(), count);
    return static_cast<size_t>(length) == count ? length : -1;
}

char* _strlwr(char* text) {
    if (!text) return text;
    for (char* p = text; *p; ++p) *p = AsciiLower(*p);
    return text;
}

char* _strupr(char* text) {
    if (!text) return text;
    for (char* p = text; *p; ++p) *p = AsciiUpper(*p);
    return text;
}

// The difference of the first bytes that differ once lowered, as the C runtime gives it.
int _stricmp(const char* a, const char* b) {
    const char* x = a ? a : "";
    const char* y = b ? b : "";
    for (;; ++x, ++y) {
        int d = static_cast<unsigned char>(AsciiLower(*x)) - static_cast<unsigned char>(AsciiLower(*y));
        if (d != 0 || *x == 0) return d;
    }
}

// A double-byte character compares as one unit; for equality and for the byte order of
// well-formed texts this is the plain unsigned byte comparison.
int _mbscmp(const char* a, const char* b) {
    const unsigned char* x = reinterpret_cast<const unsigned char*>(a ? a : "");
    const unsigned char* y = reinterpret_cast<const unsigned char*>(b ? b : "");
    for (;; ++x, ++y) {
        if (*x != *y) return *x < *y ? -1 : 1;
        if (*x == 0) return 0;
    }
}

int _access(const char* path, int mode) {
    if (!path) return -1;
    int flags = F_OK;
    if (mode & 2) flags |= W_OK;
    if (mode & 4) flags |= R_OK;
    return ::access(SystemPath(path).c_str(), flags) == 0 ? 0 : -1;
}

}  // namespace qml::os

#include <cstdio>
#include <cstring>
#include <string>

#include "util/shared_utility.h"

namespace qml {

int kvVsnprintf(char* buffer, int n, const char* format, va_list args) {
    if (!buffer || n <= 0) return 0;
    if (!format) {
        buffer[0] = '\0';
        return 0;
    }
    va_list probe;
    va_copy(probe, args);
    int length = std::vsnprintf(buffer, static_cast<size_t>(n), format, probe);
    va_end(probe);
    if (length < 0) {
        buffer[0] = '\0';
        return 0;
    }
    // vsnprintf reports the untruncated length; what stands in the buffer is what counts.
    return length < n ? length : n - 1;
}

int kvSnprintf(char* buffer, int n, const char* format, ...) {
    va_list args;
    va_start(args, format);
    int written = kvVsnprintf(buffer, n, format, args);
    va_end(args);
    return written;
}

}  // namespace qml

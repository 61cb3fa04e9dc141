// Whether the system maps Chinese characters between their simplified and traditional forms
// (LCMapStringA with LCMAP_TRADITIONAL_CHINESE). Windows does, and so does the POSIX stand-in;
// Wine does not. Checks that need the mapping skip where it is missing, saying so.
#pragma once

#include <cstring>

#include "platform/os.h"

namespace qml_test {

inline bool SystemMapsChineseCharacters() {
    char out[4] = {};
    // 国 (B9FA) in code page 936 becomes 國 (87F8).
    return qml::os::LCMapStringA(2052, LCMAP_TRADITIONAL_CHINESE, "\xB9\xFA", -1, out, sizeof out) == 3 &&
           std::memcmp(out, "\x87\xF8", 2) == 0;
}

inline const char* NoChineseMappingReason() {
    return "this system's LCMapStringA does not map Chinese characters between simplified and "
           "traditional forms";
}

}  // namespace qml_test

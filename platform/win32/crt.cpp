// The C runtime extras on Windows that are not the runtime's own under the same signature.
#include "platform/os.h"

namespace qml::os {

int _mbscmp(const char* a, const char* b) {
    return ::_mbscmp(reinterpret_cast<const unsigned char*>(a), reinterpret_cast<const unsigned char*>(b));
}

}  // namespace qml::os

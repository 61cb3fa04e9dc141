#include "platform/posix/path.h"

#include <algorithm>

namespace qml::posix {

std::string NativePath(const char* path) {
    std::string native(path ? path : "");
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

}  // namespace qml::posix

#include "platform/file.h"

#include "platform/posix/path.h"

namespace qml::os {

std::FILE* OpenFile(const char* path, const char* mode) {
    if (!path || !mode) return nullptr;
    return std::fopen(qml::posix::NativePath(path).c_str(), mode);
}

}  // namespace qml::os

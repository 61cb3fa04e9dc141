// Files by their Windows paths, as they are.
#include "platform/file.h"

namespace qml::os {

std::FILE* OpenFile(const char* path, const char* mode) {
    if (!path || !mode) return nullptr;
    return std::fopen(path, mode);
}

}  // namespace qml::os

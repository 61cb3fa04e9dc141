// Opening files by the library's Windows-form paths.
#pragma once

#include <cstdio>

namespace qml::os {

// fopen with the path in its Windows form (backslashes are separators on POSIX too).
std::FILE* OpenFile(const char* path, const char* mode);

}  // namespace qml::os

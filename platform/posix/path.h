// Windows paths at the POSIX file-system boundary.
#pragma once

#include <string>

namespace qml::posix {

// The path with every backslash turned into a slash. The library keeps and returns the
// Windows form; only open, access and create see this one.
std::string NativePath(const char* path);

}  // namespace qml::posix

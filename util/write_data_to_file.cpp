#include <cstdio>

#include "platform/os.h"
#include "util/shared_utility.h"

namespace qml {

int WriteDataToFile(const char* path, const char* data, long length, const char* mode, int /*option*/) {
    if (!path || !mode || length < 0 || (length > 0 && !data)) return -1;
    std::FILE* file = qml::os::OpenFile(path, mode);
    if (!file) return -1;
    size_t written = length > 0 ? std::fwrite(data, 1, static_cast<size_t>(length), file) : 0;
    bool ok = written == static_cast<size_t>(length);
    if (std::fclose(file) != 0) ok = false;
    return ok ? static_cast<int>(written) : -1;
}

}  // namespace qml

#include "translator/output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "arguments.h"
#include "translator/language_set.h"

namespace cli {

void WriteOutput(const std::string& path, const std::string& text) {
    if (path != "-") {
        WriteFileSafely(path, text);
        return;
    }
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        throw RunError(std::string("standard output: ") + std::strerror(errno));
}

}  // namespace cli

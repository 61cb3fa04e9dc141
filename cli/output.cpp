#include "output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "arguments.h"

namespace cli {

namespace {

std::string WriteError(int error) {
    return std::string("write error on standard output: ") + std::strerror(error ? error : EIO);
}

}  // namespace

void WriteOut(const char* data, size_t size) {
    errno = 0;
    if (std::fwrite(data, 1, size, stdout) != size || std::ferror(stdout)) throw RunError(WriteError(errno));
}

std::string FinishOutput() {
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) return WriteError(errno);
    return {};
}

}  // namespace cli

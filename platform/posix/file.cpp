// Files by their Windows paths: every backslash becomes a slash at the file-system boundary.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>
#include <algorithm>
#include <system_error>

#include "platform/os.h"
#include "platform/posix/descriptor.h"

namespace qml::os {

std::FILE* OpenFile(const char* path, const char* mode) {
    if (!path || !mode) return nullptr;
    return std::fopen(SystemPath(path).c_str(), mode);
}

std::string SystemPath(const char* path) {
    std::string native(path ? path : "");
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

namespace {

FileCreation Outcome(FileCreation::Outcome outcome, int error = 0) {
    FileCreation result;
    result.outcome = outcome;
    if (error != 0) result.reason = std::generic_category().message(error);
    return result;
}

bool WriteAll(int fd, const char* data, std::size_t length) {
    while (length > 0) {
        ssize_t n = ::write(fd, data, length);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        length -= static_cast<std::size_t>(n);
    }
    return true;
}

// A name no other call of any process uses at the same time: the process id and a counter. A
// name left by a killed process is skipped by O_EXCL, and ends in ".tmp", never in the target's
// own extension.
std::string TemporaryName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    return "." + target.substr(0, 200) + "." + std::to_string(::getpid()) + "-" +
           std::to_string(counter.fetch_add(1)) + ".tmp";
}

// Gives the temporary file its final name unless that name is taken. link(2) never replaces;
// where the file system has no hard links, a rename that refuses to replace does the same.
int LinkIntoPlace(int dir, const std::string& from, const std::string& to) {
    if (::linkat(dir, from.c_str(), dir, to.c_str(), 0) == 0) return 0;
    int error = errno;
#if defined(SYS_renameat2)
    if (error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EMLINK) {
        constexpr unsigned kRenameNoReplace = 1;
        if (::syscall(SYS_renameat2, dir, from.c_str(), dir, to.c_str(), kRenameNoReplace) == 0) return 0;
        error = errno;
    }
#endif
    return error;
}

}  // namespace

FileCreation CreateWholeFile(const char* path, const char* data, std::size_t length) {
    if (!path || (length > 0 && !data)) return Outcome(FileCreation::kFailed, EINVAL);
    const std::string native = SystemPath(path);
    const std::size_t slash = native.rfind('/');
    const std::string dirName = slash == std::string::npos ? "." : slash == 0 ? "/" : native.substr(0, slash);
    const std::string name = slash == std::string::npos ? native : native.substr(slash + 1);
    if (name.empty() || name == "." || name == "..") return Outcome(FileCreation::kFailed, EISDIR);

    // Both names are taken relative to one open directory, so a directory renamed meanwhile
    // cannot split them.
    posix::Descriptor dir(::open(dirName.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0) return Outcome(FileCreation::kFailed, errno);

    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporaryName(name);
        fd = ::openat(dir.get(), temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                      0666);
        if (fd < 0 && errno != EEXIST) return Outcome(FileCreation::kFailed, errno);
    }
    if (fd < 0) return Outcome(FileCreation::kFailed, EEXIST);

    posix::Descriptor file(fd);
    int error = 0;
    if (!WriteAll(file.get(), data, length) || ::fsync(file.get()) != 0) error = errno;
    if (file.Close() != 0 && error == 0) error = errno;
    if (error == 0) error = LinkIntoPlace(dir.get(), temporary, name);
    // After a link both names hold the file; after a rename the temporary name is gone already.
    ::unlinkat(dir.get(), temporary.c_str(), 0);

    if (error == 0) return Outcome(FileCreation::kCreated);
    return Outcome(error == EEXIST ? FileCreation::kExists : FileCreation::kFailed, error);
}

}  // namespace qml::os

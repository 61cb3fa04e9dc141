#include "system.h"

#include <sys/stat.h>

#include <cstdio>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>

#include "quorvel/wintypes.h"
#else
#include <langinfo.h>
#include <unistd.h>

#include <clocale>
#include <cstring>

#include "quorvel/window_system.h"
#endif

namespace cli {

#if defined(_WIN32)

std::string ExecutableDir() {
    char path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameA(nullptr, path, sizeof path);
    // n == size means the path was cut.
    if (n == 0 || n >= sizeof path) return ".";
    std::string full(path, n);
    const size_t slash = full.find_last_of("\\/");
    return slash == std::string::npos ? "." : full.substr(0, slash);
}

bool IsDirectory(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path) {
    return ::_access(path.c_str(), 0) == 0;
}

FileKind KindOf(const std::string& path) {
    struct _stat64 info {};
    if (::_stat64(path.c_str(), &info) != 0) return FileKind::kMissing;
    if (info.st_mode & _S_IFDIR) return FileKind::kDirectory;
    return (info.st_mode & _S_IFREG) ? FileKind::kRegular : FileKind::kSpecial;
}

std::string SpecialKindName(const std::string&) {
    return "a device";
}

void UseBinaryStandardStreams() {
    ::_setmode(::_fileno(stdin), _O_BINARY);
    ::_setmode(::_fileno(stdout), _O_BINARY);
}

bool Utf8Terminal() {
    // A console, not a pipe or file, set to show UTF-8.
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(STD_OUTPUT_HANDLE), &mode) && ::GetConsoleOutputCP() == 65001;
}

unsigned long UserLocaleId() {
    return ::GetUserDefaultLCID();
}

#else

std::string ExecutableDir() {
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    std::string full(path, static_cast<size_t>(n));
    return full.substr(0, full.rfind('/'));
}

bool IsDirectory(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool FileExists(const std::string& path) {
    return ::access(path.c_str(), F_OK) == 0;
}

FileKind KindOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return FileKind::kMissing;
    if (S_ISDIR(info.st_mode)) return FileKind::kDirectory;
    return S_ISREG(info.st_mode) ? FileKind::kRegular : FileKind::kSpecial;
}

std::string SpecialKindName(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return "not a regular file";
    if (S_ISFIFO(info.st_mode)) return "a FIFO";
    if (S_ISCHR(info.st_mode)) return "a character device";
    if (S_ISBLK(info.st_mode)) return "a block device";
    if (S_ISSOCK(info.st_mode)) return "a socket";
    return "not a regular file";
}

void UseBinaryStandardStreams() {}

bool Utf8Terminal() {
    std::setlocale(LC_CTYPE, "");
    const char* codeset = nl_langinfo(CODESET);
    return ::isatty(STDOUT_FILENO) && codeset && std::strcmp(codeset, "UTF-8") == 0;
}

unsigned long UserLocaleId() {
    return quorvel::GetUserDefaultLCID();
}

#endif

}  // namespace cli

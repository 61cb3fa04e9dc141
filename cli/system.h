// What the tool needs from the operating system, with the same meaning on POSIX and Windows.
#pragma once

#include <string>

namespace cli {

// The directory of the running executable; "." when it cannot be found.
std::string ExecutableDir();

bool IsDirectory(const std::string& path);
bool FileExists(const std::string& path);

// The characters that separate a path's parts.
#if defined(_WIN32)
inline constexpr char kPathSeparators[] = "\\/";
#else
inline constexpr char kPathSeparators[] = "/";
#endif

// What a path names, told by stat without opening it (opening a FIFO may block).
enum class FileKind { kMissing, kRegular, kDirectory, kSpecial };
FileKind KindOf(const std::string& path);
// "a FIFO", "a character device", ... for a message about a special file.
std::string SpecialKindName(const std::string& path);

// Standard input and output carry bytes, never text with translated line ends.
void UseBinaryStandardStreams();

// Whether standard output is a terminal that shows UTF-8.
bool Utf8Terminal();

// The user's locale identifier (zh_TW 0x0404, zh_CN 0x0804, en_US 0x0409, ...).
unsigned long UserLocaleId();

}  // namespace cli

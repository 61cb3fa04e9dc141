// What the tool needs from the operating system, with the same meaning on POSIX and Windows.
#pragma once

#include <string>

namespace cli {

// The directory of the running executable; "." when it cannot be found.
std::string ExecutableDir();

bool IsDirectory(const std::string& path);
bool FileExists(const std::string& path);

// Whether standard output is a terminal that shows UTF-8.
bool Utf8Terminal();

// The user's locale identifier (zh_TW 0x0404, zh_CN 0x0804, en_US 0x0409, ...).
unsigned long UserLocaleId();

}  // namespace cli
